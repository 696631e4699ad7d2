// Finding and installing the editor's translations and Qt's own.
#include "ui/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

bool LoadFirst(QTranslator& translator, const QLocale& locale, const QString& name, const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (translator.load(locale, name, u"_"_s, folder))
            return true;
    }
    return false;
}

// glibc shows untranslated messages in the C locale whatever LANGUAGE says; so do we, so a
// script run with LC_ALL=C always sees the documented English texts. English first in the
// languages asked for is the texts as written, not a reason to fall back to a second one.
bool KeepsEnglish(const QLocale& locale)
{
    return locale.language() == QLocale::C || locale.uiLanguages().value(0).startsWith(u"en"_s);
}

} // namespace

namespace translations {

QStringList Folders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(u"translations"_s), programFolder.filePath(u"../share/kestrel/translations"_s)};
}

void Install(QCoreApplication& app, const QLocale& locale, const QStringList& folders)
{
    if (KeepsEnglish(locale))
        return;
    auto* own = new QTranslator(&app);
    if (!LoadFirst(*own, locale, u"kestrel"_s, folders)) {
        delete own;
        return;
    }
    QCoreApplication::installTranslator(own);
    // Qt's buttons (OK, Cancel, Yes, No) only in a language our own texts are in, so a
    // dialog never mixes two languages.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

} // namespace translations
