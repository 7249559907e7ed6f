#include <QApplication>

#include "aboutbox.h"
#include "mainform.h"
#include "questions.h"

int main(int argc, char* argv[]) {
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
