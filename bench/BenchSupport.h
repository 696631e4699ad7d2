// What the benchmarks share: an offscreen application, a reporter and an Asker that show
// nothing, and a loaded main window with the user's ways into it.
#pragma once

#include "core/Asker.h"
#include "core/GameVersion.h"
#include "core/LoadReporter.h"
#include "sample/SampleInstall.h"
#include "ui/MainWindow.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

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
    void ShowRefusal(const QString&) override {}
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

namespace bench {

template <typename T>
T* Find(const MainWindow& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

// The user's choice of an entry of a combo box, of a tab, of a list row by double-click.
void Choose(const MainWindow& window, const char* combo, int index);
void ShowTab(const MainWindow& window, int tab);
void DoubleClickRow(const MainWindow& window, const char* list, int row);

} // namespace bench

// A shown main window with a generated install of a build loaded.
class WindowFixture : public benchmark::Fixture {
public:
    void TearDown(const benchmark::State&) override { m_window.reset(); }

protected:
    void OpenWindow(GameVersion version);

    template <typename T>
    T* Find(const char* name) const
    {
        return bench::Find<T>(*m_window, name);
    }
    void ShowTab(int tab) const { bench::ShowTab(*m_window, tab); }
    void Choose(const char* combo, int index) const { bench::Choose(*m_window, combo, index); }
    void DoubleClickRow(const char* list, int row) const { bench::DoubleClickRow(*m_window, list, row); }

    QTemporaryDir m_dir;
    std::optional<SamplePaths> m_paths;
    AlternatingAsker m_asker;
    std::unique_ptr<MainWindow> m_window;
};
