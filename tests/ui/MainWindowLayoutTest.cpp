// The main window on a small screen: every tab laid out at 1000 x 700, nothing overlapping.
#include "WindowProbe.h"

#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "ui/MainWindow.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QSize SmallScreen(1000, 700);

// Where a widget can be seen inside page: its rectangle cut by every ancestor's, so a
// control scrolled out of a scroll area's view takes no room beside it.
QRect VisiblePart(const QWidget* widget, const QWidget* page)
{
    QRect visible(widget->mapTo(page, QPoint(0, 0)), widget->size());
    for (const QWidget* ancestor = widget->parentWidget(); ancestor && ancestor != page;
         ancestor = ancestor->parentWidget())
        visible &= QRect(ancestor->mapTo(page, QPoint(0, 0)), ancestor->size());
    return visible & page->rect();
}

std::string Describe(const QWidget* widget)
{
    return std::string(widget->metaObject()->className()) + " " + widget->objectName().toStdString();
}

TEST(MainWindowLayout, EveryTabFitsASmallScreenWithoutOverlap)
{
    InstallFixture install;
    ASSERT_TRUE(install.IsValid());
    ScriptedAsker asker;
    MainWindow window{asker};
    ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete);

    const QSize least = window.minimumSizeHint();
    EXPECT_LE(least.width(), SmallScreen.width());
    EXPECT_LE(least.height(), SmallScreen.height());
    window.resize(SmallScreen);
    window.show();
    EXPECT_EQ(window.size(), SmallScreen);

    QTabWidget& tabs = probe::Tabs(window);
    for (int tab = 0; tab < tabs.count(); ++tab) {
        SCOPED_TRACE(tabs.tabText(tab).toStdString());
        tabs.setCurrentIndex(tab);
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QWidget* page = tabs.currentWidget();

        // The controls and frames a user sees; a scroll area's own parts are its business.
        std::vector<const QWidget*> shown;
        for (const QWidget* widget : page->findChildren<QWidget*>()) {
            const QWidget* parent = widget->parentWidget();
            if (widget->isVisible() && !VisiblePart(widget, page).isEmpty()
                && !qobject_cast<const QAbstractScrollArea*>(parent)
                && !(parent && qobject_cast<const QAbstractScrollArea*>(parent->parentWidget())))
                shown.push_back(widget);
        }
        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                const QWidget* a = shown[i];
                const QWidget* b = shown[j];
                if (a->isAncestorOf(b) || b->isAncestorOf(a))
                    continue;
                EXPECT_FALSE(VisiblePart(a, page).intersects(VisiblePart(b, page)))
                    << Describe(a) << " overlaps " << Describe(b);
            }
        }
    }
}

} // namespace
