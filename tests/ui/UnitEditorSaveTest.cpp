// The "Unit Editor" tab inside the main window: from load through edits to the files on disk.
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Build {
    GameVersion version;
    qsizetype sectoidFlying;  // unit 7, position 0; time units at +1, bravery at +27
};

void PrintTo(const Build& build, std::ostream* os)
{
    *os << gameversion::ShortName(build.version).toStdString();
}

class UnitEditorInWindow : public ::testing::TestWithParam<Build> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(install.IsValid());
        ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete);
        probe::Tabs(window).setCurrentIndex(3);
    }

    void ChooseSectoidSoldier() { drive::Choose(window, u"cmbUnit"_s, 7); }
    void Click(const QString& control) { drive::Click(window, control); }
    QString Caption(const QString& control) const { return probe::TextOf(probe::Find<QPushButton>(window, control)); }

    InstallFixture install{GetParam().version};
    ScriptedAsker asker;
    MainWindow window{asker};
};

TEST_P(UnitEditorInWindow, SaveWritesTheEditsAndBacksUpTheOriginal)
{
    const std::optional<QByteArray> original = testfiles::Read(install.Paths().exePath);
    ASSERT_TRUE(original);
    window.show();
    ChooseSectoidSoldier();
    asker.Answer(u"80"_s).Answer(u"35"_s);
    Click(u"cmdTU"_s);
    Click(u"cmdBrav"_s);
    Click(u"optYesU"_s);
    probe::Find<QAction>(window, u"mnuSave"_s)->trigger();

    QByteArray expected = *original;
    const qsizetype flag = GetParam().sectoidFlying;
    expected[flag] = char(1);
    expected[flag + 1] = char(80);
    expected[flag + 27] = char(8);
    EXPECT_EQ(testfiles::Read(install.Paths().exePath), expected);
    EXPECT_EQ(testfiles::Read(install.Paths().exePath + u".bak"_s), original);
}

// A unit chosen before a load is shown from the new file at once, and stays usable.
TEST_P(UnitEditorInWindow, LoadingAgainShowsTheChosenUnitFromTheNewFile)
{
    window.show();
    ChooseSectoidSoldier();
    asker.Answer(u"80"_s).AnswerSaveDiscardCancel(Asker::Choice::Discard);
    Click(u"cmdTU"_s);
    probe::Find<QAction>(window, u"mnuClose"_s)->trigger();
    EXPECT_EQ(Caption(u"cmdTU"_s), u"80"_s);

    std::optional<QByteArray> onDisk = testfiles::Read(install.Paths().exePath);
    ASSERT_TRUE(onDisk);
    (*onDisk)[GetParam().sectoidFlying + 1] = char(77);
    ASSERT_TRUE(testfiles::Overwrite(install.Paths().exePath, *onDisk));
    ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete);

    EXPECT_EQ(Caption(u"cmdTU"_s), u"77"_s);
    EXPECT_TRUE(probe::Find<QPushButton>(window, u"cmdTU"_s)->isEnabled());
    probe::Tabs(window).setCurrentIndex(3);
    asker.Answer(u"81"_s);
    Click(u"cmdTU"_s);
    EXPECT_EQ(Caption(u"cmdTU"_s), u"81"_s);
}

INSTANTIATE_TEST_SUITE_P(AllBuilds, UnitEditorInWindow,
                         ::testing::Values(Build{GameVersion::CollectorsEdition, 480420},
                                           Build{GameVersion::Dos12, 398008}, Build{GameVersion::Dos14, 380004}),
                         [](const auto& info) { return gameversion::ShortName(info.param.version).toStdString(); });

} // namespace
