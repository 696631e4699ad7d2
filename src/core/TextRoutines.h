// The number and character texts shared by the editors' views.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace modEdit {

// Puts "," between groups of three digits of a whole number's decimal form: 4 to 10
// characters when positive, 5 to 11 with a leading "-" when not. Any other text, 0
// included, comes back unchanged.
[[nodiscard]] QString GroupThousands(const QString& text);

// Makes the hexadecimal form of a byte two digits: "" → "00", "F" → "0F".
[[nodiscard]] QString PadHex2(const QString& text);

// The byte of a one-character text in the game's code page; 0 for an empty text, a text
// of two or more characters, or a character the code page cannot hold.
[[nodiscard]] int CharCode(QStringView text);

// A 16-bit field read as signed: above 32767 counts down from 65536.
[[nodiscard]] int ToSigned16(int value);

// Outside text (a name from a change set, a cell, a file name) as a message quotes it:
// at most 60 characters, cut with "…", so no message box grows past the screen and no
// layout of a huge text holds up the window.
[[nodiscard]] QString Excerpt(QStringView text);

// A long list of problems cut so a message box still fits the screen: the first 20
// lines, then "… and N more".
[[nodiscard]] QString Listed(const QStringList& lines);

} // namespace modEdit
