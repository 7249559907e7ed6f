#include "helpform.h"

#include <QFileInfo>
#include <QUrl>

namespace ubic {

THelpForm::THelpForm() {
  setWindowTitle("Ubic Help");
  setOpenExternalLinks(true);
  resize(1020, 720);
}

QString THelpForm::ContentsFile() {
  for (const QString folder :
       {QString(UBIC_MANUAL_SOURCE_DIR), QString("/usr/share/doc/ubic/manual")}) {
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
