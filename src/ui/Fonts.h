// The one typeface of every window.
#pragma once

#include <QFont>

namespace fonts {

// "Terminal", falling back to the system's fixed-width face where it is not installed.
[[nodiscard]] QFont TerminalFont(qreal pointSize = 0);

} // namespace fonts
