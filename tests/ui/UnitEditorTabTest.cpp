// The "Unit Editor" tab on a sample executable of each build, driven as a user would.
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "core/ByteAccess.h"
#include "sample/SampleInstall.h"
#include "support/ScriptedAsker.h"
#include "ui/tabs/UnitEditorTab.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <map>
#include <random>

using namespace Qt::StringLiterals;

namespace {

struct Build {
    GameVersion version;
    qsizetype unitStart;       // unit 0's flying flag
    qsizetype hoverTankTU;     // unit 32, position 1
    qsizetype sectoidFlying;   // unit 7, position 0
};

struct Field {
    QString control;
    qsizetype position;
    int limit;
};

const Field PlainFields[] = {
    {u"cmdTU"_s, 1, 255},    {u"cmdHealth"_s, 2, 255}, {u"cmdEnrg"_s, 3, 255},  {u"cmdReac"_s, 4, 255},
    {u"cmdStr"_s, 5, 100},   {u"cmdFirA"_s, 6, 100},   {u"cmdThrA"_s, 7, 100},  {u"cmdFrA"_s, 9, 255},
    {u"cmdLefA"_s, 10, 255}, {u"cmdRigA"_s, 11, 255},  {u"cmdReaA"_s, 12, 255}, {u"cmdUndA"_s, 13, 255},
    {u"cmdPsiSk"_s, 25, 100}, {u"cmdPsiSt"_s, 26, 100},
};
const QString PlainPrompt = u"Enter the amount you would like to have.\n(Remember, the number cannot exceed %1)."_s;
constexpr qsizetype Bravery = 27;
constexpr int SectoidSoldier = 7;

void PrintTo(const Build& build, std::ostream* os)
{
    *os << gameversion::ShortName(build.version).toStdString();
}

class UnitEditor : public ::testing::TestWithParam<Build> {
protected:
    void SetUp() override
    {
        GameFileSet loaded;
        loaded.Version = GetParam().version;
        loaded.ExeImage.Accept(sample::Executable(GetParam().version), u"ufo.exe"_s, u"."_s);
        document.Adopt(loaded);
        tab.FillUnitList();
        tab.show();
    }

    void Choose(int unit) { drive::Choose(tab, u"cmbUnit"_s, unit); }
    void Click(const QString& control) { drive::Click(tab, control); }
    QString Caption(const QString& control) const { return probe::TextOf(probe::Find<QPushButton>(tab, control)); }
    std::uint8_t Byte(qsizetype offset) const { return bytes::ReadU8(files.ExeImage.working, offset); }
    const QByteArray& Exe() const { return files.ExeImage.working; }
    void SetByte(qsizetype offset, std::uint8_t value)
    {
        ASSERT_TRUE(document.Apply({{}, {document.ChangeTo(GameFile::Executable, offset, QByteArray(1, char(value)))}}));
    }
    qsizetype Sectoid(qsizetype position) const { return GetParam().sectoidFlying + position; }

    GameDocument document;
    const GameFileSet& files = document.Files();
    EditHistory history{document};
    ScriptedAsker asker;
    EditorContext context{document, history, asker, {}, {}};
    UnitEditorTab tab{context};
};

TEST_P(UnitEditor, ValuesStayDisabledAndEmptyUntilAUnitIsChosen)
{
    const QString names[] = {u"cmdTU"_s, u"cmdBrav"_s, u"Frame1"_s, u"optYesU"_s, u"optNoU"_s};
    for (const QString& name : names) {
        EXPECT_FALSE(probe::Find<QWidget>(tab, name)->isEnabled()) << name.toStdString();
        EXPECT_EQ(probe::TextOf(probe::Find<QWidget>(tab, name)).isEmpty(), name.startsWith(u"cmd"_s));
    }
    EXPECT_FALSE(tab.SelectedUnitOffset());

    Choose(SectoidSoldier);
    for (const QString& name : names)
        EXPECT_TRUE(probe::Find<QWidget>(tab, name)->isEnabled()) << name.toStdString();
    EXPECT_EQ(Caption(u"cmdTU"_s), QString::number(Byte(Sectoid(1))));
    EXPECT_EQ(tab.SelectedUnitOffset(), 273);
}

TEST_P(UnitEditor, KeyboardChoosesUnits)
{
    auto* combo = probe::Find<QComboBox>(tab, u"cmbUnit"_s);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(tab.SelectedUnitOffset(), 0);
    QTest::keyClick(combo, Qt::Key_End);
    EXPECT_EQ(tab.SelectedUnitOffset(), 1248);
    EXPECT_EQ(Caption(u"cmdTU"_s), QString::number(Byte(GetParam().hoverTankTU)));
}

TEST_P(UnitEditor, HoverTankTimeUnits)
{
    Choose(32);
    asker.Answer(u"80"_s);
    Click(u"cmdTU"_s);
    EXPECT_EQ(Byte(GetParam().hoverTankTU), 80);
    EXPECT_EQ(Caption(u"cmdTU"_s), u"80"_s);
}

// Showing mirrors the flag and writes nothing; only a click writes, and only 1 or 0.
TEST_P(UnitEditor, FlyingOptionsWriteOnClickOnly)
{
    const qsizetype flag = GetParam().sectoidFlying;
    SetByte(flag, 2);
    const QByteArray before = Exe();
    Choose(SectoidSoldier);
    EXPECT_TRUE(probe::Find<QRadioButton>(tab, u"optNoU"_s)->isChecked());
    EXPECT_EQ(Exe(), before);

    Click(u"optYesU"_s);
    EXPECT_EQ(Byte(flag), 1);
    Click(u"optNoU"_s);
    EXPECT_EQ(Byte(flag), 0);
    Click(u"optYesU"_s);
    EXPECT_EQ(Byte(flag), 1);
    Choose(0);
    Choose(SectoidSoldier);
    EXPECT_TRUE(probe::Find<QRadioButton>(tab, u"optYesU"_s)->isChecked());
}

TEST_P(UnitEditor, PlainFieldsAskAgainAboveTheirLimit)
{
    Choose(SectoidSoldier);
    for (const Field& field : PlainFields) {
        SCOPED_TRACE(field.control.toStdString());
        const QString before = Caption(field.control);
        asker.Answer(QString::number(field.limit + 1)).Answer(QString::number(field.limit));
        const std::size_t shown = asker.ShownDialogs().size();
        Click(field.control);

        ASSERT_EQ(asker.ShownDialogs().size(), shown + 2);
        for (std::size_t i = shown; i < shown + 2; ++i) {
            const ScriptedAsker::Shown& dialog = asker.ShownDialogs()[i];
            EXPECT_EQ(dialog.title, u"Change Amount"_s);
            EXPECT_EQ(dialog.text, PlainPrompt.arg(field.limit));
            EXPECT_EQ(dialog.defaultAnswer, before);
        }
        EXPECT_EQ(Byte(Sectoid(field.position)), field.limit);
        EXPECT_EQ(Caption(field.control), QString::number(field.limit));
    }
}

TEST_P(UnitEditor, BraveryIsStoredAsACode)
{
    struct Case {
        QString answer;
        std::uint8_t code;
        QString shown;
    };
    const Case cases[] = {
        {u"110"_s, 0, u"110"_s}, {u"0"_s, 11, u"0"_s},    {u"35"_s, 8, u"30"_s},        {u"45"_s, 6, u"50"_s},
        {u"55"_s, 6, u"50"_s},   {u"65"_s, 4, u"70"_s},   {u"-4"_s, 11, u"0"_s},        {u"-5"_s, 12, u"-10"_s},
        {u"-2444"_s, 255, u"-2440"_s},
    };
    Choose(SectoidSoldier);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        asker.Answer(c.answer);
        Click(u"cmdBrav"_s);
        EXPECT_EQ(Byte(Sectoid(Bravery)), c.code);
        EXPECT_EQ(Caption(u"cmdBrav"_s), c.shown);
    }
    EXPECT_EQ(asker.ShownDialogs().back().text, u"Enter the amount you would like to have.\n"
                                                u"(Remember, the number cannot exceed 110).\n"
                                                u"The number must also be divisible by 10."_s);
}

// 111 exceeds the limit; -2445 and below would need a code above 255, which no byte holds.
TEST_P(UnitEditor, BraveryOutsideTheByteAsksAgainOfferingTheShownValue)
{
    SetByte(Sectoid(Bravery), 12);
    Choose(SectoidSoldier);
    EXPECT_EQ(Caption(u"cmdBrav"_s), u"-10"_s);
    asker.Answer(u"111"_s).Answer(u"-2445"_s).Answer(u"-1E999"_s).Answer(u"100"_s);
    Click(u"cmdBrav"_s);
    ASSERT_EQ(asker.ShownDialogs().size(), 4u);
    for (const ScriptedAsker::Shown& dialog : asker.ShownDialogs())
        EXPECT_EQ(dialog.defaultAnswer, u"-10"_s);
    EXPECT_EQ(Byte(Sectoid(Bravery)), 1);
}

TEST_P(UnitEditor, CancelLeavesBytesAndCaptions)
{
    Choose(SectoidSoldier);
    const QByteArray before = Exe();
    QStringList controls{u"cmdBrav"_s};
    for (const Field& field : PlainFields)
        controls << field.control;
    QStringList captions;
    for (const QString& control : controls)
        captions << Caption(control);

    for (const QString& control : controls) {
        asker.Answer(u"300"_s).Answer(QString());
        Click(control);
    }
    EXPECT_EQ(asker.ShownDialogs().size(), 2 * controls.size());
    EXPECT_EQ(Exe(), before);
    for (qsizetype i = 0; i < controls.size(); ++i)
        EXPECT_EQ(Caption(controls[i]), captions[i]);
}

// Whatever a user does on this tab, the executable changes only at the bytes addressed,
// so positions 8, 14-24 and 28-38 of every record keep their pristine bytes.
TEST_P(UnitEditor, EditsChangeOnlyTheAddressedBytes)
{
    std::mt19937 random(20240605);
    std::map<qsizetype, std::uint8_t> expected;
    for (int step = 0; step < 300; ++step) {
        const int unit = int(random() % 33);
        const qsizetype record = GetParam().unitStart + 39 * unit;
        Choose(unit);
        const unsigned action = random() % 17;
        if (action < 14) {
            const Field& field = PlainFields[action];
            const std::uint8_t value = std::uint8_t(random() % (field.limit + 1));
            asker.Answer(QString::number(value));
            Click(field.control);
            expected[record + field.position] = value;
        } else if (action == 14) {
            const int code = int(random() % 12);
            asker.Answer(QString::number(110 - 10 * code));
            Click(u"cmdBrav"_s);
            expected[record + Bravery] = std::uint8_t(code);
        } else {
            const bool yes = action == 15;
            Click(yes ? u"optYesU"_s : u"optNoU"_s);
            expected[record] = yes ? 1 : 0;
        }
    }
    QByteArray wanted = files.ExeImage.pristine;
    for (const auto& [offset, value] : expected)
        bytes::WriteU8(wanted, offset, value);
    EXPECT_EQ(Exe(), wanted);
}

INSTANTIATE_TEST_SUITE_P(AllBuilds, UnitEditor,
                         ::testing::Values(Build{GameVersion::CollectorsEdition, 480147, 481396, 480420},
                                           Build{GameVersion::Dos12, 397735, 398984, 398008},
                                           Build{GameVersion::Dos14, 379731, 380980, 380004}),
                         [](const auto& info) { return gameversion::ShortName(info.param.version).toStdString(); });

} // namespace
