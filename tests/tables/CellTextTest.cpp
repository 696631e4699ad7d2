// Record table cells: each kind reads as the form shows it, and what a cell shows is taken
// back as the value it stands for, even where the prompt would refuse it as new.
#include "tables/CellText.h"

#include "core/ByteAccess.h"
#include "sample/SampleInstall.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Cell {
    QString table, record, field;
};

catalogue::Slot SlotOf(const Cell& cell, const QByteArray& bytes)
{
    const catalogue::Table* table = catalogue::FindTable(cell.table);
    return *catalogue::Locate(*table, *catalogue::FindRecord(*table, cell.record, bytes),
                              *catalogue::FindField(*table, cell.field), GameVersion::CollectorsEdition, bytes);
}

QByteArray FileOf(const Cell& cell)
{
    return sample::File(cell.table == u"items"_s ? GameFile::Items : GameFile::Executable,
                        GameVersion::CollectorsEdition);
}

TEST(CellText, EachKindReadsAsTheFormShowsIt)
{
    const struct {
        Cell cell;
        QString shown;
    } cases[] = {
        {{u"units"_s, u"Sectoid Soldier"_s, u"Time Units"_s}, u"54"_s},
        {{u"units"_s, u"Sectoid Soldier"_s, u"Bravery"_s}, u"80"_s},
        {{u"units"_s, u"Sectoid Soldier"_s, u"Flying Ability"_s}, u"No"_s},
        {{u"units"_s, u"Hover Tank"_s, u"Flying Ability"_s}, u"Yes"_s},
        {{u"facilities"_s, u"Grav Shield"_s, u"Construction Cost/$k"_s}, u"1,200"_s},
        {{u"facilities"_s, u"Hangar"_s, u"Construction Cost/$k"_s}, u"200"_s},
        {{u"facilities"_s, u"Access Lift"_s, u"Standard to Build"_s}, u"Yes"_s},
        {{u"stores"_s, u"Stingray Missiles"_s, u"Amount"_s}, u"25"_s},
        {{u"items"_s, u"2"_s, u"Name"_s}, u"RIFLE"_s},
        {{u"items"_s, u"2"_s, u"Ammo Type 1"_s}, u"3 RIFLE CLIP"_s},
        {{u"items"_s, u"2"_s, u"Ammo Type 2"_s}, u"255 none"_s},
        {{u"items"_s, u"3"_s, u"Damage Type"_s}, u"AP"_s},
        {{u"items"_s, u"20"_s, u"Damage Type"_s}, u"6"_s},  // a code without an option
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.cell.record + u" / "_s + c.cell.field).toStdString());
        const QByteArray bytes = FileOf(c.cell);
        EXPECT_EQ(cells::Text(SlotOf(c.cell, bytes), bytes, GameVersion::CollectorsEdition), c.shown);
    }
}

TEST(CellText, ReadsWhatACellShowsAndWholeValues)
{
    QByteArray items = sample::ItemFile();
    // An item whose name begins with digits: its ammo caption must not join them to the index.
    bytes::WriteFieldPadded(items, 7 * 54, 20, QByteArray("12 GAUGE"));
    const QByteArray exe = sample::Executable(GameVersion::CollectorsEdition);
    const struct {
        Cell cell;
        QString text;
        std::optional<QByteArray> bytes;
    } cases[] = {
        {{u"items"_s, u"2"_s, u"Ammo Type 1"_s}, u"3 RIFLE CLIP"_s, QByteArray(1, 3)},
        {{u"items"_s, u"2"_s, u"Ammo Type 2"_s}, u"255 none"_s, QByteArray(1, char(255))},  // as it stands
        {{u"items"_s, u"2"_s, u"Ammo Type 1"_s}, u"none"_s, QByteArray(1, char(255))},  // a named value, past no limit
        {{u"items"_s, u"2"_s, u"Ammo Type 1"_s}, u"7 12 GAUGE"_s, QByteArray(1, 7)},
        {{u"items"_s, u"2"_s, u"Ammo Type 1"_s}, u"rifle clip"_s, QByteArray(1, 3)},  // the one item of that name
        {{u"items"_s, u"2"_s, u"Ammo Type 1"_s}, u"RIFLE CLIPS"_s, std::nullopt},
        {{u"items"_s, u"2"_s, u"Ammo Type 1"_s}, u"1 2"_s, std::nullopt},  // no prompt reading outside the box
        {{u"items"_s, u"2"_s, u"Damage"_s}, u"abc"_s, std::nullopt},
        {{u"facilities"_s, u"Grav Shield"_s, u"Construction Cost/$k"_s}, u"1,500"_s, QByteArray("\xDC\x05", 2)},
        {{u"units"_s, u"Chryssalid Terrorist"_s, u"Strength"_s}, u"110"_s, QByteArray(1, 110)},  // as it stands
        {{u"units"_s, u"Sectoid Soldier"_s, u"Strength"_s}, u"110"_s, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.cell.record + u" / "_s + c.cell.field + u" = "_s + c.text).toStdString());
        const QByteArray& bytes = c.cell.table == u"items"_s ? items : exe;
        EXPECT_EQ(cells::Read(SlotOf(c.cell, bytes), c.text, bytes, GameVersion::CollectorsEdition,
                              catalogue::Limits::Form)
                      .bytes,
                  c.bytes);
    }
}

} // namespace
