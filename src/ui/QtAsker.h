// The real dialogs behind the Asker seam: input box, message boxes and open dialog.
#pragma once

#include "core/Asker.h"

class QWidget;

class QtAsker final : public Asker {
public:
    explicit QtAsker(QWidget* parent = nullptr);

    void SetParent(QWidget* parent) { m_parent = parent; }

    QString AskText(const QString& prompt, const QString& title, const QString& defaultAnswer) override;
    bool AskYesNo(const QString& title, const QString& text) override;
    std::optional<QString> AskOpenFile(const QString& title, const QString& filter) override;
    std::optional<QString> AskSaveFile(const QString& title, const QString& filter) override;
    std::optional<QString> AskFolder(const QString& title) override;
    Choice AskSaveDiscardCancel(const QString& title, const QString& text, const QString& informativeText) override;
    int AskThreeWay(const QString& title, const QString& text, const QString& informativeText,
                    const std::array<QString, 3>& buttons) override;
    bool AskWarningYesNo(const QString& title, const QString& text) override;
    void ShowMessage(const QString& title, const QString& text) override;
    void ShowError(const QString& title, const QString& text) override;
    // In the status bar of the parent window, where the box does not cover it.
    void ShowRefusal(const QString& reason) override;

    // "Description|pattern" as a Qt name filter, "Description (pattern)".
    [[nodiscard]] static QString ToQtFilter(const QString& filter);

private:
    QWidget* m_parent;
    QString m_refusal;
};
