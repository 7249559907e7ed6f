#pragma once

#include <QDialog>

namespace ubic {

// The program's name, version and purpose.
class TAboutBox : public QDialog {
 public:
  explicit TAboutBox(QWidget* parent);
  // "Version 1.02"
  static QString VersionLine();
};

}  // namespace ubic
