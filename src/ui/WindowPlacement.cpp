// Keeping the main window's geometry and its panels' state under two QSettings keys.
#include "ui/WindowPlacement.h"

#include <QMainWindow>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

const QString GeometryKey = u"MainWindow/geometry"_s;
const QString PanelsKey = u"MainWindow/panels"_s;

} // namespace

namespace placement {

void Restore(QMainWindow& window)
{
    const QSettings settings;
    // restoreGeometry also pulls a window back onto the screen when the screen it was on
    // has gone since.
    const QByteArray geometry = settings.value(GeometryKey).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
    // Panels are found by objectName; one saved by another version that no longer exists
    // is skipped by Qt.
    const QByteArray panels = settings.value(PanelsKey).toByteArray();
    if (!panels.isEmpty())
        window.restoreState(panels);
}

void Save(const QMainWindow& window)
{
    QSettings settings;
    settings.setValue(GeometryKey, window.saveGeometry());
    settings.setValue(PanelsKey, window.saveState());
}

} // namespace placement
