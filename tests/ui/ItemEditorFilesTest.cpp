// The "Item Editor" tab in the main window: edits saved to obdata.dat, and a chosen
// record after the game files are loaded again.
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class ItemEditorFiles : public ::testing::TestWithParam<GameVersion> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(install.IsValid());
        window.resize(1000, 800);
        window.show();
    }

    void Load(const QString& exePath)
    {
        asker.AnswerOpenFile(exePath);
        probe::Find<QAction>(window, u"mnuOpen"_s)->trigger();
        probe::Tabs(window).setCurrentIndex(4);
    }

    QListWidget& List() { return *probe::Find<QListWidget>(window, u"lstItem"_s); }
    QPushButton& Button(const QString& name) { return *probe::Find<QPushButton>(window, name); }

    void Choose(int row) { drive::DoubleClickRow(window, u"lstItem"_s, row); }

    InstallFixture install{GetParam()};
    ScriptedAsker asker;
    MainWindow window{asker};
};

TEST_P(ItemEditorFiles, SaveWritesTheEditedRecordAndBacksUpTheLoadedOne)
{
    const QString itemsPath = install.Paths().items;
    const std::optional<QByteArray> loaded = testfiles::Read(itemsPath);
    ASSERT_TRUE(loaded);
    Load(install.Paths().exePath);
    Choose(79);
    asker.Answer(u"99"_s).Answer(u"Rifle"_s);
    Button(u"cmdDamage"_s).click();
    Button(u"cmdName"_s).click();
    probe::Find<QRadioButton>(window, u"optLaser"_s)->click();
    probe::Find<QAction>(window, u"mnuSave"_s)->trigger();

    QByteArray expected = *loaded;
    expected.replace(4266, 20, QByteArray("Rifle") + QByteArray(15, '\0'));
    expected[4288] = char(99);
    expected[4297] = char(3);
    EXPECT_EQ(testfiles::Read(itemsPath), expected);
    EXPECT_EQ(testfiles::Read(install.Paths().geodata + u"/obdata.bak"_s), loaded);
}

// The buttons must not keep showing the earlier table's values once another is loaded.
TEST_P(ItemEditorFiles, ReloadShowsTheChosenRecordFromTheNewTable)
{
    const std::optional<SamplePaths> other = install.AddInstall(u"other"_s, GetParam());
    ASSERT_TRUE(other);
    std::optional<QByteArray> table = testfiles::Read(other->items);
    ASSERT_TRUE(table);
    table->replace(4 * 54, 20, QByteArray("MASS DRIVER").leftJustified(20, '\0'));
    (*table)[4 * 54 + 26] = char(77);
    (*table)[4 * 54 + 31] = char(5);
    ASSERT_TRUE(testfiles::Overwrite(other->items, *table));

    Load(install.Paths().exePath);
    Choose(4);
    EXPECT_EQ(Button(u"cmdAmmo1"_s).text(), u"5"_s);
    Load(other->exePath);

    ASSERT_EQ(List().count(), 80);
    EXPECT_EQ(List().item(4)->text(), u"MASS DRIVER"_s);
    EXPECT_EQ(Button(u"cmdName"_s).text(), u"MASS DRIVER"_s);
    EXPECT_EQ(Button(u"cmdAmmo1"_s).text(), u"77"_s);
    EXPECT_TRUE(probe::Find<QRadioButton>(window, u"optStun"_s)->isChecked());
    EXPECT_TRUE(Button(u"cmdAmmo1"_s).isEnabled());
}

INSTANTIATE_TEST_SUITE_P(AllBuilds, ItemEditorFiles,
                         ::testing::Values(GameVersion::CollectorsEdition, GameVersion::Dos12, GameVersion::Dos14),
                         [](const auto& info) { return gameversion::ShortName(info.param).toStdString(); });

} // namespace
