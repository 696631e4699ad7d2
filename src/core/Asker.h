// The questions and messages the editor puts to its user, behind one small seam so
// that tests can script the answers; the Qt dialogs live in the ui library.
#pragma once

#include <QString>

#include <array>
#include <optional>

class Asker {
public:
    enum class Choice { Save, Discard, Cancel };

    virtual ~Asker() = default;

    // A modal input box: prompt lines joined by '\n', title, default answer. Returns the
    // typed text, or the empty text on Cancel.
    virtual QString AskText(const QString& prompt, const QString& title, const QString& defaultAnswer) = 0;

    // A modal message box with the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& title, const QString& text) = 0;

    // An open-file dialog. The filter is "Description|pattern". nullopt on Cancel.
    virtual std::optional<QString> AskOpenFile(const QString& title, const QString& filter) = 0;

    // A save-file dialog: where to write a new file. nullopt on Cancel.
    virtual std::optional<QString> AskSaveFile(const QString& title, const QString& filter) = 0;

    // A folder dialog. nullopt on Cancel.
    virtual std::optional<QString> AskFolder(const QString& title) = 0;

    // A modal question with the buttons Save, Discard and Cancel; Escape is Cancel.
    virtual Choice AskSaveDiscardCancel(const QString& title, const QString& text, const QString& informativeText) = 0;

    // A modal question with three buttons of these captions. The last one is the default
    // and Escape's, so it must be the one that does nothing. Returns 0, 1 or 2.
    virtual int AskThreeWay(const QString& title, const QString& text, const QString& informativeText,
                            const std::array<QString, 3>& buttons) = 0;

    // A modal warning with the buttons Yes and No, No the default; true for Yes.
    virtual bool AskWarningYesNo(const QString& title, const QString& text) = 0;

    // A modal message box with an OK button.
    virtual void ShowMessage(const QString& title, const QString& text) = 0;

    // A modal error message box with an OK button.
    virtual void ShowError(const QString& title, const QString& text) = 0;

    // Why the last answer was not taken, shown outside the box while it asks again (the
    // box keeps its own text); the empty text once the asking is over.
    virtual void ShowRefusal(const QString& reason) = 0;
};
