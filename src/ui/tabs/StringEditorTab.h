// The "String Editor" tab: every text of a language's two string files, english.dat and
// english2.dat unless another language is chosen, with a filter over both lists.
#pragma once

#include "core/GameFile.h"
#include "tables/StringTable.h"
#include "ui/tabs/EditorTab.h"

#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class StringFilterModel;
class StringTableModel;

class StringEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit StringEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The view the load and Apply rebuild: both lists from the chosen language's buffers.
    void FillStringLists();

    // The main window's opening sets the guidance text.
    void ShowIntroduction();

    // An edit started on the previous installation's table must never reach the new one.
    void SetFilesState(FilesState state) override;
    bool Reveal(const Change& change) override;

protected:
    // Any change of a string file closes an open edit first: its copy of the table would
    // bring undone bytes back.
    void DocumentChanged(const Edit& edit) override;

private:
    // Which list an entry is in: lstEng1 shows a language's first file, lstEng2 its second.
    enum class Source { First, Second };
    static constexpr std::array<Source, 2> Sources = {Source::First, Source::Second};

    // What a double-click captures: the file and table as listed then and the entry within
    // it, so Apply rebuilds exactly the bytes the user saw.
    struct StringEdit {
        Source EditSource;
        GameFile file;
        QByteArray table;
        strings::StringEntry entry;
        int row;  // the entry's index in its table
    };

    void lstEng1_Click();
    void lstEng2_Click();
    void lstEng1_DblClick();
    void lstEng2_DblClick();
    void cmdApplyStr_Click();
    void cmdCancelStr_Click();
    void cboLanguage_Click();
    void txtFind_Change();
    void cmdReplaceAll_Click();

    void ShowEntry(Source source);
    [[nodiscard]] QString ShownText(Source source, int row) const;
    void OpenEdit(Source source);
    void ApplyEdit();
    void CloseEdit();
    void ClearLists();
    // Both lists anew from the files, nothing selected or shown.
    void RefillLists();
    [[nodiscard]] std::optional<int> SelectedEntry(Source source) const;
    // The row of the list that shows the entry; nullopt when the filter hides it.
    [[nodiscard]] std::optional<int> RowOfEntry(Source source, int entry) const;
    void AttachModel(Source source, bool filtered);

    // Offers the languages whose two files are loaded; falls back to English when the
    // chosen one is no longer there.
    void UpdateLanguages();
    void ChooseLanguage(int language);
    // Names the chosen language's files on the labels and tool tips; lists nothing.
    void ShowLanguage(int language);
    void Find();
    void ShowFound();
    // Every entry of the shown pair that holds the Find box's text gets it replaced, as
    // one step, once the user has seen which entries those are.
    void ReplaceAll();
    void UpdateReplace();

    [[nodiscard]] QListView* List(Source source) const;
    [[nodiscard]] StringTableModel* Model(Source source) const;
    [[nodiscard]] GameFile FileOf(Source source) const;

    void CreateControls();
    QLayout* CreateFindBar();
    QListView* CreateList(Source source, const QString& name);
    QPlainTextEdit* CreateShowBox();
    void ConnectControls();
    void ConnectList(Source source, void (StringEditorTab::*click)(), void (StringEditorTab::*doubleClick)());
    void ConnectSelection(Source source);
    QGroupBox* CreateEditFrame();

    std::optional<StringEdit> m_edit;
    int m_language = 0;  // into datafiles::Languages()
    std::array<StringTableModel*, 2> m_tables{};
    std::array<StringFilterModel*, 2> m_filters{};

    struct Ui {
        QLabel* lblStringStuff;
        QLabel* lblLanguage;
        QComboBox* cboLanguage;
        QLabel* lblFind;
        QLineEdit* txtFind;
        QLabel* lblFound;
        QLabel* lblReplace;
        QLineEdit* txtReplace;
        QPushButton* cmdReplaceAll;
        QLabel* Label44;
        QListView* lstEng1;
        QLabel* Label43;
        QListView* lstEng2;
        QPlainTextEdit* lblStrShow;
        QGroupBox* frmStr;
        QLineEdit* Text1;
        QPushButton* cmdApplyStr;
        QPushButton* cmdCancelStr;
    } ui{};
};
