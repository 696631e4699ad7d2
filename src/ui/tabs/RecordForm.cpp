// A record's fields as bound controls.
#include "ui/tabs/RecordForm.h"

#include "core/ByteAccess.h"
#include "core/TableText.h"
#include "core/TextRoutines.h"
#include "tables/DamageTypes.h"
#include "ui/tabs/Controls.h"
#include "ui/tabs/EditorTab.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <tuple>

namespace {

constexpr int YesOption = 1;
constexpr int NoOption = 0;

// What a screen reader says of a value button beside its name: the value and its limit.
QString Description(const FieldDescription& field, const QString& name, const QString& value)
{
    switch (field.kind) {
    case FieldKind::Name:
        return RecordForm::tr("%1, %2, at most %3 characters").arg(name, value).arg(field.rename->writtenWidth);
    case FieldKind::Word:
        return RecordForm::tr("%1, %2, at most %3")
            .arg(name, value, modEdit::GroupThousands(QString::number(prompt::WordLimit)));
    default:
        return RecordForm::tr("%1, %2, at most %3").arg(name, value).arg(field.prompt.limit);
    }
}

} // namespace

RecordForm::RecordForm(EditorTab& tab, const TableLayout& table)
    : m_tab(tab)
    , m_table(table)
{
}

void RecordForm::AddRows(QFormLayout* form, std::span<const FieldDescription> fields, int minimumChars)
{
    for (const FieldDescription& field : fields) {
        switch (field.kind) {
        case FieldKind::Flag: AddFlag(form, field); break;
        case FieldKind::DamageType: AddDamageTypes(form, field); break;
        case FieldKind::Name: AddValue(form, field, int(field.width)); break;
        default: AddValue(form, field, minimumChars); break;
        }
    }
}

void RecordForm::AddValue(QFormLayout* form, const FieldDescription& field, int minimumChars)
{
    QLabel* label = controls::Label(&m_tab, ToQString(field.control.labelName), Translated("Tables", field.label));
    QPushButton* button = controls::ValueButton(&m_tab, ToQString(field.control.objectName), minimumChars,
                                                Translated("Tables", field.control.toolTip));
    label->setBuddy(button);
    button->setAccessibleName(Translated("Tables", field.key));
    form->addRow(label, button);
    connect(button, &QPushButton::clicked, this, [this, &field] { Edit(field); });
    FollowOnScreen(button);
    m_bindings.push_back({&field, button});
}

void RecordForm::AddFlag(QFormLayout* form, const FieldDescription& field)
{
    Binding flag{&field};
    flag.frame = controls::Frame(&m_tab, ToQString(field.control.objectName), Translated("Tables", field.label));
    flag.options = new QButtonGroup(flag.frame);
    auto* row = new QHBoxLayout(flag.frame);
    const std::tuple<std::u16string_view, QString, int> choices[] = {
        {field.control.yesName, QCoreApplication::translate("Controls", "Yes"), YesOption},
        {field.control.noName, QCoreApplication::translate("Controls", "No"), NoOption},
    };
    for (const auto& [name, caption, id] : choices) {
        QRadioButton* option = controls::Option(flag.frame, ToQString(name), caption);
        option->setEnabled(false);
        flag.options->addButton(option, id);
        row->addWidget(option);
        FollowOnScreen(option);
    }
    row->addStretch(1);
    flag.frame->setEnabled(false);
    form->addRow(flag.frame);
    connect(flag.options, &QButtonGroup::idClicked, this, [this, &field](int id) { ChooseOption(field, id); });
    m_bindings.push_back(flag);
}

void RecordForm::AddDamageTypes(QFormLayout* form, const FieldDescription& field)
{
    Binding types{&field};
    types.frame = controls::Frame(&m_tab, ToQString(field.control.objectName), Translated("Tables", field.label));
    types.options = new QButtonGroup(types.frame);
    auto* grid = new QGridLayout(types.frame);
    for (std::size_t index = 0; index < damagetypes::All.size(); ++index) {
        const DamageTypeOption& type = damagetypes::All[index];
        QRadioButton* option =
            controls::Option(types.frame, ToQString(type.optionName), Translated("DamageTypes", type.caption));
        types.options->addButton(option, type.code);
        grid->addWidget(option, int(index) / 2, int(index) % 2);
        FollowOnScreen(option);
    }
    types.frame->setEnabled(false);
    form->addRow(types.frame);
    connect(types.options, &QButtonGroup::idClicked, this, [this, &field](int code) { ChooseOption(field, code); });
    m_bindings.push_back(types);
}

// Tab goes through the controls in the order they stand on screen, not in the order the
// tab happened to make its other widgets.
void RecordForm::FollowOnScreen(QWidget* widget)
{
    if (m_lastInTabOrder)
        QWidget::setTabOrder(m_lastInTabOrder, widget);
    m_lastInTabOrder = widget;
}

void RecordForm::Choose(int record)
{
    m_chosen = record;
    SetEnabled(true);
    Show();
}

void RecordForm::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    for (const Binding& binding : m_bindings) {
        if (binding.button)
            binding.button->setEnabled(enabled);
        if (binding.frame)
            binding.frame->setEnabled(enabled);
        if (binding.options) {
            for (QAbstractButton* option : binding.options->buttons())
                option->setEnabled(enabled);
        }
    }
}

void RecordForm::ClearCaptions()
{
    for (const Binding& binding : m_bindings) {
        if (binding.button) {
            binding.button->setText(QString());
            binding.button->setAccessibleDescription(QString());
        }
    }
}

void RecordForm::Show()
{
    if (const std::optional<ShownRecord> record = Record()) {
        for (const Binding& binding : m_bindings)
            Show(binding, *record);
    }
}

void RecordForm::Show(const Binding& binding, const ShownRecord& record)
{
    const FieldDescription& field = *binding.field;
    const std::optional<catalogue::Slot> slot = m_tab.Locate(record, field);
    if (!slot)
        return;
    const QByteArray& file = m_tab.Document().Working(m_table.file);
    if (binding.button) {
        const QString caption = fields::Caption(field, record.number, file, slot->offset);
        controls::ShowValue(binding.button, caption);
        binding.button->setAccessibleDescription(Description(field, binding.button->accessibleName(), caption));
        return;
    }
    const std::uint8_t stored = bytes::ReadU8(file, slot->offset);
    const int option =
        field.kind == FieldKind::Flag ? (fields::IsYes(field, record.number, stored) ? YesOption : NoOption) : stored;
    // A code without an option leaves the options as they were.
    if (QAbstractButton* button = binding.options->button(option)) {
        const QSignalBlocker blocker(binding.options);
        button->setChecked(true);
    }
}

void RecordForm::Edit(const FieldDescription& field)
{
    if (const std::optional<ShownRecord> record = Record()) {
        if (const std::optional<QByteArray> accepted = m_tab.AskValue(*record, field))
            m_tab.SubmitField(*record, field, *accepted);
    }
}

// The whole byte is written, never a bit of it: a flag's Yes and No values may be records'
// own (a facility keeps other bits per type).
void RecordForm::ChooseOption(const FieldDescription& field, int option)
{
    const std::optional<ShownRecord> record = Record();
    if (!record)
        return;
    const std::uint8_t value =
        field.kind == FieldKind::Flag ? field.flagValue(record->number, option == YesOption) : std::uint8_t(option);
    m_tab.SubmitField(*record, field, QByteArray(1, char(value)));
}

std::optional<ShownRecord> RecordForm::Record() const
{
    if (!m_chosen || !m_tab.Document().IsLoaded(m_table.file))
        return std::nullopt;
    return ShownRecord{&m_table, *m_chosen};
}
