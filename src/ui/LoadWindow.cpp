// The load progress window.
#include "ui/LoadWindow.h"

#include "ui/Fonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

LoadWindow::LoadWindow(std::function<void(const QStringList&)> showSkipped, QWidget* parent)
    : QDialog(parent)
    , m_showSkipped(std::move(showSkipped))
{
    setObjectName(u"frmLoad"_s);
    setWindowTitle(tr("Loading Files..."));
    setFont(fonts::TerminalFont());
    setModal(false);
    CreateControls();
    ConnectControls();
}

void LoadWindow::CreateControls()
{
    ui.lblLoad = new QLabel(this);
    ui.lblLoad->setObjectName(u"lblLoad"_s);
    ui.lblLoad->setTextFormat(Qt::PlainText);
    ui.lblComp = new QLabel(this);
    ui.lblComp->setObjectName(u"lblComp"_s);
    ui.lblComp->setTextFormat(Qt::PlainText);
    ui.lblComp->setWordWrap(true);
    ui.Command1 = new QPushButton(tr("OK"), this);
    ui.Command1->setObjectName(u"Command1"_s);
    ui.Command1->setDefault(true);
    ui.Command1->hide();

    // The progress line of a complete load is about a hundred characters; keep it on one line.
    const int lineWidth = fontMetrics().averageCharWidth() * 104;
    ui.lblLoad->setMinimumWidth(lineWidth);
    ui.lblComp->setMinimumHeight(fontMetrics().lineSpacing() * 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ui.Command1);
    // Keeps the window's height when the button appears.
    buttons->addStrut(ui.Command1->sizeHint().height());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ui.lblLoad);
    layout->addWidget(ui.lblComp);
    layout->addLayout(buttons);
}

void LoadWindow::ConnectControls()
{
    connect(ui.Command1, &QPushButton::clicked, this, &LoadWindow::close);
}

void LoadWindow::Begin()
{
    ui.lblComp->clear();
    ui.lblLoad->clear();
    ui.Command1->hide();
    show();
    raise();
}

void LoadWindow::Append(const QString& text)
{
    ui.lblLoad->setText(ui.lblLoad->text() + text);
}

void LoadWindow::SetStatus(const QString& text)
{
    ui.lblComp->setText(text);
}

void LoadWindow::Finish()
{
    ui.Command1->show();
    ui.Command1->setFocus();
}
