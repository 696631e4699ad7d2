// The main window's size and position, kept with QSettings from one run to the next.
#pragma once

class QWidget;

namespace placement {

// Puts the window where it was when the program last ended; does nothing the first time.
void Restore(QWidget& window);
void Save(const QWidget& window);

} // namespace placement
