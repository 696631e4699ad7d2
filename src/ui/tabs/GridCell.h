// A button of the base grid that may be narrower than its caption: the caption wraps at
// its blanks while there are lines to spare and is cut short with "…" where there are not.
#pragma once

#include <QPushButton>

class GridCell final : public QPushButton {
    Q_OBJECT
public:
    explicit GridCell(QWidget* parent = nullptr);

    // The room the cell asks for where the screen has it.
    void SetPreferredSize(QSize size) { m_preferred = size; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The caption as drawn in a text area of this width and height.
    [[nodiscard]] QString FittedCaption(int width, int height) const;

    QSize m_preferred;
};
