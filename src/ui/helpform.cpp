#include "helpform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include "windowplacement.h"

namespace ubic {

THelpForm::THelpForm() {
  setWindowTitle("Ubic Help");
  setOpenExternalLinks(true);
  resize(1020, 720);
  KeepPlacement(this, TPlacement{"HelpForm", {}, {}});
}

QString THelpForm::ContentsFile() {
  // An installed program finds the manual beside its own prefix; one run from the build tree
  // shows the manual of its sources.
  const QString installed = QCoreApplication::applicationDirPath() + "/../share/doc/ubic/manual";
  for (const QString& folder : {installed, QString(UBIC_MANUAL_SOURCE_DIR)}) {
    const QString file = folder + "/index.html";
    if (QFileInfo(file).isFile()) return file;
  }
  return {};
}

void THelpForm::ShowContents() {
  const QString file = ContentsFile();
  if (file.isEmpty()) {
    setHtml("<p>The user manual is not installed.</p>");
  } else {
    setSource(QUrl::fromLocalFile(file));
  }
  show();
  raise();
  activateWindow();
}

}  // namespace ubic
