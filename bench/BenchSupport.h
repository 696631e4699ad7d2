// What the benchmarks share: an offscreen application, and a reporter and an Asker that
// show nothing.
#pragma once

#include "core/Asker.h"
#include "core/LoadReporter.h"

class SilentReporter final : public LoadReporter {
public:
    void Begin() override {}
    void Append(const QString&) override {}
    void SetStatus(const QString&) override {}
    void Finish() override {}
};

// Answers every input box with the next of two texts, so each edit really changes a byte;
// confirms every question, overwrites files changed on disk, swallows every message.
class AlternatingAsker final : public Asker {
public:
    void SetAnswers(QString first, QString second)
    {
        m_answers[0] = std::move(first);
        m_answers[1] = std::move(second);
    }
    QString AskText(const QString&, const QString&, const QString&) override { return m_answers[m_next++ % 2]; }
    bool AskYesNo(const QString&, const QString&) override { return true; }
    std::optional<QString> AskOpenFile(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> AskSaveFile(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> AskFolder(const QString&) override { return std::nullopt; }
    Choice AskSaveDiscardCancel(const QString&, const QString&, const QString&) override { return Choice::Discard; }
    int AskThreeWay(const QString&, const QString&, const QString&, const std::array<QString, 3>&) override
    {
        return 0;
    }
    bool AskWarningYesNo(const QString&, const QString&) override { return true; }
    void ShowMessage(const QString&, const QString&) override {}
    void ShowError(const QString&, const QString&) override { m_failed = true; }
    [[nodiscard]] bool Failed() const { return m_failed; }
    [[nodiscard]] unsigned Asked() const { return m_next; }

private:
    QString m_answers[2];
    unsigned m_next = 0;
    bool m_failed = false;
};

// Without answers it cancels every input box.
using SilentAsker = AlternatingAsker;

// Makes the one QApplication of the run, offscreen unless a platform is set. It is never
// destroyed: widgets of one benchmark may outlive any scope of another.
void EnsureApplication();
