// The window in the user's language: German and French menus and tabs with their
// translators installed, the documented English without, and never a translation for the C
// locale or English.
#include "WindowDriver.h"

#include "support/InstallFixture.h"
#include "support/ScriptedAsker.h"
#include "ui/MainWindow.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QTabWidget>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Shown {
    QStringList menus;
    QString firstTab;
    QString cancel;  // Qt's own button text, from qtbase's translation
};

void RemoveTranslators()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

Shown ShownIn(const QLocale& locale)
{
    translations::Install(*qApp, locale, {u"" KESTREL_TRANSLATIONS_DIR ""_s});
    Shown shown;
    {
        ScriptedAsker asker;
        MainWindow window(asker);
        for (const QAction* menu : window.menuBar()->actions())
            shown.menus << menu->text();
        shown.firstTab = window.findChild<QTabWidget*>(u"tabFac"_s)->tabText(0);
    }
    shown.cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    RemoveTranslators();
    return shown;
}

TEST(Translations, WindowSpeaksTheLocalesLanguageAndEnglishWithoutATranslation)
{
    struct Case {
        QLocale locale;
        QStringList menus;
        QString firstTab;
        QString cancel;
    };
    const Case cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), {u"&Datei"_s, u"&Bearbeiten"_s, u"&Ansicht"_s, u"&Hilfe"_s},
         u"Basis-Editor"_s, u"Abbrechen"_s},
        {QLocale(QLocale::French, QLocale::France), {u"&Fichier"_s, u"&Édition"_s, u"&Affichage"_s, u"A&ide"_s},
         u"Éditeur de base"_s, u"Annuler"_s},
        {QLocale::c(), {u"&File"_s, u"&Edit"_s, u"&View"_s, u"&Help"_s}, u"Base Editor"_s, u"Cancel"_s},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), {u"&File"_s, u"&Edit"_s, u"&View"_s, u"&Help"_s},
         u"Base Editor"_s, u"Cancel"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        const Shown shown = ShownIn(c.locale);
        EXPECT_EQ(shown.menus.join(u' ').toStdString(), c.menus.join(u' ').toStdString());
        EXPECT_EQ(shown.firstTab.toStdString(), c.firstTab.toStdString());
        EXPECT_EQ(shown.cancel.toStdString(), c.cancel.toStdString());
    }
    // And once the translators are gone, the documented English again.
    EXPECT_EQ(ShownIn(QLocale::c()).menus.join(u' ').toStdString(), "&File &Edit &View &Help");
}

// The unit list shows translated names ("Sectoid-Soldat"); an undone step still finds its unit.
TEST(Translations, AnUndoneStepChoosesItsUnitInTheTranslatedList)
{
    translations::Install(*qApp, QLocale(QLocale::German, QLocale::Germany), {u"" KESTREL_TRANSLATIONS_DIR ""_s});
    {
        const InstallFixture install;
        ASSERT_TRUE(install.IsValid());
        ScriptedAsker asker;
        MainWindow window(asker);
        ASSERT_EQ(window.LoadFrom(install.Paths().exePath), LoadOutcome::Complete);
        window.show();
        drive::Choose(window, u"cmbUnit"_s, 7);
        asker.Answer(u"80"_s);
        drive::Click(window, u"cmdTU"_s);
        drive::Choose(window, u"cmbUnit"_s, 0);
        drive::Trigger(window, u"mnuUndo"_s);
        EXPECT_EQ(window.findChild<QComboBox*>(u"cmbUnit"_s)->currentIndex(), 7);
    }
    RemoveTranslators();
}

} // namespace
