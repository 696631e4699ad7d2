// The "String Editor" tab: every text of english.dat and english2.dat.
#pragma once

#include "tables/StringTable.h"
#include "ui/tabs/EditorTab.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class StringTableModel;

class StringEditorTab final : public EditorTab {
    Q_OBJECT
public:
    explicit StringEditorTab(EditorContext& context, QWidget* parent = nullptr);

    // The view the load and Apply rebuild: both lists from the two table buffers.
    void FillStringLists();

    // The main window's opening sets the guidance text.
    void ShowIntroduction();

    // An edit started on the previous installation's table must never reach the new one.
    void FilesChanged(FilesState state) override;
    bool Reveal(const Change& change) override;

protected:
    // Any change of a string file closes an open edit first: its copy of the table would
    // bring undone bytes back.
    void DocumentChanged(const Edit& edit) override;

private:
    // Which table a list shows; the value of EditSource.
    enum class Source { English, English2 };
    static constexpr std::array<Source, 2> Sources = {Source::English, Source::English2};

    // What a double-click captures: the table as listed then and the entry within it, so
    // Apply rebuilds exactly the bytes the user saw.
    struct StringEdit {
        Source EditSource;
        QByteArray table;
        strings::StringEntry entry;
        int row;
    };

    void lstEng1_Click();
    void lstEng2_Click();
    void lstEng1_DblClick();
    void lstEng2_DblClick();
    void cmdApplyStr_Click();
    void cmdCancelStr_Click();

    void ShowEntry(Source source);
    [[nodiscard]] QString ShownText(Source source, int row) const;
    void OpenEdit(Source source);
    void ApplyEdit();
    void CloseEdit();
    void ClearLists();

    [[nodiscard]] QListView* List(Source source) const;
    [[nodiscard]] StringTableModel* Model(Source source) const;
    [[nodiscard]] static GameFile FileOf(Source source);
    [[nodiscard]] static QString TableOf(Source source);

    void CreateControls();
    QListView* CreateList(const QString& name, const QString& toolTip);
    QPlainTextEdit* CreateShowBox();
    void ConnectControls();
    void ConnectList(Source source, void (StringEditorTab::*click)(), void (StringEditorTab::*doubleClick)());
    QGroupBox* CreateEditFrame();

    std::optional<StringEdit> m_edit;

    struct Ui {
        QLabel* lblStringStuff;
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
