// The "Base Editor" tab: the starting base grid with its change frame, and the starting stores list.
#include "ui/tabs/BaseEditorTab.h"

#include "core/ByteAccess.h"
#include "core/TableText.h"
#include "core/ValuePrompt.h"
#include "tables/BaseGrid.h"
#include "tables/DayCounts.h"
#include "tables/FacilityCodes.h"
#include "tables/Stores.h"
#include "ui/RecordTableView.h"
#include "ui/ViewSwitch.h"
#include "ui/tabs/Controls.h"
#include "ui/tabs/GridCell.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The cell's facility and days bytes; -1 where the executable does not hold them.
CellOffsets CellSlots(const QByteArray& exe, GameVersion version, int cell)
{
    const auto offset = [&](const FieldDescription& field) {
        const std::optional<catalogue::Slot> slot = catalogue::Locate(basegrid::Layout, cell, field, version, exe);
        return slot ? slot->offset : qsizetype(-1);
    };
    return {offset(basegrid::FacilityField), offset(basegrid::DaysField)};
}

// The cells and choices in the interface's language; the tables keep the English names
// that change sets and CSV files use.
QString ShownFacility(std::uint8_t code)
{
    return Translated("Facilities", facilitycodes::FacilityCaption(code));
}

QString ShownOneLineFacility(std::uint8_t code)
{
    return ShownFacility(code).replace(u'\n', u' ');
}

QString ShownDays(int days)
{
    return days == 1 ? BaseEditorTab::tr("1 Day") : BaseEditorTab::tr("%1 Days").arg(days);
}

QString CellCaption(const QByteArray& exe, GameVersion version, int cell)
{
    const CellOffsets cellOffsets = CellSlots(exe, version, cell);
    const std::uint8_t code = bytes::ReadU8(exe, cellOffsets.facility);
    const std::uint8_t days = bytes::ReadU8(exe, cellOffsets.days);
    return ShownFacility(code) + u'\n' + ShownDays(days);
}

// Shows a cell's value as the box's text without it counting as a choice; the text
// stands even where no entry holds the value.
void ShowValue(QComboBox* combo, std::uint8_t value, const QString& text)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(combo->findData(int(value)));
    combo->setEditText(text);
}

} // namespace

BaseEditorTab::BaseEditorTab(EditorContext& context, QWidget* parent)
    : EditorTab(context, parent)
{
    CreateControls();
    ConnectControls();
}

void BaseEditorTab::CreateControls()
{
    ui.Label1 =
        controls::Label(this, u"Label1"_s, tr("This is the base that will be built when a new game is started. "));

    // Both halves share the width through a splitter, so neither needs a scroll bar.
    ui.splBase = new QSplitter(Qt::Horizontal, this);
    ui.splBase->setObjectName(u"splBase"_s);
    ui.splBase->setChildrenCollapsible(false);
    auto* leftSide = new QWidget(ui.splBase);
    auto* left = new QVBoxLayout(leftSide);
    left->setContentsMargins(0, 0, 0, 0);
    ui.Label1->setWordWrap(true);
    left->addWidget(ui.Label1);
    left->addWidget(CreateGrid(leftSide), 1);
    ui.lblVer = controls::Label(leftSide, u"lblVer"_s);
    left->addWidget(ui.lblVer);

    ui.Label5 = controls::Label(this, u"Label5"_s, tr("Items in General Stores:"));
    ui.lstItems = controls::List(this, u"lstItems"_s, tr("A list of every item at the starting base."));
    // Room for the longest line, "Fusion Ball Launchers - 0"; the splitter gives it more.
    ui.lstItems->setMinimumWidth(ui.lstItems->fontMetrics().averageCharWidth() * 28
                                 + ui.lstItems->verticalScrollBar()->sizeHint().width() + 4 * ui.lstItems->frameWidth());
    ui.Label2 = controls::Label(this, u"Label2"_s, tr("Click on an item to edit the amount a player starts with."));
    ui.Label2->setWordWrap(true);

    auto* rightSide = new QWidget(ui.splBase);
    auto* right = new QVBoxLayout(rightSide);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(CreateChangeFrame());
    ui.tblStores = new RecordTableView(Context(), stores::Layout.Name(), tr("Stores"), this);
    ui.tblStores->setObjectName(u"tblStores"_s);
    right->addWidget(new ViewSwitch(u"Stores"_s, ui.lstItems, ui.tblStores, ui.Label5, this), 1);
    right->addWidget(ui.Label2);

    ui.splBase->addWidget(leftSide);
    ui.splBase->addWidget(rightSide);
    // The grid gives way first: the stores keep their width on a narrow screen.
    ui.splBase->setStretchFactor(0, 1);
    ui.splBase->setStretchFactor(1, 0);
    // At first the stores have the width of their longest line and the grid the rest.
    ui.splBase->setSizes({QWIDGETSIZE_MAX, 0});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ui.splBase);
    SetTabOrder();
}

// Row by row as the grid reads, then the frame that edits the cell, then the stores.
void BaseEditorTab::SetTabOrder()
{
    QWidget* previous = nullptr;
    const auto next = [&previous](QWidget* widget) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    };
    for (int row = 0; row < basegrid::Rows; ++row) {
        for (int column = 0; column < basegrid::Columns; ++column)
            next(ui.Command[std::size_t(column * basegrid::Rows + row)]);
    }
    for (QWidget* widget : {static_cast<QWidget*>(ui.Combo1), static_cast<QWidget*>(ui.Combo2),
                            static_cast<QWidget*>(ui.cmdApply), static_cast<QWidget*>(ui.cmdCancel)})
        next(widget);
}

QWidget* BaseEditorTab::CreateGrid(QWidget* parent)
{
    auto* cells = new QWidget(parent);
    auto* grid = new QGridLayout(cells);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    // Room for the widest facility caption over two more lines (a hangar quarter and its
    // days) where the screen has it; the cells shrink where it has not.
    QPushButton widest(tr("Fusion Ball Defense\n(Bottom Right)\n255 Days"), this);
    const QSize cellSize = widest.sizeHint() + QSize(8, 8);
    for (int index = 0; index < basegrid::CellCount; ++index) {
        auto* button = new GridCell(cells);
        button->setObjectName(u"Command%1"_s.arg(index + 1));
        button->SetPreferredSize(cellSize);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        ui.Command[std::size_t(index)] = button;
        grid->addWidget(button, index % basegrid::Rows, index / basegrid::Rows);
    }
    return cells;
}

QGroupBox* BaseEditorTab::CreateChangeFrame()
{
    ui.frmChange = controls::Frame(this, u"frmChange"_s, QString());
    ui.Label4 = controls::Label(ui.frmChange, u"Label4"_s, tr("Facility Type:"));
    ui.Combo1 = controls::Combo(ui.frmChange, u"Combo1"_s, tr("Choose Facility Type"));
    ui.Label3 = controls::Label(ui.frmChange, u"Label3"_s, tr("Days Left:"));
    ui.Combo2 = controls::Combo(ui.frmChange, u"Combo2"_s, tr("Choose Days To Completion"));
    // The boxes must be able to show a cell's own text even where the list has no such
    // entry; only a choice from the list counts, so nothing can be typed into them.
    for (QComboBox* combo : {ui.Combo1, ui.Combo2}) {
        // Narrower than the longest facility name where the screen is small; the open
        // list shows the names whole.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(12);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->lineEdit()->setReadOnly(true);
    }
    ui.cmdApply = controls::Button(ui.frmChange, u"cmdApply"_s, tr("&Apply"));
    ui.cmdCancel = controls::Button(ui.frmChange, u"cmdCancel"_s, tr("&Cancel"));
    // The frame's title is the facility's name; this says where it stands.
    ui.lblCell = controls::Label(ui.frmChange, u"lblCell"_s);
    ui.lblCell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ui.cmdApply);
    buttons->addWidget(ui.cmdCancel);

    auto* top = new QHBoxLayout;
    top->addWidget(ui.Label4);
    top->addStretch(1);
    top->addWidget(ui.lblCell);
    auto* layout = new QVBoxLayout(ui.frmChange);
    layout->addLayout(top);
    layout->addWidget(ui.Combo1);
    layout->addWidget(ui.Label3);
    layout->addWidget(ui.Combo2);
    layout->addLayout(buttons);
    // The stores list below keeps its place while the frame comes and goes, with or
    // without a title (a cell of an unknown code has none).
    ui.frmChange->setTitle(u"Access Lift"_s);
    ui.frmChange->setMinimumHeight(ui.frmChange->sizeHint().height());
    ui.frmChange->setTitle(QString());
    QSizePolicy policy = ui.frmChange->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    ui.frmChange->setSizePolicy(policy);
    ui.frmChange->hide();
    return ui.frmChange;
}

void BaseEditorTab::ConnectControls()
{
    for (int number = 1; number <= basegrid::CellCount; ++number) {
        connect(ui.Command[std::size_t(number - 1)], &QPushButton::clicked, this,
                [this, number] { Command_Click(number); });
    }
    connect(ui.Combo1, &QComboBox::activated, this, &BaseEditorTab::Combo1_Click);
    connect(ui.Combo2, &QComboBox::activated, this, &BaseEditorTab::Combo2_Click);
    connect(ui.cmdApply, &QPushButton::clicked, this, &BaseEditorTab::cmdApply_Click);
    connect(ui.cmdCancel, &QPushButton::clicked, this, &BaseEditorTab::cmdCancel_Click);
    // As in the prompts: Return applies, Escape cancels, wherever the focus is in the frame.
    new QShortcut(QKeySequence(Qt::Key_Return), ui.frmChange, ui.cmdApply, &QPushButton::click,
                  Qt::WidgetWithChildrenShortcut);
    new QShortcut(QKeySequence(Qt::Key_Enter), ui.frmChange, ui.cmdApply, &QPushButton::click,
                  Qt::WidgetWithChildrenShortcut);
    new QShortcut(QKeySequence(Qt::Key_Escape), ui.frmChange, ui.cmdCancel, &QPushButton::click,
                  Qt::WidgetWithChildrenShortcut);
    ui.lstItems->viewport()->installEventFilter(this);
    controls::OnKeyActivated(ui.lstItems, [this] { lstItems_DblClick(); });
}

bool BaseEditorTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.lstItems->viewport() && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && ui.lstItems->isEnabled()) {
        lstItems_DblClick();
        return true;
    }
    return EditorTab::eventFilter(watched, event);
}

void BaseEditorTab::Command_Click(int number)
{
    ShowChangeFrame(basegrid::CellOfButton(number));
}

void BaseEditorTab::Combo1_Click(int index)
{
    m_change.PendingFacility = std::uint8_t(ui.Combo1->itemData(index).toInt());
}

void BaseEditorTab::Combo2_Click(int index)
{
    m_change.PendingDays = std::uint8_t(ui.Combo2->itemData(index).toInt());
}

void BaseEditorTab::cmdApply_Click()
{
    ApplyChange();
}

void BaseEditorTab::cmdCancel_Click()
{
    ui.frmChange->hide();
}

void BaseEditorTab::lstItems_DblClick()
{
    const int line = SelectedLine();
    bool written = false;
    if (line >= 0) {
        const stores::StoresEntry& entry = stores::StartingStoresTable[std::size_t(line)];
        if (entry.width == 1) {
            EditPersonnel(entry);
            return;
        }
        written = EditAmount(entry);
    }
    CloseStoresEdit(written);
}

// Applying without a choice writes the cell's own values back.
void BaseEditorTab::ShowChangeFrame(int cell)
{
    if (!Document().HasExecutable())
        return;
    const GameVersion version = Document().Version();
    const QByteArray& exe = Document().Working(GameFile::Executable);
    m_change.SelectedCell = CellSlots(exe, version, cell);
    m_change.cell = cell;
    m_change.PendingFacility = bytes::ReadU8(exe, m_change.SelectedCell.facility);
    m_change.PendingDays = bytes::ReadU8(exe, m_change.SelectedCell.days);
    ui.frmChange->show();
    const QString name = ShownOneLineFacility(m_change.PendingFacility);
    ui.frmChange->setTitle(name);
    ui.lblCell->setText(tr("Cell %1").arg(basegrid::CellName(cell)));
    ShowValue(ui.Combo1, m_change.PendingFacility, name);
    ShowValue(ui.Combo2, m_change.PendingDays, ShownDays(m_change.PendingDays));
}

// Writes the cell's two bytes and nothing else: the other quarters of a hangar stay as they are.
void BaseEditorTab::ApplyChange()
{
    if (!Document().HasExecutable() || m_change.SelectedCell.facility < 0)
        return;
    if (m_change.PendingFacility == facilitycodes::Empty)
        m_change.PendingDays = daycounts::EmptyCellDays;
    const ShownRecord cell{&basegrid::Layout, m_change.cell};
    const std::optional<catalogue::Slot> facilitySlot = Locate(cell, basegrid::FacilityField);
    const std::optional<catalogue::Slot> daysSlot = Locate(cell, basegrid::DaysField);
    if (!facilitySlot || !daysSlot)
        return;
    const QByteArray& exe = Document().Working(GameFile::Executable);
    const QString facility = ShownOneLineFacility(m_change.PendingFacility);
    const QString days = ShownDays(m_change.PendingDays);
    Submit({tr("base %1: %2, %3").arg(basegrid::CellName(m_change.cell), facility, days),
            {catalogue::ChangeAt(*facilitySlot, exe, QByteArray(1, char(m_change.PendingFacility))),
             catalogue::ChangeAt(*daysSlot, exe, QByteArray(1, char(m_change.PendingDays)))}});
    ui.frmChange->hide();
    ResetChoices();
    Context().enableSave();
}

// The first entries, chosen as from the lists, so the pending values follow them.
void BaseEditorTab::ResetChoices()
{
    {
        const QSignalBlocker blockFacilities(ui.Combo1);
        const QSignalBlocker blockDays(ui.Combo2);
        ui.Combo1->setCurrentIndex(0);
        ui.Combo2->setCurrentIndex(0);
    }
    Combo1_Click(0);
    Combo2_Click(0);
}

int BaseEditorTab::SelectedLine() const
{
    const int line = controls::SelectedRow(ui.lstItems).value_or(-1);
    return line < int(stores::StartingStoresTable.size()) ? line : -1;
}

// A cancelled box leaves the list and its selection, and the tab strip, as they were.
void BaseEditorTab::EditPersonnel(const stores::StoresEntry& entry)
{
    const int current = stores::StoredAmount(Document().Working(GameFile::Executable), Document().Version(), entry);
    const std::optional<std::uint8_t> accepted =
        PromptByte(Context().asker, std::uint8_t(current), stores::PersonnelPrompt);
    if (!accepted)
        return;
    CloseStoresEdit(SubmitAmount(entry, QByteArray(1, char(*accepted))));
}

bool BaseEditorTab::EditAmount(const stores::StoresEntry& entry)
{
    const int current = stores::StoredAmount(Document().Working(GameFile::Executable), Document().Version(), entry);
    const std::optional<std::uint16_t> accepted =
        PromptWordEnableSave(Context().asker, std::uint16_t(current), Context().enableSave);
    return accepted && SubmitAmount(entry, bytes::U16LE(*accepted));
}

bool BaseEditorTab::SubmitAmount(const stores::StoresEntry& entry, const QByteArray& after)
{
    return SubmitField({&stores::Layout, entry.index}, stores::AmountField, after);
}

void BaseEditorTab::DocumentChanged(const Edit& edit)
{
    if (edit.Touches(basegrid::Layout.Name()))
        UpdateBase();
    if (edit.Touches(stores::Layout.Name()))
        UpdateItemsList();
}

bool BaseEditorTab::Reveal(const Change& change)
{
    if (change.table == basegrid::Layout.Name())
        return true;
    if (change.table != stores::Layout.Name())
        return false;
    for (const stores::StoresEntry& entry : stores::StartingStoresTable) {
        if (stores::RecordName(entry) == change.record)
            controls::ShowRow(ui.lstItems, entry.index);
    }
    return true;
}

// The list is rebuilt after every prompt that ends here, a cancelled amount's too, so no
// line stays selected; a written amount has rebuilt it already, through DocumentChanged.
void BaseEditorTab::CloseStoresEdit(bool rebuilt)
{
    Context().showFirstTab();
    if (!rebuilt)
        UpdateItemsList();
}

void BaseEditorTab::FillChoiceLists()
{
    const QSignalBlocker blockFacilities(ui.Combo1);
    const QSignalBlocker blockDays(ui.Combo2);
    ui.Combo1->clear();
    for (const std::uint8_t code : facilitycodes::ChoiceOrder)
        ui.Combo1->addItem(ShownOneLineFacility(code), int(code));
    ui.Combo2->clear();
    for (const std::uint8_t days : daycounts::Choices)
        ui.Combo2->addItem(ShownDays(days), int(days));
    ui.Combo1->setCurrentIndex(0);
    ui.Combo2->setCurrentIndex(0);
}

void BaseEditorTab::UpdateItemsList()
{
    const QSignalBlocker blocker(ui.lstItems);
    ui.lstItems->clear();
    if (!Document().HasExecutable())
        return;
    for (const stores::StoresEntry& entry : stores::StartingStoresTable) {
        ui.lstItems->insertItem(entry.index,
                                stores::LineText(Document().Working(GameFile::Executable), Document().Version(), entry));
    }
}

// A cell may be too narrow for its caption, so the tool tip holds all of it; a screen
// reader hears the cell's place first.
void BaseEditorTab::UpdateBase()
{
    if (!Document().HasExecutable())
        return;
    const QByteArray& exe = Document().Working(GameFile::Executable);
    for (int number = 1; number <= basegrid::CellCount; ++number) {
        const int cell = basegrid::CellOfButton(number);
        const QString caption = CellCaption(exe, Document().Version(), cell);
        QPushButton* button = ui.Command[std::size_t(number - 1)];
        button->setText(caption);
        button->setToolTip(caption);
        button->setAccessibleName(
            u"%1: %2"_s.arg(basegrid::CellName(cell), caption.split(u'\n').join(u", "_s)));
    }
}

void BaseEditorTab::SetFilesState(FilesState state)
{
    const bool loaded = state != FilesState::None;
    ShowVersion(loaded ? gameversion::Caption(Document().Version()) : QString());
    SetGridEnabled(loaded);
    SetStoresEnabled(loaded);
    HideChangeFrame();
    if (loaded) {
        UpdateItemsList();
        UpdateBase();
    } else {
        ClearStores();
        ClearGridCaptions();
    }
}

void BaseEditorTab::SetGridEnabled(bool enabled)
{
    for (QPushButton* button : ui.Command)
        button->setEnabled(enabled);
}

void BaseEditorTab::ClearGridCaptions()
{
    for (QPushButton* button : ui.Command) {
        button->setText(QString());
        button->setToolTip(QString());
        button->setAccessibleName(QString());
    }
}

void BaseEditorTab::SetStoresEnabled(bool enabled)
{
    ui.lstItems->setEnabled(enabled);
}

void BaseEditorTab::ClearStores()
{
    ui.lstItems->clear();
}

void BaseEditorTab::HideChangeFrame()
{
    ui.frmChange->hide();
}

void BaseEditorTab::ShowVersion(const QString& caption)
{
    ui.lblVer->setText(caption);
}
