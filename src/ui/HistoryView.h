// The Edit History panel's list: every step's text whole, wrapped to the panel's width.
#pragma once

#include <QUndoView>

class HistoryView final : public QUndoView {
    Q_OBJECT
public:
    explicit HistoryView(QUndoStack* stack, QWidget* parent = nullptr);

    // Wide enough for a short step text on one line; longer ones wrap.
    [[nodiscard]] int UsefulWidth() const;
};
