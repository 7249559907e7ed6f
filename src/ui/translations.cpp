#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

#include "foundation/translation.h"
#include "uitext.h"

namespace ubic {

namespace {

// The installed package keeps the translations beside its other data; a program run from the
// build tree finds them where lrelease wrote them.
QStringList TranslationFolders() {
  return {QCoreApplication::applicationDirPath() + "/../share/ubic/translations",
          QStringLiteral(UBIC_TRANSLATIONS_BUILD_DIR)};
}

// The translations installed by an earlier call, replaced by the next one.
std::vector<std::unique_ptr<QTranslator>>& Installed() {
  static std::vector<std::unique_ptr<QTranslator>> installed;
  return installed;
}

// Installs the translation File ("ubic_de_AT" finds "ubic_de" too) from the first of Folders
// that has it.
bool Install(const QString& file, const QStringList& folders) {
  auto translator = std::make_unique<QTranslator>();
  for (const QString& folder : folders) {
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator.get())) {
      Installed().push_back(std::move(translator));
      return true;
    }
  }
  return false;
}

// A text of the layers below the desktop program in the user's language, Windows-1250 as their
// texts are. Texts without a translation come back byte for byte: Format asks about every format.
std::string CatalogueText(const char* english) {
  const QString source = QString::fromUtf8(english);
  const QString translated = QCoreApplication::translate(kCatalogueContext, english);
  return translated == source ? std::string(english) : FromQString(translated);
}

}  // namespace

bool InstallTranslations(const QLocale& locale) {
  for (const auto& translator : Installed()) QCoreApplication::removeTranslator(translator.get());
  Installed().clear();
  SetTextCatalogue(nullptr);
  // The user's languages in the order of preference; English, the program's own, ends the search.
  for (QString language : locale.uiLanguages()) {
    language.replace('-', '_');
    if (language == "C" || language.startsWith("en")) return false;
    if (Install("ubic_" + language, TranslationFolders())) {
      Install("qt_" + language, {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
      SetTextCatalogue(&CatalogueText);
      return true;
    }
  }
  return false;
}

}  // namespace ubic
