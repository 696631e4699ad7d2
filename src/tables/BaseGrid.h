// The starting base: 36 facility codes, then 36 days-left counts, cell k = 6 * row + column.
#pragma once

#include "tables/FieldDescription.h"
#include "tables/TableLayout.h"

#include <QString>

#include <array>

namespace basegrid {

inline constexpr VersionOffsets Start = {
    455134,  // 0x6F1DE
    391894,  // 0x5FAD6
    373886,  // 0x5B47E
};
inline constexpr int Rows = 6;
inline constexpr int Columns = 6;
inline constexpr int CellCount = Rows * Columns;
inline constexpr qsizetype Size = 2 * CellCount;

// A cell's two bytes, counted from its facility byte.
inline constexpr std::array<FieldDescription, 2> Fields = {{
    {KESTREL_TR_NOOP("Tables", "Facility"), KESTREL_TR_NOOP("Tables", "Facility"), FieldKind::BaseFacility, 0},
    {KESTREL_TR_NOOP("Tables", "Days"), KESTREL_TR_NOOP("Tables", "Days"), FieldKind::BaseDays, CellCount},
}};
inline constexpr const FieldDescription& FacilityField = Fields[0];
inline constexpr const FieldDescription& DaysField = Fields[1];

// The grid buttons are numbered down the columns, while cells run along the rows:
// button N stands in column (N - 1) / 6 and row (N - 1) % 6.
[[nodiscard]] constexpr int CellOfButton(int number)
{
    const int row = (number - 1) % Rows;
    const int column = (number - 1) / Rows;
    return Columns * row + column;
}

// A cell as the user finds it on the grid: "R1C1" at the top left to "R6C6".
[[nodiscard]] inline QString CellName(int cell)
{
    return QStringLiteral("R%1C%2").arg(cell / Columns + 1).arg(cell % Columns + 1);
}

// A cell is a record of one byte; its days lie a whole grid after its facility.
inline constexpr TableLayout Layout = {
    u"base", GameFile::Executable, Start, 1, CellCount, Size, Fields, &CellName,
};

} // namespace basegrid
