#pragma once

#include <QLocale>

namespace ubic {

// Installs the translations for Locale into the running application: the program's own texts and
// Qt's (the standard buttons and dialogs). English, and a language without a translation, keep
// the English texts. Returns whether the program's own translation was found.
bool InstallTranslations(const QLocale& locale);

}  // namespace ubic
