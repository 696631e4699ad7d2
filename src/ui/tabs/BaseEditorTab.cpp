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

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
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

// Six columns of facility names are wider than a small screen leaves beside the stores.
// There the grid scrolls sideways; where there is room it asks for all of it, as the grid
// alone would, so no scroll bar shows on a screen wide enough.
class GridArea final : public QScrollArea {
public:
    explicit GridArea(QWidget* grid, QWidget* parent)
        : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidget(grid);
    }

    [[nodiscard]] QSize sizeHint() const override { return widget()->sizeHint(); }
    [[nodiscard]] QSize minimumSizeHint() const override
    {
        return {QScrollArea::minimumSizeHint().width(),
                widget()->minimumSizeHint().height() + horizontalScrollBar()->sizeHint().height()};
    }
};

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

    auto* left = new QVBoxLayout;
    left->addWidget(ui.Label1);
    left->addWidget(CreateGrid(), 1);
    ui.lblVer = controls::Label(this, u"lblVer"_s);
    left->addWidget(ui.lblVer);

    ui.Label5 = controls::Label(this, u"Label5"_s, tr("Items in General Stores:"));
    ui.lstItems = controls::List(this, u"lstItems"_s, tr("A list of every item at the starting base."));
    ui.lstItems->setMinimumWidth(ui.lstItems->fontMetrics().averageCharWidth() * 34);
    ui.Label2 = controls::Label(this, u"Label2"_s, tr("Click on an item to edit the amount a player starts with."));
    ui.Label2->setWordWrap(true);

    auto* right = new QVBoxLayout;
    right->addWidget(CreateChangeFrame());
    ui.tblStores = new RecordTableView(Context(), stores::Layout.Name(), tr("Stores"), this);
    ui.tblStores->setObjectName(u"tblStores"_s);
    right->addWidget(new ViewSwitch(u"Stores"_s, ui.lstItems, ui.tblStores, ui.Label5, this), 1);
    right->addWidget(ui.Label2);

    // The grid gives way first: the stores keep their width on a narrow screen.
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
}

QWidget* BaseEditorTab::CreateGrid()
{
    auto* cells = new QWidget(this);
    auto* grid = new QGridLayout(cells);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    // Room for the widest facility caption over two more lines (a hangar quarter and its days).
    QPushButton widest(tr("Fusion Ball Defense\n(Bottom Right)\n255 Days"), this);
    const QSize cellSize = widest.sizeHint() + QSize(8, 8);
    for (int index = 0; index < basegrid::CellCount; ++index) {
        QPushButton* button = controls::Button(cells, u"Command%1"_s.arg(index + 1), QString());
        button->setMinimumSize(cellSize);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        ui.Command[std::size_t(index)] = button;
        grid->addWidget(button, index % basegrid::Rows, index / basegrid::Rows);
    }
    return new GridArea(cells, this);
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
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->lineEdit()->setReadOnly(true);
    }
    ui.cmdApply = controls::Button(ui.frmChange, u"cmdApply"_s, tr("&Apply"));
    ui.cmdCancel = controls::Button(ui.frmChange, u"cmdCancel"_s, tr("&Cancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ui.cmdApply);
    buttons->addWidget(ui.cmdCancel);

    auto* layout = new QVBoxLayout(ui.frmChange);
    layout->addWidget(ui.Label4);
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

void BaseEditorTab::UpdateBase()
{
    if (!Document().HasExecutable())
        return;
    for (int number = 1; number <= basegrid::CellCount; ++number) {
        ui.Command[std::size_t(number - 1)]->setText(CellCaption(Document().Working(GameFile::Executable),
                                                                 Document().Version(), basegrid::CellOfButton(number)));
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
    for (QPushButton* button : ui.Command)
        button->setText(QString());
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
