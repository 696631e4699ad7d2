// An Asker that answers from a script and records every dialog shown. A call the script
// did not expect fails the test instead of blocking; answers left unused fail it too.
#pragma once

#include "core/Asker.h"

#include <QString>

#include <array>
#include <deque>
#include <optional>
#include <vector>

class ScriptedAsker final : public Asker {
public:
    enum class Kind { Text, YesNo, OpenFile, SaveFile, Folder, Message, Error, SaveDiscardCancel, ThreeWay, WarningYesNo };

    struct Shown {
        Kind kind;
        QString title;
        QString text;          // prompt or message text; the filter for OpenFile
        QString defaultAnswer; // Text only; the informative text of a three-way question
        std::array<QString, 3> buttons = {};  // ThreeWay only
    };

    ScriptedAsker() = default;
    ScriptedAsker(const ScriptedAsker&) = delete;
    ScriptedAsker& operator=(const ScriptedAsker&) = delete;
    ~ScriptedAsker() override;

    // Queue the answers, in the order the dialogs are expected.
    ScriptedAsker& Answer(const QString& text);
    ScriptedAsker& AnswerYesNo(bool yes);
    ScriptedAsker& AnswerOpenFile(std::optional<QString> path);
    ScriptedAsker& AnswerSaveDiscardCancel(Choice choice);
    ScriptedAsker& AnswerSaveFile(std::optional<QString> path);
    ScriptedAsker& AnswerFolder(std::optional<QString> path);
    // The index of the button chosen, 0 to 2.
    ScriptedAsker& AnswerThreeWay(int button);
    ScriptedAsker& AnswerWarningYesNo(bool yes);
    ScriptedAsker& AcknowledgeMessage();
    ScriptedAsker& AcknowledgeError();

    QString AskText(const QString& prompt, const QString& title, const QString& defaultAnswer) override;
    bool AskYesNo(const QString& title, const QString& text) override;
    std::optional<QString> AskOpenFile(const QString& title, const QString& filter) override;
    Choice AskSaveDiscardCancel(const QString& title, const QString& text, const QString& informativeText) override;
    std::optional<QString> AskSaveFile(const QString& title, const QString& filter) override;
    std::optional<QString> AskFolder(const QString& title) override;
    int AskThreeWay(const QString& title, const QString& text, const QString& informativeText,
                    const std::array<QString, 3>& buttons) override;
    bool AskWarningYesNo(const QString& title, const QString& text) override;
    void ShowMessage(const QString& title, const QString& text) override;
    void ShowError(const QString& title, const QString& text) override;
    void ShowRefusal(const QString& reason) override { m_refusals.push_back(reason); }

    [[nodiscard]] const std::vector<Shown>& ShownDialogs() const { return m_shown; }
    // Every reason shown beside a prompt asked again, and the empty text that ends each.
    [[nodiscard]] const std::vector<QString>& Refusals() const { return m_refusals; }
    [[nodiscard]] std::size_t PendingAnswers() const { return m_script.size(); }
    // Drop unused answers on purpose (a test that checks a loop stops early).
    void ClearScript() { m_script.clear(); }

private:
    struct Step {
        Kind kind;
        QString text = {};
        bool yes = false;
        std::optional<QString> path = {};
        Choice choice = Choice::Cancel;
        int button = 2;
    };

    std::optional<Step> Next(Kind kind);

    std::deque<Step> m_script;
    std::vector<Shown> m_shown;
    std::vector<QString> m_refusals;
};

[[nodiscard]] const char* KindName(ScriptedAsker::Kind kind);
