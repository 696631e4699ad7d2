// The "String Editor" tab: lists both string tables, shows an entry, and replaces one
// entry by a text of any length, rebuilding its table buffer.
#include "ui/tabs/StringEditorTab.h"

#include "core/CodePage.h"
#include "core/DataFiles.h"
#include "core/TextRoutines.h"
#include "ui/tabs/Controls.h"
#include "ui/tabs/StringTableModel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTextDocument>
#include <QTextOption>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

// The characters of text that have no byte in the game's code page, each named once. A
// zero byte would end the entry early and shift the number of every entry after it.
// Named by code point: a character beyond U+FFFF is one surrogate pair, not two units.
QString UnstorableCharacters(const QString& text)
{
    QStringList named;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar unit = text.at(at);
        if (codepage::FromChar(unit) != 0)
            continue;
        char32_t codePoint = unit.unicode();
        if (unit.isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(unit, text.at(++at));
        const QString name = u"U+%1"_s.arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper();
        if (!named.contains(name))
            named.append(name);
    }
    return named.join(u", "_s);
}

// The show box's height, in lines.
constexpr int ShownLines = 5;
// Laying out text costs about a microsecond a character, so this many take a few
// milliseconds, well within a frame, and still fill many screens of the box.
constexpr qsizetype ShownChars = 4'000;

} // namespace

StringEditorTab::StringEditorTab(EditorContext& context, QWidget* parent)
    : EditorTab(context, parent)
{
    CreateControls();
    ConnectControls();
}

void StringEditorTab::CreateControls()
{
    ui.lblStringStuff = controls::Label(this, u"lblStringStuff"_s);
    ui.lblStringStuff->setWordWrap(true);
    ui.Label44 = controls::Label(this, u"Label44"_s, u"ENGLISH.DAT:"_s);
    ui.lstEng1 = CreateList(u"lstEng1"_s,
                            u"A list of strings in English.dat. Click to display text. Double click to edit."_s);
    ui.Label43 = controls::Label(this, u"Label43"_s, u"ENGLISH2.DAT:"_s);
    ui.lstEng2 = CreateList(u"lstEng2"_s,
                            u"A list of strings in English2.dat. Click to display text. Double click to edit."_s);
    ui.lblStrShow = CreateShowBox();

    auto* layout = new QGridLayout(this);
    layout->addWidget(ui.lblStringStuff, 0, 0, 1, 2);
    layout->addWidget(ui.Label44, 1, 0);
    layout->addWidget(ui.Label43, 1, 1);
    layout->addWidget(ui.lstEng1, 2, 0);
    layout->addWidget(ui.lstEng2, 2, 1);
    layout->addWidget(ui.lblStrShow, 3, 0, 1, 2);
    layout->addWidget(CreateEditFrame(), 4, 0, 1, 2);
    layout->setRowStretch(2, 1);
}

// A view over a model rather than a list of items: a table of 100,000 entries is listed
// by one split of its bytes, and only the rows on screen are ever decoded.
QListView* StringEditorTab::CreateList(const QString& name, const QString& toolTip)
{
    auto* list = new QListView(this);
    list->setObjectName(name);
    list->setToolTip(toolTip);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    list->setModel(new StringTableModel(list));
    return list;
}

// A read-only text box rather than a label: a label's narrowest width is its longest run
// without a blank, so one long entry would widen the window past the screen. The box
// breaks lines anywhere and scrolls within a few lines of its own.
QPlainTextEdit* StringEditorTab::CreateShowBox()
{
    auto* box = new QPlainTextEdit(this);
    box->setObjectName(u"lblStrShow"_s);
    box->setToolTip(u"This displays the string you currently have selected."_s);
    box->setReadOnly(true);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setFrameShape(QFrame::StyledPanel);
    const int margins = 2 * (box->frameWidth() + int(box->document()->documentMargin()));
    box->setFixedHeight(fontMetrics().lineSpacing() * ShownLines + margins);
    return box;
}

QGroupBox* StringEditorTab::CreateEditFrame()
{
    ui.frmStr = controls::Frame(this, u"frmStr"_s, u"Frame1"_s);
    ui.Text1 = new QLineEdit(ui.frmStr);
    ui.Text1->setObjectName(u"Text1"_s);
    // The tables accept entries of any length; the default limit would cut a long one.
    ui.Text1->setMaxLength(std::numeric_limits<int>::max());
    ui.cmdApplyStr = controls::Button(ui.frmStr, u"cmdApplyStr"_s, u"&Apply"_s);
    ui.cmdCancelStr = controls::Button(ui.frmStr, u"cmdCancelStr"_s, u"&Cancel"_s);

    auto* layout = new QHBoxLayout(ui.frmStr);
    layout->addWidget(ui.Text1, 1);
    layout->addWidget(ui.cmdApplyStr);
    layout->addWidget(ui.cmdCancelStr);
    ui.frmStr->hide();
    return ui.frmStr;
}

void StringEditorTab::ConnectControls()
{
    ConnectList(Source::English, &StringEditorTab::lstEng1_Click, &StringEditorTab::lstEng1_DblClick);
    ConnectList(Source::English2, &StringEditorTab::lstEng2_Click, &StringEditorTab::lstEng2_DblClick);
    connect(ui.cmdApplyStr, &QPushButton::clicked, this, &StringEditorTab::cmdApplyStr_Click);
    connect(ui.cmdCancelStr, &QPushButton::clicked, this, &StringEditorTab::cmdCancelStr_Click);
}

// A click shows the entry, and so does moving through the list with the keys; Return
// opens it as a double-click does.
void StringEditorTab::ConnectList(Source source, void (StringEditorTab::*click)(),
                                  void (StringEditorTab::*doubleClick)())
{
    QListView* list = List(source);
    connect(list, &QListView::clicked, this, click);
    connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this, click);
    connect(list, &QListView::doubleClicked, this, doubleClick);
    controls::OnKeyActivated(list, [this, doubleClick] { (this->*doubleClick)(); });
}

void StringEditorTab::ShowIntroduction()
{
    ui.lblStringStuff->setText(u"Click on a string to view it's contents.\nDouble click on a string to edit it."_s);
}

void StringEditorTab::lstEng1_Click() { ShowEntry(Source::English); }
void StringEditorTab::lstEng2_Click() { ShowEntry(Source::English2); }
void StringEditorTab::lstEng1_DblClick() { OpenEdit(Source::English); }
void StringEditorTab::lstEng2_DblClick() { OpenEdit(Source::English2); }
void StringEditorTab::cmdApplyStr_Click() { ApplyEdit(); }
void StringEditorTab::cmdCancelStr_Click() { CloseEdit(); }

void StringEditorTab::FillStringLists()
{
    for (const Source source : Sources) {
        const QSignalBlocker blockList(List(source));
        const QSignalBlocker blockSelection(List(source)->selectionModel());
        Model(source)->SetTable(Document().Working(FileOf(source)));
    }
}

void StringEditorTab::FilesChanged(FilesState state)
{
    Q_UNUSED(state);
    CloseEdit();
    ClearLists();
    ui.lblStrShow->clear();
}

void StringEditorTab::DocumentChanged(const Edit& edit)
{
    bool touched = false;
    for (const Source source : Sources) {
        if (!edit.Touches(TableOf(source)))
            continue;
        touched = true;
        if (m_edit && m_edit->EditSource == source)
            CloseEdit();
    }
    if (!touched)
        return;
    ClearLists();
    ui.lblStrShow->clear();
    FillStringLists();
}

bool StringEditorTab::Reveal(const Change& change)
{
    for (const Source source : Sources) {
        if (change.table != TableOf(source))
            continue;
        bool isNumber = false;
        const int row = change.record.toInt(&isNumber);
        QListView* list = List(source);
        if (isNumber && row >= 0 && row < Model(source)->rowCount()) {
            const QModelIndex index = Model(source)->index(row);
            list->setCurrentIndex(index);
            list->scrollTo(index);
            ShowEntry(source);
        }
        return true;
    }
    return false;
}

void StringEditorTab::ShowEntry(Source source)
{
    const std::optional<int> row = controls::SelectedRow(List(source));
    if (row)
        ui.lblStrShow->setPlainText(ShownText(source, *row));
}

// Only a prefix of a huge entry is laid out, so showing any entry takes less than a
// frame; the rest is named, and a double-click opens all of it in Text1.
QString StringEditorTab::ShownText(Source source, int row) const
{
    QString text = u"\n"_s + Model(source)->EntryText(row, ShownChars);
    const qsizetype more = Model(source)->Table().Text(row).size() - ShownChars;
    if (more > 0) {
        text += u"\n\n(%1 more characters: double-click the entry to see all of it.)"_s.arg(
            modEdit::GroupThousands(QString::number(more)));
    }
    return text;
}

void StringEditorTab::OpenEdit(Source source)
{
    const std::optional<int> row = controls::SelectedRow(List(source));
    if (!row)
        return;
    const strings::StringTable& table = Model(source)->Table();
    m_edit = StringEdit{source, table.Bytes(), table.Entries()[static_cast<std::size_t>(*row)], *row};
    ui.Text1->setText(Model(source)->EntryText(*row));
    ui.frmStr->show();
    ui.Text1->setFocus();
}

// The text is refused rather than stored with a character silently lost or turned into
// a terminator; the frame stays open so the user can mend it.
void StringEditorTab::ApplyEdit()
{
    if (!m_edit)
        return;
    const QString text = ui.Text1->text();
    const QString unstorable = UnstorableCharacters(text);
    if (!unstorable.isEmpty()) {
        Context().asker.ShowError(u"String Editor"_s,
                                  u"The game's text files cannot store these characters: %1.\n"
                                  u"Remove them and apply again."_s.arg(unstorable));
        return;
    }
    // The entry's bytes are the whole change: the table around them stays as it is.
    const StringEdit edit = *m_edit;
    const QString table = TableOf(edit.EditSource);
    const QString record = QString::number(edit.row);
    const Edit step{u"%1 entry %2"_s.arg(datafiles::DisplayName(FileOf(edit.EditSource)), record),
                      {{FileOf(edit.EditSource), edit.entry.start, edit.table.mid(edit.entry.start, edit.entry.length),
                        codepage::Encode(text), table, record, u"Text"_s}}};
    ui.frmStr->hide();
    m_edit.reset();
    Submit(step);
    ClearLists();
    ui.lblStrShow->clear();
    FillStringLists();
}

void StringEditorTab::CloseEdit()
{
    ui.frmStr->hide();
    ui.Text1->clear();
    m_edit.reset();
}

void StringEditorTab::ClearLists()
{
    for (const Source source : Sources) {
        const QSignalBlocker blockList(List(source));
        const QSignalBlocker blockSelection(List(source)->selectionModel());
        Model(source)->Clear();
    }
}

QListView* StringEditorTab::List(Source source) const
{
    return source == Source::English ? ui.lstEng1 : ui.lstEng2;
}

StringTableModel* StringEditorTab::Model(Source source) const
{
    return static_cast<StringTableModel*>(List(source)->model());
}

GameFile StringEditorTab::FileOf(Source source)
{
    return source == Source::English ? GameFile::English : GameFile::English2;
}

QString StringEditorTab::TableOf(Source source)
{
    return source == Source::English ? u"english.dat"_s : u"english2.dat"_s;
}

