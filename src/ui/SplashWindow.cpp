// The splash window: title, credits and disclaimer, closed by its timer or a click.
#include "ui/SplashWindow.h"

#include "core/Version.h"
#include "ui/Fonts.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    // Clicks on the labels must reach the window, which dismisses itself.
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

} // namespace

SplashWindow::SplashWindow(int intervalMs, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(u"frmOpen"_s);
    setWindowTitle(u"X-Com Kestrel"_s);
    setFont(fonts::TerminalFont());
    CreateControls();
    ui.Timer1->setInterval(intervalMs);
    ConnectControls();
}

void SplashWindow::CreateControls()
{
    ui.Label1 = NewLabel(this, u"Label1"_s, u"X-Com Kestrel\nversion " KESTREL_VERSION " beta"_s);
    QFont titleFont = font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    ui.Label1->setFont(titleFont);
    ui.Label2 = NewLabel(this, u"Label2"_s, tr("Written by the X-Com Kestrel developers."));
    ui.Label3 = NewLabel(this, u"Label3"_s, tr("Designed and tested by the X-Com Kestrel developers."));
    ui.Label4 = NewLabel(this, u"Label4"_s,
                         tr("This program edits the executable of X-Com itself. The author is not responsible for any "
                            "damage incurred during the use of this program."));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(12);
    layout->addWidget(ui.Label1);
    layout->addSpacing(12);
    layout->addWidget(ui.Label2);
    layout->addWidget(ui.Label3);
    layout->addSpacing(12);
    layout->addWidget(ui.Label4);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);

    ui.Timer1 = new QTimer(this);
    ui.Timer1->setObjectName(u"Timer1"_s);
    ui.Timer1->setSingleShot(true);
}

void SplashWindow::ConnectControls()
{
    connect(ui.Timer1, &QTimer::timeout, this, &SplashWindow::Dismiss);
}

void SplashWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Centred by hand: without a window manager nothing else would place it.
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    if (!m_dismissed && !ui.Timer1->isActive())
        ui.Timer1->start();
}

void SplashWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Dismiss();
}

void SplashWindow::Dismiss()
{
    if (m_dismissed)
        return;
    m_dismissed = true;
    ui.Timer1->stop();
    // The main window opens before this one closes, so the program never has no window.
    emit Dismissed();
    close();
}
