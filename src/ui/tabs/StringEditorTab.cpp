// The "String Editor" tab: lists a language's two string tables, filters them, shows an
// entry, and replaces one entry by a text of any length, rebuilding its table buffer.
#include "ui/tabs/StringEditorTab.h"

#include "core/CodePage.h"
#include "core/DataFiles.h"
#include "core/TableText.h"
#include "core/TextRoutines.h"
#include "tables/StringFilter.h"
#include "tables/StringTable.h"
#include "ui/tabs/Controls.h"
#include "ui/tabs/EntryIndexDelegate.h"
#include "ui/tabs/StringFilterModel.h"
#include "ui/tabs/StringTableModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStringList>
#include <QTextDocument>
#include <QTextOption>

#include <limits>
#include <span>

using namespace Qt::StringLiterals;

namespace {

// "English.dat", as the lists' tool tips name a file.
QString ToolTipName(GameFile file)
{
    const QString name = datafiles::TableName(file);
    return name.left(1).toUpper() + name.mid(1);
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
    ui.Label44 = controls::Label(this, u"Label44"_s);
    ui.lstEng1 = CreateList(Source::First, u"lstEng1"_s);
    ui.Label43 = controls::Label(this, u"Label43"_s);
    ui.lstEng2 = CreateList(Source::Second, u"lstEng2"_s);
    ui.lblStrShow = CreateShowBox();

    auto* layout = new QGridLayout(this);
    layout->addWidget(ui.lblStringStuff, 0, 0, 1, 2);
    layout->addLayout(CreateFindBar(), 1, 0, 1, 2);
    layout->addWidget(ui.Label44, 2, 0);
    layout->addWidget(ui.Label43, 2, 1);
    layout->addWidget(ui.lstEng1, 3, 0);
    layout->addWidget(ui.lstEng2, 3, 1);
    layout->addWidget(ui.lblStrShow, 4, 0, 1, 2);
    layout->addWidget(CreateEditFrame(), 5, 0, 1, 2);
    layout->setRowStretch(3, 1);
    UpdateLanguages();
    ShowLanguage(0);
    UpdateReplace();
    // The find bar is made after the lists it filters, but stands above them.
    QWidget* const order[] = {ui.cboLanguage, ui.txtFind,    ui.txtReplace, ui.cmdReplaceAll, ui.lstEng1,
                              ui.lstEng2,     ui.lblStrShow, ui.Text1,      ui.cmdApplyStr,   ui.cmdCancelStr};
    for (std::size_t at = 1; at < std::size(order); ++at)
        setTabOrder(order[at - 1], order[at]);
}

QLayout* StringEditorTab::CreateFindBar()
{
    ui.lblLanguage = controls::Label(this, u"lblLanguage"_s, tr("Language:"));
    ui.cboLanguage = controls::Combo(this, u"cboLanguage"_s,
                                     tr("The language whose two string files the lists show. A language is offered "
                                        "when both of its files are in the geodata folder."));
    ui.cboLanguage->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ui.lblFind = controls::Label(this, u"lblFind"_s, tr("Find:"));
    ui.txtFind = new QLineEdit(this);
    ui.txtFind->setObjectName(u"txtFind"_s);
    ui.txtFind->setPlaceholderText(tr("text or #index (Ctrl+F)"));
    ui.txtFind->setToolTip(tr("Shows in both lists only the entries that contain this text, in any case; #123 shows "
                              "entry 123. Ctrl+F comes here, Escape clears it."));
    ui.lblFind->setBuddy(ui.txtFind);
    ui.lblFound = controls::Label(this, u"lblFound"_s);
    ui.lblReplace = controls::Label(this, u"lblReplace"_s, tr("Replace &with:"));
    ui.txtReplace = new QLineEdit(this);
    ui.txtReplace->setObjectName(u"txtReplace"_s);
    ui.txtReplace->setToolTip(tr("The text that Replace All puts in place of the text in the Find box."));
    ui.lblReplace->setBuddy(ui.txtReplace);
    // "&Apply" of the edit frame has Alt+A.
    ui.cmdReplaceAll = controls::Button(this, u"cmdReplaceAll"_s, tr("Re&place All"));
    ui.cmdReplaceAll->setToolTip(tr("Replaces the text in the Find box, in any case, in every entry of both lists "
                                    "that holds it, as one step; the entries are listed first."));

    // Replacing sits under finding, its box under the Find box: one row of both would
    // squeeze the boxes to nothing beside the count of what was found.
    auto* bar = new QGridLayout;
    bar->addWidget(ui.lblLanguage, 0, 0);
    bar->addWidget(ui.cboLanguage, 0, 1);
    bar->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance(u'M') * 2);
    bar->addWidget(ui.lblFind, 0, 3, Qt::AlignRight);
    bar->addWidget(ui.txtFind, 0, 4);
    bar->addWidget(ui.lblFound, 0, 5, 1, 2);
    bar->addWidget(ui.lblReplace, 1, 3);
    bar->addWidget(ui.txtReplace, 1, 4);
    bar->addWidget(ui.cmdReplaceAll, 1, 5);
    bar->setColumnStretch(4, 3);
    bar->setColumnStretch(6, 2);
    return bar;
}

// A view over a model rather than a list of items: a table of 100,000 entries is listed
// by one split of its bytes, and only the rows on screen are ever decoded. The filter is
// a view over that model in turn, and stands between it and the list only while there is
// a query: an empty box lists the table model itself, as before there was a filter, and a
// refill of 100,000 entries costs no mapping of rows.
QListView* StringEditorTab::CreateList(Source source, const QString& name)
{
    auto* list = new QListView(this);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    const auto at = static_cast<std::size_t>(source);
    m_tables[at] = new StringTableModel(list);
    m_filters[at] = new StringFilterModel(*m_tables[at], list);
    list->setModel(m_tables[at]);
    list->setItemDelegate(new EntryIndexDelegate(*m_tables[at], list));
    return list;
}

// A read-only text box rather than a label: a label's narrowest width is its longest run
// without a blank, so one long entry would widen the window past the screen. The box
// breaks lines anywhere and scrolls within a few lines of its own.
QPlainTextEdit* StringEditorTab::CreateShowBox()
{
    auto* box = new QPlainTextEdit(this);
    box->setObjectName(u"lblStrShow"_s);
    box->setToolTip(tr("This displays the string you currently have selected."));
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
    ui.cmdApplyStr = controls::Button(ui.frmStr, u"cmdApplyStr"_s, tr("&Apply"));
    ui.cmdCancelStr = controls::Button(ui.frmStr, u"cmdCancelStr"_s, tr("&Cancel"));

    auto* layout = new QHBoxLayout(ui.frmStr);
    layout->addWidget(ui.Text1, 1);
    layout->addWidget(ui.cmdApplyStr);
    layout->addWidget(ui.cmdCancelStr);
    ui.frmStr->hide();
    return ui.frmStr;
}

void StringEditorTab::ConnectControls()
{
    ConnectList(Source::First, &StringEditorTab::lstEng1_Click, &StringEditorTab::lstEng1_DblClick);
    ConnectList(Source::Second, &StringEditorTab::lstEng2_Click, &StringEditorTab::lstEng2_DblClick);
    connect(ui.cmdApplyStr, &QPushButton::clicked, this, &StringEditorTab::cmdApplyStr_Click);
    connect(ui.cmdCancelStr, &QPushButton::clicked, this, &StringEditorTab::cmdCancelStr_Click);
    connect(ui.cboLanguage, &QComboBox::activated, this, &StringEditorTab::cboLanguage_Click);
    connect(ui.txtFind, &QLineEdit::textChanged, this, &StringEditorTab::txtFind_Change);
    connect(ui.cmdReplaceAll, &QPushButton::clicked, this, &StringEditorTab::cmdReplaceAll_Click);
    // As in the prompts: Return applies the edited text, Escape closes the edit unchanged.
    for (const QKeySequence keys : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        new QShortcut(keys, ui.frmStr, ui.cmdApplyStr, &QPushButton::click, Qt::WidgetWithChildrenShortcut);
    new QShortcut(QKeySequence(Qt::Key_Escape), ui.frmStr, ui.cmdCancelStr, &QPushButton::click,
                  Qt::WidgetWithChildrenShortcut);
    // Ctrl+F belongs to this tab alone: a shortcut of a hidden widget never fires.
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this, [this] {
        ui.txtFind->setFocus(Qt::ShortcutFocusReason);
        ui.txtFind->selectAll();
    });
    new QShortcut(QKeySequence(Qt::Key_Escape), ui.txtFind, ui.txtFind, &QLineEdit::clear, Qt::WidgetShortcut);
}

// A click shows the entry, and so does moving through the list with the keys; Return
// opens it as a double-click does.
void StringEditorTab::ConnectList(Source source, void (StringEditorTab::*click)(),
                                  void (StringEditorTab::*doubleClick)())
{
    QListView* list = List(source);
    connect(list, &QListView::clicked, this, click);
    ConnectSelection(source);
    connect(list, &QListView::doubleClicked, this, doubleClick);
    controls::OnKeyActivated(list, [this, doubleClick] { (this->*doubleClick)(); });
}

void StringEditorTab::ConnectSelection(Source source)
{
    connect(List(source)->selectionModel(), &QItemSelectionModel::currentChanged, this,
            source == Source::First ? &StringEditorTab::lstEng1_Click : &StringEditorTab::lstEng2_Click);
}

// The selected entry stays selected across the change of model, and in sight.
void StringEditorTab::AttachModel(Source source, bool filtered)
{
    QListView* list = List(source);
    const auto at = static_cast<std::size_t>(source);
    QAbstractItemModel* model = filtered ? static_cast<QAbstractItemModel*>(m_filters[at]) : m_tables[at];
    if (list->model() == model)
        return;
    const std::optional<int> entry = SelectedEntry(source);
    QItemSelectionModel* replaced = list->selectionModel();
    list->setModel(model);
    delete replaced;
    ConnectSelection(source);
    if (const std::optional<int> row = entry ? RowOfEntry(source, *entry) : std::nullopt) {
        const QSignalBlocker block(list->selectionModel());
        list->setCurrentIndex(model->index(*row, 0));
        list->scrollTo(list->currentIndex());
    }
}

void StringEditorTab::ShowIntroduction()
{
    ui.lblStringStuff->setText(tr("Click on a string to view it's contents.\nDouble click on a string to edit it."));
}

void StringEditorTab::lstEng1_Click() { ShowEntry(Source::First); }
void StringEditorTab::lstEng2_Click() { ShowEntry(Source::Second); }
void StringEditorTab::lstEng1_DblClick() { OpenEdit(Source::First); }
void StringEditorTab::lstEng2_DblClick() { OpenEdit(Source::Second); }
void StringEditorTab::cmdApplyStr_Click() { ApplyEdit(); }
void StringEditorTab::cmdCancelStr_Click() { CloseEdit(); }
void StringEditorTab::cboLanguage_Click() { ChooseLanguage(ui.cboLanguage->currentData().toInt()); }
void StringEditorTab::txtFind_Change() { Find(); }
void StringEditorTab::cmdReplaceAll_Click() { ReplaceAll(); }

void StringEditorTab::FillStringLists()
{
    UpdateLanguages();
    for (const Source source : Sources) {
        const QSignalBlocker blockList(List(source));
        const QSignalBlocker blockSelection(List(source)->selectionModel());
        Model(source)->SetTable(Document().Working(FileOf(source)));
    }
    ShowFound();
    UpdateReplace();
}

void StringEditorTab::SetFilesState(FilesState state)
{
    CloseEdit();
    ClearLists();
    ui.lblStrShow->clear();
    UpdateLanguages();
    ShowFound();
    UpdateReplace();
    if (state == FilesState::Complete)
        FillStringLists();
}

void StringEditorTab::DocumentChanged(const Edit& edit)
{
    if (m_edit && edit.Touches(datafiles::TableName(m_edit->file)))
        CloseEdit();
    bool touched = false;
    for (const Source source : Sources)
        touched = touched || edit.Touches(datafiles::TableName(FileOf(source)));
    if (!touched)
        return;
    RefillLists();
}

// The entry comes into sight whatever the view: its language is chosen, and a filter that
// hides it is cleared.
bool StringEditorTab::Reveal(const Change& change)
{
    const std::span<const StringLanguage> languages = datafiles::Languages();
    for (std::size_t language = 0; language < languages.size(); ++language) {
        for (const Source source : Sources) {
            const GameFile file = source == Source::First ? languages[language].first : languages[language].second;
            if (change.table != datafiles::TableName(file))
                continue;
            if (int(language) != m_language && ui.cboLanguage->findData(int(language)) >= 0)
                ChooseLanguage(int(language));
            bool isNumber = false;
            const int entry = change.record.toInt(&isNumber);
            if (!isNumber || int(language) != m_language || entry < 0 || entry >= Model(source)->rowCount())
                return true;
            if (!RowOfEntry(source, entry))
                ui.txtFind->clear();
            if (const std::optional<int> row = RowOfEntry(source, entry)) {
                const QModelIndex at = List(source)->model()->index(*row, 0);
                List(source)->setCurrentIndex(at);
                List(source)->scrollTo(at);
                ShowEntry(source);
            }
            return true;
        }
    }
    return false;
}

void StringEditorTab::ShowEntry(Source source)
{
    if (const std::optional<int> entry = SelectedEntry(source))
        ui.lblStrShow->setPlainText(ShownText(source, *entry));
}

std::optional<int> StringEditorTab::SelectedEntry(Source source) const
{
    const std::optional<int> row = controls::SelectedRow(List(source));
    if (!row || List(source)->model() == Model(source))
        return row;
    return m_filters[static_cast<std::size_t>(source)]->EntryOf(*row);
}

std::optional<int> StringEditorTab::RowOfEntry(Source source, int entry) const
{
    if (List(source)->model() != Model(source))
        return m_filters[static_cast<std::size_t>(source)]->RowOf(entry);
    if (entry >= 0 && entry < Model(source)->rowCount())
        return entry;
    return std::nullopt;
}

void StringEditorTab::UpdateLanguages()
{
    const std::span<const StringLanguage> languages = datafiles::Languages();
    QStringList offered;
    for (std::size_t language = 0; language < languages.size(); ++language) {
        // English is always offered: its lists are the tab's documented ones, empty or not.
        if (language == 0 || (Document().IsLoaded(languages[language].first)
                              && Document().IsLoaded(languages[language].second)))
            offered.append(Translated("Languages", languages[language].name));
    }
    const QSignalBlocker block(ui.cboLanguage);
    // Every Apply and undo comes here; the box is only refilled when a load changed it.
    bool same = ui.cboLanguage->count() == offered.size();
    for (int index = 0; same && index < offered.size(); ++index)
        same = ui.cboLanguage->itemText(index) == offered[index];
    if (!same) {
        ui.cboLanguage->clear();
        for (std::size_t language = 0; language < languages.size(); ++language) {
            const QString name = Translated("Languages", languages[language].name);
            if (offered.contains(name))
                ui.cboLanguage->addItem(name, int(language));
        }
        ui.cboLanguage->setEnabled(offered.size() > 1);
    }
    if (ui.cboLanguage->findData(m_language) < 0)
        ShowLanguage(0);
    ui.cboLanguage->setCurrentIndex(ui.cboLanguage->findData(m_language));
}

// A choice of language is a new view: an open edit closes, and both lists show the
// language's files.
void StringEditorTab::ChooseLanguage(int language)
{
    if (language == m_language)
        return;
    CloseEdit();
    ShowLanguage(language);
    RefillLists();
}

void StringEditorTab::ShowLanguage(int language)
{
    m_language = language;
    ui.Label44->setText(datafiles::DisplayName(FileOf(Source::First)) + u":"_s);
    ui.Label43->setText(datafiles::DisplayName(FileOf(Source::Second)) + u":"_s);
    for (const Source source : Sources) {
        List(source)->setToolTip(tr("A list of strings in %1. Click to display text. Double click to edit.")
                                     .arg(ToolTipName(FileOf(source))));
    }
}

// The filter applies to both lists at once, at every keystroke.
void StringEditorTab::Find()
{
    const QString query = ui.txtFind->text();
    for (const Source source : Sources) {
        m_filters[static_cast<std::size_t>(source)]->SetQuery(query);
        AttachModel(source, !query.isEmpty());
    }
    ShowFound();
    UpdateReplace();
}

void StringEditorTab::UpdateReplace()
{
    ui.cmdReplaceAll->setEnabled(!ui.txtFind->text().isEmpty() && Model(Source::First)->rowCount() > 0);
}

void StringEditorTab::ReplaceAll()
{
    const QString found = ui.txtFind->text();
    const QString replacement = ui.txtReplace->text();
    if (found.isEmpty())
        return;
    const QString title = tr("Replace All");
    // A zero byte would end the entry early and shift the number of every entry after it.
    if (const QStringList unstorable = codepage::Unstorable(replacement); !unstorable.isEmpty()) {
        Context().asker.ShowError(title, tr("The game's text files cannot store these characters: %1.\n"
                                            "Nothing was replaced.")
                                             .arg(unstorable.join(u", "_s)));
        return;
    }
    // The entries the lists show for this text, so case is treated as the Find box treats it.
    const strings::EntryFilter filter(found);
    std::vector<Change> replaced;
    QStringList listed;
    for (const Source source : Sources) {
        const GameFile file = FileOf(source);
        const strings::StringTable& table = Model(source)->Table();
        const std::vector<bool> holds = filter.AcceptsEach(table);
        for (qsizetype row = 0; row < table.Count(); ++row) {
            if (!holds[std::size_t(row)])
                continue;
            const QString before = Model(source)->EntryText(int(row));
            const QString after = QString(before).replace(found, replacement, Qt::CaseInsensitive);
            if (after == before)
                continue;
            const strings::StringEntry entry = table.Entry(row);
            replaced.push_back({file, entry.start, table.Bytes().mid(entry.start, entry.length),
                                codepage::Encode(after), datafiles::TableName(file), QString::number(row),
                                strings::TextField.Name()});
            listed.append(tr("%1 entry %2: \u201C%3\u201D")
                              .arg(datafiles::DisplayName(file), QString::number(row), modEdit::Excerpt(before)));
        }
    }
    if (replaced.empty()) {
        Context().asker.ShowMessage(title, tr("No entry of these lists holds \u201C%1\u201D.").arg(modEdit::Excerpt(found)));
        return;
    }
    const QString count = QString::number(replaced.size());
    if (!Context().asker.AskYesNo(title, tr("Replace \u201C%1\u201D with \u201C%2\u201D in these %3 entries?\n\n%4")
                                             .arg(modEdit::Excerpt(found), modEdit::Excerpt(replacement), count,
                                                  modEdit::Listed(listed))))
        return;
    CloseEdit();
    (void)Submit(changes::InApplyOrder(
        tr("Replace \u201C%1\u201D with \u201C%2\u201D in %3 entries")
            .arg(modEdit::Excerpt(found), modEdit::Excerpt(replacement), count),
        std::move(replaced)));
}

// What the filter found in each list; an empty box shows every entry and no count.
void StringEditorTab::ShowFound()
{
    const QString query = ui.txtFind->text();
    if (query.isEmpty()) {
        ui.lblFound->clear();
        return;
    }
    ui.lblFound->setText(tr("%1 in %2, %3 in %4")
                             .arg(m_filters[0]->rowCount())
                             .arg(datafiles::DisplayName(FileOf(Source::First)))
                             .arg(m_filters[1]->rowCount())
                             .arg(datafiles::DisplayName(FileOf(Source::Second))));
}

// Only a prefix of a huge entry is laid out, so showing any entry takes less than a
// frame; the rest is named, and a double-click opens all of it in Text1.
QString StringEditorTab::ShownText(Source source, int row) const
{
    QString text = u"\n"_s + Model(source)->EntryText(row, ShownChars);
    const qsizetype more = Model(source)->Table().Text(row).size() - ShownChars;
    if (more > 0) {
        text += tr("\n\n(%1 more characters: double-click the entry to see all of it.)")
                    .arg(modEdit::GroupThousands(QString::number(more)));
    }
    return text;
}

void StringEditorTab::OpenEdit(Source source)
{
    const std::optional<int> row = SelectedEntry(source);
    if (!row)
        return;
    const strings::StringTable& table = Model(source)->Table();
    m_edit = StringEdit{source, FileOf(source), table.Bytes(), table.Entries()[static_cast<std::size_t>(*row)], *row};
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
    // A zero byte would end the entry early and shift the number of every entry after it.
    const QString unstorable = codepage::Unstorable(text).join(u", "_s);
    if (!unstorable.isEmpty()) {
        Context().asker.ShowError(tr("String Editor"), tr("The game's text files cannot store these characters: %1.\n"
                                                          "Remove them and apply again.")
                                                           .arg(unstorable));
        return;
    }
    // The entry's bytes are the whole change: the table around them stays as it is.
    const StringEdit edit = *m_edit;
    const QString record = QString::number(edit.row);
    const Edit step{tr("%1 entry %2").arg(datafiles::DisplayName(edit.file), record),
                    {{edit.file, edit.entry.start, edit.table.mid(edit.entry.start, edit.entry.length),
                      codepage::Encode(text), datafiles::TableName(edit.file), record, strings::TextField.Name()}}};
    ui.frmStr->hide();
    m_edit.reset();
    // An accepted step has rebuilt the lists already, as every change of the document does.
    if (Submit(step))
        return;
    RefillLists();
}

void StringEditorTab::RefillLists()
{
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
    return source == Source::First ? ui.lstEng1 : ui.lstEng2;
}

StringTableModel* StringEditorTab::Model(Source source) const
{
    return m_tables[static_cast<std::size_t>(source)];
}

GameFile StringEditorTab::FileOf(Source source) const
{
    const StringLanguage& language = datafiles::Languages()[static_cast<std::size_t>(m_language)];
    return source == Source::First ? language.first : language.second;
}

