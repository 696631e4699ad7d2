// A choice between a tab's documented form, shown first, and the table of all its
// records, made with two small buttons above them.
#pragma once

#include <QWidget>

class QLayout;
class QStackedWidget;
class QToolButton;

class ViewSwitch final : public QWidget {
    Q_OBJECT
public:
    // The buttons are named "opt" + name + "Form" and "opt" + name + "Table". A caption,
    // when given, stands between them and the two views it names.
    ViewSwitch(const QString& name, QWidget* form, QWidget* table, QWidget* caption = nullptr,
               QWidget* parent = nullptr);

    // Puts a whole tab's form, laid out by formLayout, under a switch that fills the tab.
    static ViewSwitch* AroundTab(QWidget* tab, QLayout* formLayout, const QString& name, QWidget* table);

    void ShowTable(bool table);
    [[nodiscard]] bool ShowsTable() const;

private:
    QStackedWidget* m_pages;
    QToolButton* m_formButton;
    QToolButton* m_tableButton;
};
