// The main window on a small screen: every tab laid out at 1000 x 700, nothing overlapping.
#include "WindowDriver.h"
#include "WindowProbe.h"

#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "core/GameDocument.h"
#include "ui/EditHistory.h"
#include "ui/MainWindow.h"
#include "ui/SplashWindow.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>

#include <map>

using namespace Qt::StringLiterals;

namespace {

const QSize SmallScreen(1000, 700);

// A main window on a complete sample install, with no remembered size or panels.
struct FreshLoadedWindow {
    FreshSettings fresh;
    InstallFixture install;
    ScriptedAsker asker;
    MainWindow window{asker};

    [[nodiscard]] bool Load()
    {
        return install.IsValid() && window.LoadFrom(install.Paths().exePath) == LoadOutcome::Complete;
    }
};

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
    FreshLoadedWindow loaded;
    ASSERT_TRUE(loaded.Load());
    MainWindow& window = loaded.window;

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

// Both panels opened on a first start, with no placement saved: at a size of use where the
// window has room (1280 x 1000), and the whole grid in sight without a scroll bar on a
// 1024 x 768 screen.
TEST(MainWindowLayout, PanelsOpenUsefullyAndTheGridStaysWhole)
{
    for (const QSize screen : {QSize(1280, 1000), QSize(1024, 768)}) {
        SCOPED_TRACE(screen.width());
        FreshLoadedWindow loaded;
        ASSERT_TRUE(loaded.Load());
        MainWindow& window = loaded.window;
        const QByteArray exe = window.Document().Working(GameFile::Executable);
        const QString longStep = u"A step whose text is far longer than the panel is wide, as an import's can be"_s;
        ASSERT_TRUE(window.History().Submit({longStep, {{GameFile::Executable, 0, exe.left(1), "\x7f"_ba, {}}}}));
        window.resize(screen);
        window.show();
        drive::Trigger(window, u"mnuChanges"_s);
        drive::Trigger(window, u"mnuHistory"_s);
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();  // the panels are fitted once they are laid out
        EXPECT_EQ(window.size(), screen);

        auto* changes = probe::Find<QTableView>(window, u"tblChanges"_s);
        const int row = changes->verticalHeader()->defaultSectionSize();
        EXPECT_LE(row, changes->fontMetrics().lineSpacing() + 6);
        EXPECT_GE(changes->viewport()->height(), 8 * row);

        auto* history = probe::Find<QListView>(window, u"lstHistory"_s);
        EXPECT_GE(history->viewport()->width(), history->fontMetrics().averageCharWidth() * 24);
        const QRect step = history->visualRect(history->model()->index(1, 0));
        const QRect wrapped = history->fontMetrics().boundingRect(QRect(0, 0, step.width() - 8, 10'000),
                                                                  Qt::TextWordWrap, longStep);
        EXPECT_GE(step.height(), wrapped.height());
        EXPECT_LE(step.right(), history->viewport()->width());

        for (int number = 1; number <= 36; ++number) {
            const auto* cell = probe::Find<QPushButton>(window, u"Command%1"_s.arg(number));
            SCOPED_TRACE(number);
            EXPECT_EQ(VisiblePart(cell, &window), QRect(cell->mapTo(&window, QPoint(0, 0)), cell->size()));
            EXPECT_GE(cell->height(), cell->fontMetrics().lineSpacing() * 3);
        }
    }
}

// The keys Alt plus each window's underlined letters; two controls in sight with one
// letter would only pass the focus between them.
std::map<QString, QStringList> Mnemonics(const QWidget& window)
{
    std::map<QString, QStringList> letters;
    const auto note = [&letters](const QString& text) {
        const QKeySequence keys = QKeySequence::mnemonic(text);
        if (!keys.isEmpty())
            letters[keys.toString()].append(text);
    };
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            note(button->text());
        else if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
            note(label->text());
        else if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
            note(frame->title());
    }
    if (const auto* main = qobject_cast<const QMainWindow*>(&window)) {
        for (const QAction* menu : main->menuBar()->actions())
            note(menu->text());
    }
    return letters;
}

void ExpectUnique(const std::map<QString, QStringList>& letters, const std::string& where)
{
    for (const auto& [keys, texts] : letters)
        EXPECT_EQ(texts.size(), 1) << where << ": " << keys.toStdString() << " is " << texts.join(u" and "_s).toStdString();
}

void ExpectUniqueMnemonics()
{
    FreshLoadedWindow loaded;
    ASSERT_TRUE(loaded.Load());
    MainWindow& window = loaded.window;
    window.resize(1280, 1000);
    window.show();
    drive::Trigger(window, u"mnuChanges"_s);
    drive::Trigger(window, u"mnuHistory"_s);
    // The frames that come and go are open.
    drive::Click(window, u"Command1"_s);
    drive::DoubleClickRow(window, u"lstEng1"_s, 0);

    QTabWidget& tabs = probe::Tabs(window);
    for (int tab = 0; tab < tabs.count(); ++tab) {
        tabs.setCurrentIndex(tab);
        ExpectUnique(Mnemonics(window), tabs.tabText(tab).toStdString());
    }
    for (const QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
        std::map<QString, QStringList> letters;
        for (const QAction* action : menu->actions()) {
            if (const QKeySequence keys = QKeySequence::mnemonic(action->text()); !keys.isEmpty())
                letters[keys.toString()].append(action->text());
        }
        ExpectUnique(letters, menu->title().toStdString());
    }
    SplashWindow splash(1'000'000);
    splash.show();
    ExpectUnique(Mnemonics(splash), "splash");
}

// In every language of the interface: a translation picks its own letters.
TEST(MainWindowLayout, EveryUnderlinedLetterIsUniqueWithinItsWindow)
{
    for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French}) {
        SCOPED_TRACE(QLocale::languageToCode(language).toStdString());
        translations::Install(*qApp, QLocale(language), {u"" KESTREL_TRANSLATIONS_DIR ""_s});
        ExpectUniqueMnemonics();
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
}

} // namespace
