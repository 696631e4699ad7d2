// The "Facility Editor" tab on sample installs: what a choice shows, and what each edit writes.
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "support/TestFiles.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <map>

using namespace Qt::StringLiterals;

namespace {

constexpr int LivingQuarters = 1, Laboratory = 2, LaserDefense = 9, Hangar = 16;
const QString Values[] = {u"cmdPrice"_s, u"cmdDays"_s, u"cmdUpkeep"_s, u"cmdStrength"_s, u"cmdRatio"_s};

class FacilityEditor : public ::testing::TestWithParam<GameVersion> {
protected:
    // Bytes patched into the executable on disk first, as a game file could hold them.
    void Load(const std::map<qsizetype, char>& patch = {})
    {
        original = testfiles::Read(install.Paths().exePath).value_or(QByteArray());
        for (const auto& [offset, value] : patch)
            original[offset] = value;
        ASSERT_TRUE(testfiles::Overwrite(install.Paths().exePath, original));
        ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete);
        window.show();
        probe::Tabs(window).setCurrentIndex(1);
    }
    void Choose(int type) { drive::Choose(window, u"cmbType"_s, type); }
    void Click(const QString& name) { drive::Click(window, name); }
    QString Caption(const QString& name) const { return probe::Find<QPushButton>(window, name)->text(); }
    bool Checked(const QString& name) const { return probe::Find<QRadioButton>(window, name)->isChecked(); }
    QByteArray Saved()
    {
        probe::Find<QAction>(window, u"mnuSave"_s)->trigger();
        return testfiles::Read(install.Paths().exePath).value_or(QByteArray());
    }

    InstallFixture install{GetParam()};
    ScriptedAsker asker;
    MainWindow window{asker};
    QByteArray original;
};

struct HangarOffsets {
    qsizetype costLow;
    qsizetype flag;
};

HangarOffsets HangarIn(GameVersion version)
{
    switch (version) {
    case GameVersion::CollectorsEdition: return {460610, 460620};
    case GameVersion::Dos12: return {374498, 374508};
    case GameVersion::Dos14: return {356490, 356500};
    case GameVersion::None: break;
    }
    return {};
}

// Every field and both options of the Hangar, then the whole file against the original:
// positions 4, 5, 9 and 11 to 15 of the record, and everything outside it, stay as they were.
TEST_P(FacilityEditor, HangarEditsLandInItsRecordOnly)
{
    Load();
    Choose(Hangar);
    for (const char* answer : {"1,234", "256", "255", "201", "28671", "101", "100"})
        asker.Answer(QString::fromLatin1(answer));
    for (const QString& button : Values)
        Click(button);

    const QString shown[] = {u"1,234"_s, u"255"_s, u"201"_s, u"28,671"_s, u"100"_s};
    for (int field = 0; field < 5; ++field)
        EXPECT_EQ(Caption(Values[field]), shown[field]);
    const auto& boxes = asker.ShownDialogs();
    ASSERT_EQ(boxes.size(), 7u);
    EXPECT_EQ(boxes[2].text, u"Enter the amount you would like to have.\n(Remember, the number cannot exceed 255)."_s);
    EXPECT_EQ(boxes[6].text, u"Enter the amount you would like to have.\n(Remember, the number cannot exceed 100%)."_s);

    const HangarOffsets at = HangarIn(GetParam());
    Click(u"optYes"_s);
    EXPECT_EQ(Saved()[at.flag], 4);
    Click(u"optNo"_s);
    const QByteArray saved = Saved();
    const std::map<qsizetype, int> expected = {
        {at.costLow, 0xD2}, {at.costLow + 1, 0x04}, {at.costLow + 2, 255}, {at.costLow + 3, 201},
        {at.costLow + 6, 0xFF}, {at.costLow + 7, 0x6F}, {at.costLow + 8, 100}, {at.flag, 0},
    };
    std::map<qsizetype, int> changed;
    for (qsizetype offset = 0; offset < saved.size(); ++offset) {
        if (saved[offset] != original[offset])
            changed[offset] = std::uint8_t(saved[offset]);
    }
    EXPECT_EQ(changed, expected);  // the sample's Hangar is standard, so No changes its flag
}

INSTANTIATE_TEST_SUITE_P(AllBuilds, FacilityEditor,
                         ::testing::Values(GameVersion::CollectorsEdition, GameVersion::Dos12, GameVersion::Dos14));

using CollectorsFacilityEditor = FacilityEditor;
INSTANTIATE_TEST_SUITE_P(CollectorsEdition, CollectorsFacilityEditor, ::testing::Values(GameVersion::CollectorsEdition));

TEST_P(CollectorsFacilityEditor, LaserDefenseWritesItsOwnStandardValues)
{
    Load();
    Choose(LaserDefense);
    Click(u"optNo"_s);
    EXPECT_EQ(Saved()[460508], 10);
    Click(u"optYes"_s);
    EXPECT_EQ(Saved()[460508], 14);
}

// Living Quarters' record starts at 460370.
TEST_P(CollectorsFacilityEditor, ShowsSignedGroupedAmountsAndMirrorsTheFlagWithoutWriting)
{
    Load({{460370, char(0xDC)}, {460371, 0x05}, {460376, 0x40}, {460377, char(0x9C)}, {460380, 6}});
    Choose(LivingQuarters);
    EXPECT_EQ(Caption(u"cmdPrice"_s), u"1,500"_s);
    EXPECT_EQ(Caption(u"cmdStrength"_s), u"-25,536"_s);
    EXPECT_TRUE(Checked(u"optNo"_s));
    asker.Answer(QString());
    Click(u"cmdStrength"_s);
    EXPECT_EQ(Caption(u"cmdStrength"_s), u"-25,536"_s);
    EXPECT_EQ(Saved(), original);

    Choose(Laboratory);  // standard to build in the sample
    EXPECT_TRUE(Checked(u"optYes"_s));
}

TEST_P(CollectorsFacilityEditor, AfterCloseTheValuesWaitForANewChoice)
{
    Load();
    Choose(Hangar);
    probe::Find<QAction>(window, u"mnuClose"_s)->trigger();
    ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete);
    for (const QString& button : Values) {
        EXPECT_FALSE(probe::Find<QPushButton>(window, button)->isEnabled()) << button.toStdString();
        EXPECT_EQ(Caption(button), QString()) << button.toStdString();
    }
    Choose(Hangar);
    EXPECT_TRUE(probe::Find<QPushButton>(window, u"cmdRatio"_s)->isEnabled());
    EXPECT_EQ(Caption(u"cmdPrice"_s), u"200"_s);
}

// Without a Close, a load shows the chosen type again, from the new executable.
TEST_P(CollectorsFacilityEditor, ReloadShowsTheChosenTypeAfresh)
{
    Load();
    Choose(Hangar);
    Load({{460610, char(0xDC)}, {460611, 0x05}});
    EXPECT_EQ(Caption(u"cmdPrice"_s), u"1,500"_s);
}

} // namespace
