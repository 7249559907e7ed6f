#include <QApplication>
#include <cstdio>
#include <cstring>

#include "foundation/version.h"
#include "mainform.h"
#include "print/reportpdf.h"
#include "questions.h"

int main(int argc, char* argv[]) {
  // Answered before Qt starts, so that it works without a display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("ubic %s\n", ubic::kVersionText);
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "--report-pdf") == 0) {
    // No window opens: the offscreen platform serves unless another is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.remove(0, 2);
    return ubic::RunReportPdf(arguments, stderr);
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Ubic");
  QApplication::setApplicationDisplayName("Ubic");
  QStringList files = QApplication::arguments();
  files.removeFirst();
  ubic::TMessageBoxQuestions questions;
  ubic::TMainForm mainForm(questions, files);
  mainForm.show();
  mainForm.activateWindow();
  return QApplication::exec();
}
