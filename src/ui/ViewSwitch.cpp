// The form / table switch of the record tabs.
#include "ui/ViewSwitch.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// No mnemonic: Alt+F and Alt+T would clash with the menus and the tabs' own buttons.
QToolButton* SwitchButton(QWidget* parent, const QString& name, const QString& caption, const QString& toolTip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(toolTip);
    button->setCheckable(true);
    return button;
}

} // namespace

ViewSwitch::ViewSwitch(const QString& name, QWidget* form, QWidget* table, QWidget* caption, QWidget* parent)
    : QWidget(parent)
    , m_pages(new QStackedWidget(this))
{
    m_formButton = SwitchButton(this, u"opt%1Form"_s.arg(name), tr("Form"), tr("One record at a time."));
    m_tableButton = SwitchButton(this, u"opt%1Table"_s.arg(name), tr("Table"),
                                 tr("Every record at once: edit in place, sort, copy and paste."));
    auto* group = new QButtonGroup(this);
    group->addButton(m_formButton);
    group->addButton(m_tableButton);
    m_formButton->setChecked(true);

    m_pages->addWidget(form);
    m_pages->addWidget(table);

    // A row of their own, so the switch never widens the column it stands in.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_formButton);
    buttons->addWidget(m_tableButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    if (caption)
        layout->addWidget(caption);
    layout->addWidget(m_pages, 1);

    connect(m_formButton, &QToolButton::clicked, this, [this] { ShowTable(false); });
    connect(m_tableButton, &QToolButton::clicked, this, [this] { ShowTable(true); });
}

ViewSwitch* ViewSwitch::AroundTab(QWidget* tab, QLayout* formLayout, const QString& name, QWidget* table)
{
    auto* form = new QWidget(tab);
    formLayout->setContentsMargins(0, 0, 0, 0);
    form->setLayout(formLayout);
    auto* viewSwitch = new ViewSwitch(name, form, table, nullptr, tab);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(viewSwitch);
    return viewSwitch;
}

void ViewSwitch::ShowTable(bool table)
{
    (table ? m_tableButton : m_formButton)->setChecked(true);
    QWidget* page = m_pages->widget(table ? 1 : 0);
    m_pages->setCurrentWidget(page);
    if (table)
        page->setFocus();
}

bool ViewSwitch::ShowsTable() const
{
    return m_pages->currentIndex() == 1;
}
