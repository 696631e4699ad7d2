// The "Soldier Names" tab: both name tables listed, and renaming an entry by double-click.
#include "ui/tabs/SoldierNamesTab.h"

#include "core/ByteAccess.h"
#include "core/CodePage.h"
#include "core/TableText.h"
#include "ui/tabs/Controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

SoldierNamesTab::SoldierNamesTab(EditorContext& context, QWidget* parent)
    : EditorTab(context, parent)
{
    CreateControls();
    ConnectControls();
}

void SoldierNamesTab::CreateControls()
{
    ui.lblName = controls::Label(this, u"lblName"_s);
    ui.lblName->setWordWrap(true);
    ui.Label13 = controls::Label(this, u"Label13"_s, tr("First Names"));
    ui.lstFirst = controls::List(this, u"lstFirst"_s);
    ui.Label12 = controls::Label(this, u"Label12"_s, tr("Last Names"));
    ui.lstLast = controls::List(this, u"lstLast"_s);

    auto* layout = new QGridLayout(this);
    layout->addWidget(ui.lblName, 0, 0, 1, 2);
    layout->addWidget(ui.Label13, 1, 0);
    layout->addWidget(ui.Label12, 1, 1);
    layout->addWidget(ui.lstFirst, 2, 0);
    layout->addWidget(ui.lstLast, 2, 1);
    layout->setRowStretch(2, 1);
}

void SoldierNamesTab::ConnectControls()
{
    connect(ui.lstFirst, &QListWidget::itemDoubleClicked, this, &SoldierNamesTab::lstFirst_DblClick);
    connect(ui.lstLast, &QListWidget::itemDoubleClicked, this, &SoldierNamesTab::lstLast_DblClick);
    controls::OnKeyActivated(ui.lstFirst, [this] { lstFirst_DblClick(); });
    controls::OnKeyActivated(ui.lstLast, [this] { lstLast_DblClick(); });
}

void SoldierNamesTab::ShowIntroduction()
{
    ui.lblName->setText(tr("This is a list of all the default soldier names. Double Click to edit.\n"
                           "I suggest using the same sex as the first name already is or you'll have men with "
                           "women's names and vice versa."));
}

void SoldierNamesTab::FillFirstNames()
{
    FillNames(ui.lstFirst, soldiernames::FirstNames);
}

void SoldierNamesTab::FillLastNames()
{
    FillNames(ui.lstLast, soldiernames::LastNames);
}

void SoldierNamesTab::lstFirst_DblClick()
{
    if (SelectSlot(ui.lstFirst, soldiernames::FirstNames, m_selectedFirstNameOffset))
        RenameFirstName();
}

void SoldierNamesTab::lstLast_DblClick()
{
    if (SelectSlot(ui.lstLast, soldiernames::LastNames, m_selectedLastNameOffset))
        RenameLastName();
}

// The list is rebuilt even when nothing was written, so no entry stays selected; a rename
// rebuilds it through DocumentChanged.
void SoldierNamesTab::RenameFirstName()
{
    if (!RenameSlot(soldiernames::FirstNames, m_selectedFirstNameOffset))
        FillFirstNames();
}

void SoldierNamesTab::RenameLastName()
{
    if (!RenameSlot(soldiernames::LastNames, m_selectedLastNameOffset))
        FillLastNames();
}

void SoldierNamesTab::FillNames(QListWidget* list, const TableLayout& table)
{
    const QSignalBlocker block(list);
    // A rename deep in the list should not send the user back to its top.
    const int scrolled = list->verticalScrollBar()->value();
    list->clear();
    if (!Document().HasExecutable())
        return;
    const QByteArray& exe = Document().Working(GameFile::Executable);
    for (int slot = 0; slot < table.recordCount; ++slot) {
        const std::optional<catalogue::Slot> name =
            catalogue::Locate(table, slot, table.fields.front(), Document().Version(), exe);
        list->addItem(name ? catalogue::Show(*name, exe) : QString());
    }
    list->verticalScrollBar()->setValue(scrolled);
}

bool SoldierNamesTab::SelectSlot(const QListWidget* list, const TableLayout& table, qsizetype& selectedOffset)
{
    const std::optional<int> row = controls::SelectedRow(list);
    if (row)
        selectedOffset = table.recordSize * *row;
    return row.has_value();
}

// Writes exactly the first 11 bytes of the slot: the new name, then zero bytes. A last
// name's twelfth byte is left as it was.
bool SoldierNamesTab::RenameSlot(const TableLayout& table, qsizetype slotOffset)
{
    const ShownRecord record{&table, int(slotOffset / table.recordSize)};
    const std::optional<QByteArray> name = AskValue(record, table.fields.front());
    return name && SubmitField(record, table.fields.front(), *name);
}

void SoldierNamesTab::SetFilesState(FilesState state)
{
    if (state != FilesState::Complete)
        return;
    FillFirstNames();
    FillLastNames();
}

void SoldierNamesTab::DocumentChanged(const Edit& edit)
{
    if (edit.Touches(soldiernames::FirstNames.Name()))
        FillFirstNames();
    if (edit.Touches(soldiernames::LastNames.Name()))
        FillLastNames();
}

bool SoldierNamesTab::Reveal(const Change& change)
{
    QListWidget* list = change.table == soldiernames::FirstNames.Name()  ? ui.lstFirst
                        : change.table == soldiernames::LastNames.Name() ? ui.lstLast
                                                                                    : nullptr;
    if (!list)
        return false;
    bool isNumber = false;
    const int row = change.record.toInt(&isNumber);
    if (isNumber)
        controls::ShowRow(list, row);
    return true;
}
