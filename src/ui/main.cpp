#include <QApplication>
#include <cstdio>
#include <cstring>

#include "foundation/version.h"
#include "mainform.h"
#include "questions.h"

int main(int argc, char* argv[]) {
  // Answered before Qt starts, so that it works without a display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("ubic %s\n", ubic::kVersionText);
    return 0;
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
