#pragma once

#include <QString>
#include <QTextBrowser>

namespace ubic {

// The user manual in a window of its own.
class THelpForm : public QTextBrowser {
 public:
  THelpForm();
  // The manual's first page, from the source tree or the installed documentation; empty when
  // neither holds it.
  static QString ContentsFile();
  // Shows the manual at its contents.
  void ShowContents();
};

}  // namespace ubic
