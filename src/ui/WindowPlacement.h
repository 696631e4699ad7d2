// The main window's size and position, and where its panels stand and whether they are
// open, kept with QSettings from one run to the next.
#pragma once

class QMainWindow;

namespace placement {

// Puts the window and its panels where they were when the program last ended; does
// nothing the first time.
void Restore(QMainWindow& window);
void Save(const QMainWindow& window);

} // namespace placement
