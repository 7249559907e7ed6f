#include "aboutbox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "accessibility.h"
#include "foundation/version.h"
#include "windowplacement.h"

namespace ubic {

QString TAboutBox::VersionLine() {
  return QObject::tr("Version %1").arg(QString::asprintf("%d.%.2d", kVersionMajor, kVersionMinor));
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QObject::tr("About Ubic"));
  auto* layout = new QVBoxLayout(this);
  auto* icon = new QLabel(this);
  icon->setPixmap(QIcon(":/icons/ubic.svg").pixmap(64, 64));
  icon->setAlignment(Qt::AlignCenter);
  auto* name = new QLabel("Ubic", this);
  name->setObjectName("ProductName");
  QFont nameFont = name->font();
  nameFont.setPointSizeF(nameFont.pointSizeF() * 2);
  nameFont.setBold(true);
  name->setFont(nameFont);
  name->setAlignment(Qt::AlignCenter);
  auto* version = new QLabel(VersionLine(), this);
  version->setObjectName("Version");
  version->setAlignment(Qt::AlignCenter);
  auto* comments = new QLabel(QObject::tr("Program for multiattribute decision making"), this);
  comments->setAlignment(Qt::AlignCenter);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  Describe(buttons->button(QDialogButtonBox::Ok), {}, QObject::tr("Close the About box"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  for (QWidget* widget : std::initializer_list<QWidget*>{icon, name, version, comments, buttons}) {
    layout->addWidget(widget);
  }
  layout->setSizeConstraint(QLayout::SetFixedSize);
  KeepDialog(this, "AboutBox");
}

}  // namespace ubic
