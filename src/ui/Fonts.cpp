// The Terminal face with a sensible fallback on systems that lack it.
#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace fonts {

QFont TerminalFont(qreal pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Listing the fixed-width family second keeps the look when "Terminal" is missing;
    // the style hint alone lets some font configurations pick a proportional face.
    font.setFamilies(QStringList{QStringLiteral("Terminal"), font.family()});
    font.setStyleHint(QFont::Monospace);
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    return font;
}

} // namespace fonts
