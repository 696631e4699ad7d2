// Named controls for the editor tabs.
#include "ui/tabs/Controls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace controls {
namespace {

template <typename Widget>
Widget* Named(QWidget* parent, const QString& name, const QString& toolTip = {})
{
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    if (!toolTip.isEmpty())
        widget->setToolTip(toolTip);
    return widget;
}

// Qt reports Return and Enter on a list as `activated`, and, depending on the style, a
// double-click or a single click too, right after its own signal. The mouse has handlers
// of its own (a single click deliberately none), so an activation counts only when the
// latest input the list had was a key.
class KeyActivation final : public QObject {
public:
    KeyActivation(QAbstractItemView* list, std::function<void()> handler)
        : QObject(list)
        , m_handler(std::move(handler))
    {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        connect(list, &QAbstractItemView::activated, this, [this] {
            if (m_byKey)
                m_handler();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            m_byKey = true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            m_byKey = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
    bool m_byKey = false;
};

} // namespace

QLabel* Label(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = Named<QLabel>(parent, name);
    label->setText(text);
    return label;
}

std::optional<int> ChooseText(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    if (index < 0)
        return std::nullopt;
    combo->setCurrentIndex(index);
    return index;
}

bool ShowRow(QListWidget* list, int row)
{
    if (row < 0 || row >= list->count())
        return false;
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row));
    return true;
}

void ShowValue(QPushButton* button, QString value)
{
    button->setText(value.replace(u'&', QStringLiteral("&&")));
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = Named<QPushButton>(parent, name);
    button->setText(caption);
    return button;
}

QPushButton* ValueButton(QWidget* parent, const QString& name, int minimumChars, const QString& toolTip)
{
    auto* button = Named<QPushButton>(parent, name, toolTip);
    button->setEnabled(false);
    // Sized for the widest value it will show, so captions never change the layout.
    button->setMinimumWidth(button->fontMetrics().averageCharWidth() * (minimumChars + 4));
    return button;
}

QListWidget* List(QWidget* parent, const QString& name, const QString& toolTip)
{
    auto* list = Named<QListWidget>(parent, name, toolTip);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

QComboBox* Combo(QWidget* parent, const QString& name, const QString& toolTip)
{
    auto* combo = Named<QComboBox>(parent, name, toolTip);
    combo->setMaxVisibleItems(20);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QGroupBox* Frame(QWidget* parent, const QString& name, const QString& title)
{
    auto* frame = Named<QGroupBox>(parent, name);
    frame->setTitle(title);
    return frame;
}

QRadioButton* Option(QWidget* parent, const QString& name, const QString& caption)
{
    auto* option = Named<QRadioButton>(parent, name);
    option->setText(caption);
    return option;
}

std::optional<int> SelectedRow(const QAbstractItemView* list)
{
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.front().row();
}

void OnKeyActivated(QAbstractItemView* list, std::function<void()> handler)
{
    new KeyActivation(list, std::move(handler));
}

} // namespace controls
