// One record of a table as a form: each control binds itself to a field description,
// shows the record's value, asks for a new one the way its kind is asked for and submits
// it as one named step, so a tab only lays its controls out and says which record to show.
#pragma once

#include "tables/TableLayout.h"

#include <QObject>

#include <optional>
#include <span>
#include <vector>

class EditorTab;
class QButtonGroup;
class QFormLayout;
class QGroupBox;
class QPushButton;
class QWidget;
struct ShownRecord;

class RecordForm final : public QObject {
    Q_OBJECT
public:
    // The controls are made as children of tab, and ask and submit through it; the tab
    // holds the form as a member.
    RecordForm(EditorTab& tab, const TableLayout& table);

    // Every field in fields as a row of form, each as its kind is edited: a value button
    // beside its label, or a frame of options. A value button is wide enough for
    // minimumChars characters; a name's for its whole slot.
    void AddRows(QFormLayout* form, std::span<const FieldDescription> fields, int minimumChars);

    // The record shown and edited from now on: the controls become usable and show it.
    void Choose(int record);
    // The record last chosen; it outlives Close and later loads.
    [[nodiscard]] std::optional<int> Chosen() const { return m_chosen; }

    // Shows the chosen record's values from the bytes as they are; nothing before a
    // record is chosen or without the table's file. Options mirror a stored byte and
    // write nothing.
    void Show();
    void SetEnabled(bool enabled);
    [[nodiscard]] bool IsEnabled() const { return m_enabled; }
    // Empties the value buttons; the options keep what they showed.
    void ClearCaptions();

private:
    struct Binding {
        const FieldDescription* field = nullptr;
        QPushButton* button = nullptr;    // a value
        QGroupBox* frame = nullptr;       // a flag's or damage type's options
        QButtonGroup* options = nullptr;  // id 1 Yes and 0 No, or the damage type code
    };

    void AddValue(QFormLayout* form, const FieldDescription& field, int minimumChars);
    void AddFlag(QFormLayout* form, const FieldDescription& field);
    void AddDamageTypes(QFormLayout* form, const FieldDescription& field);
    void FollowOnScreen(QWidget* widget);

    void Edit(const FieldDescription& field);
    void ChooseOption(const FieldDescription& field, int option);
    void Show(const Binding& binding, const ShownRecord& record);
    [[nodiscard]] std::optional<ShownRecord> Record() const;

    EditorTab& m_tab;
    const TableLayout& m_table;
    std::vector<Binding> m_bindings;
    std::optional<int> m_chosen;
    bool m_enabled = false;
    QWidget* m_lastInTabOrder = nullptr;
};
