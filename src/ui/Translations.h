// The interface's language: our own German and French translations and Qt's, for the
// standard dialogs' buttons, chosen from the user's locale.
#pragma once

#include <QStringList>

class QCoreApplication;
class QLocale;

namespace translations {

// Where the editor's .qm files are: beside the program when it runs from the build folder,
// under share/kestrel once installed.
[[nodiscard]] QStringList Folders();

// Installs the translators for locale's interface languages, our own from the first of
// folders that has one and Qt's beside them; none at all for the C locale or English, so
// every text stays as written. Only the editor's main() calls this with the real locale:
// the other tests and kestrel-cli never translate.
void Install(QCoreApplication& app, const QLocale& locale, const QStringList& folders = Folders());

} // namespace translations
