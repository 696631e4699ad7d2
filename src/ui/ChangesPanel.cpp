// The Changes panel: a table of differences and the buttons that take them back.
#include "ui/ChangesPanel.h"

#include "ui/ChangesModel.h"
#include "ui/EditHistory.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

using namespace Qt::StringLiterals;

ChangesPanel::ChangesPanel(const GameDocument& document, EditHistory& history, QWidget* parent)
    : QDockWidget(parent)
    , m_history(history)
    , m_model(new ChangesModel(document, this))
{
    setObjectName(u"dockChanges"_s);
    auto* content = new QWidget(this);
    m_view = new QTableView(content);
    m_view->setObjectName(u"tblChanges"_s);
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setTextElideMode(Qt::ElideRight);
    m_view->verticalHeader()->hide();
    // A line as tall as its text: the style's default fits only a few lines in a panel.
    const int rowHeight = m_view->fontMetrics().height() + 4;
    m_view->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_view->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_view->setAccessibleName(tr("Changes"));
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setWordWrap(false);
    // Widths for the usual names rather than measured from every line: thousands of
    // lines would be measured again after every edit.
    const int character = m_view->fontMetrics().averageCharWidth();
    const int widths[] = {14, 24, 22, 18};
    for (int column = 0; column < int(std::size(widths)); ++column)
        m_view->setColumnWidth(column, character * widths[column]);
    m_revert = new QPushButton(tr("&Revert"), content);
    m_revert->setObjectName(u"cmdRevert"_s);
    m_revert->setToolTip(tr("Put the selected lines back to their values as loaded."));
    // Alt+A is the frames' Apply and Alt+V the View menu; a shared letter would only cycle
    // the focus.
    m_revertAll = new QPushButton(tr("Revert A&ll"), content);
    m_revertAll->setObjectName(u"cmdRevertAll"_s);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_revert);
    buttons->addWidget(m_revertAll);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    setWidget(content);

    connect(m_revert, &QPushButton::clicked, this, &ChangesPanel::RevertSelected);
    connect(m_revertAll, &QPushButton::clicked, this, &ChangesPanel::RevertAll);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ChangesPanel::UpdateTitle);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ChangesPanel::UpdateRevert);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ChangesPanel::UpdateRevert);
    connect(m_view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { emit RevealRequested(m_model->Line(index.row()).revert); });
    UpdateTitle();
    UpdateRevert();
}

int ChangesPanel::UsefulContentHeight() const
{
    constexpr int UsefulLines = 8;
    const QLayout* layout = widget()->layout();
    const QMargins margins = layout->contentsMargins();
    const int view = 2 * m_view->frameWidth() + m_view->horizontalHeader()->sizeHint().height()
                     + UsefulLines * m_view->verticalHeader()->defaultSectionSize()
                     + m_view->horizontalScrollBar()->sizeHint().height();
    return margins.top() + view + layout->spacing() + m_revert->sizeHint().height() + margins.bottom();
}

void ChangesPanel::UpdateTitle()
{
    setWindowTitle(tr("Changes (%1)").arg(m_model->rowCount()));
    // A dock gives its menu entry its title; the entry keeps its own caption and shortcut letter.
    toggleViewAction()->setText(tr("&Changes"));
    m_revertAll->setEnabled(m_model->rowCount() > 0);
}

void ChangesPanel::UpdateRevert()
{
    m_revert->setEnabled(m_view->selectionModel()->hasSelection());
}

void ChangesPanel::RevertSelected()
{
    std::set<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    std::vector<Change> reverts;
    for (const int row : rows)
        reverts.push_back(m_model->Line(row).revert);
    if (reverts.empty())
        return;
    const QString text = reverts.size() == 1 ? tr("Revert %1: %2").arg(reverts.front().record, reverts.front().field)
                                             : tr("Revert %1 changes").arg(reverts.size());
    m_history.Submit(changes::InApplyOrder(text, std::move(reverts)));
}

void ChangesPanel::RevertAll()
{
    std::vector<Change> reverts;
    for (int row = 0; row < m_model->rowCount(); ++row)
        reverts.push_back(m_model->Line(row).revert);
    if (!reverts.empty())
        m_history.Submit(changes::InApplyOrder(tr("Revert All"), std::move(reverts)));
}
