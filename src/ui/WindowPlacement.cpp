// Keeping the main window's geometry under one QSettings key.
#include "ui/WindowPlacement.h"

#include <QSettings>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

const QString SettingsKey = u"MainWindow/geometry"_s;

} // namespace

namespace placement {

void Restore(QWidget& window)
{
    // restoreGeometry also pulls a window back onto the screen when the screen it was on
    // has gone since.
    const QByteArray geometry = QSettings().value(SettingsKey).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
}

void Save(const QWidget& window)
{
    QSettings().setValue(SettingsKey, window.saveGeometry());
}

} // namespace placement
