// Writes the pictures of the user manual: the main window with a model, its Model page and the
// About box, grabbed offscreen.
//
//   ui_screenshots FOLDER

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QTabWidget>
#include <iostream>

#include "print_screenshots.h"
#include "ui/aboutbox.h"
#include "ui/mainform.h"
#include "ui/modelform.h"
#include "ui/modeltree.h"
#include "ui/questions.h"

namespace {

bool Save(QWidget* widget, const QDir& folder, const char* name) {
  const QString file = folder.filePath(name);
  if (widget->grab().save(file)) return true;
  std::cerr << "cannot write " << file.toStdString() << "\n";
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: ui_screenshots FOLDER\n";
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  ubic::TScriptedQuestions questions;
  ubic::TMainForm mainForm(questions, {});
  mainForm.resize(1000, 620);
  mainForm.show();
  ubic::TModelForm* document = mainForm.CreateDocument(UBIC_EXAMPLES_DIR "/car.ubm");
  document->SelectAttribute(document->Model().FindAttribute("TECHNICAL"));
  QApplication::processEvents();
  bool written = Save(&mainForm, folder, "main-window.png");
  written = Save(document->PageControl, folder, "model-page.png") && written;

  for (int i = 0; i < 6; ++i) {
    const QPixmap icon = ubic::IconOf(static_cast<ubic::TAttributeIcon>(i)).pixmap(32, 32);
    written = icon.save(folder.filePath(QString("icon-%1.png").arg(i))) && written;
  }

  ubic::TAboutBox about(&mainForm);
  about.show();
  QApplication::processEvents();
  written = Save(&about, folder, "about.png") && written;
  written = ubic::SavePrintScreenshots(mainForm, *document,
                                       [&folder](QWidget* widget, const char* name) {
                                         return Save(widget, folder, name);
                                       }) &&
            written;
  return written ? 0 : 1;
}
