// Assistive technology's view of the program: every control it can reach has a name, and the
// model tree and the grids report their cells with the model's texts.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QTabWidget>
#include <QWidget>
#include <set>
#include <string>
#include <vector>

#include "document/reporttargets.h"
#include "ui/aboutbox.h"
#include "ui/explainform.h"
#include "ui/functform.h"
#include "ui/helpform.h"
#include "ui/namedescform.h"
#include "ui/previewform.h"
#include "ui/rptform.h"
#include "ui/scaleform.h"
#include "ui/sensitivityform.h"
#include "ui/targetform.h"
#include "ui/textdimform.h"
#include "ui/weiform.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

// Roles of the controls a user works with; labels, panels and scroll bars speak for themselves.
bool IsControl(QAccessible::Role role) {
  static const std::set<QAccessible::Role> controls = {
      QAccessible::PushButton,    QAccessible::CheckBox,     QAccessible::RadioButton,
      QAccessible::ComboBox,      QAccessible::EditableText, QAccessible::SpinBox,
      QAccessible::Slider,        QAccessible::Tree,         QAccessible::Table,
      QAccessible::List,          QAccessible::PageTab,      QAccessible::ButtonMenu,
      QAccessible::ButtonDropDown};
  return controls.contains(role);
}

QString Describe(QAccessibleInterface* control) {
  const QObject* object = control->object();
  return QString("%1 %2 \"%3\" \"%4\"")
      .arg(object ? object->metaObject()->className() : "?")
      .arg(object ? object->objectName() : "")
      .arg(control->text(QAccessible::Name))
      .arg(control->text(QAccessible::Description));
}

// On Linux a combo box goes by the item it shows, and screen readers name it by its label; a box
// without one carries its own name for the platforms that read it.
bool IsNamed(QAccessibleInterface* control) {
  if (control->role() != QAccessible::ComboBox) {
    return !control->text(QAccessible::Name).trimmed().isEmpty();
  }
  const auto* box = qobject_cast<const QWidget*>(control->object());
  return !control->relations(QAccessible::Label).isEmpty() ||
         (box && !box->accessibleName().isEmpty());
}

// The visible controls below Top, as assistive technology finds them, that have no name. Cells
// of trees, tables and lists are checked against the model instead.
void CollectUnnamed(QAccessibleInterface* node, std::vector<std::string>& unnamed) {
  if (node->state().invisible) return;
  const QAccessible::Role role = node->role();
  if (IsControl(role) &&
      (!IsNamed(node) || node->text(QAccessible::Description).trimmed().isEmpty())) {
    unnamed.push_back(Describe(node).toStdString());
  }
  if (role == QAccessible::Tree || role == QAccessible::Table || role == QAccessible::List) return;
  for (int i = 0; i < node->childCount(); ++i) {
    if (QAccessibleInterface* child = node->child(i)) CollectUnnamed(child, unnamed);
  }
}

std::vector<std::string> Unnamed(QWidget* top) {
  std::vector<std::string> unnamed;
  QAccessibleInterface* root = QAccessible::queryAccessibleInterface(top);
  EXPECT_TRUE(root);
  if (root) CollectUnnamed(root, unnamed);
  return unnamed;
}

class Accessibility : public TUiTest {};

TEST_F(Accessibility, EveryControlOfEveryPageAndDialogHasAName) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  auto* pages = Child<QTabWidget>(document, "PageControl");
  for (int page = 0; page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    EXPECT_EQ(Unnamed(Main.get()), std::vector<std::string>{}) << "page " << page;
  }
  const TUbicAttribute* car = Find(document, "CAR");
  TFunctForm functForm;
  functForm.Setup(car, *car->Funct());
  TScaleForm scaleForm(Questions);
  scaleForm.Setup(Find(document, "Price"));
  TNameDescEditForm nameDescForm;
  TRptForm rptForm;
  TTextDimForm textDimForm;
  TAboutBox aboutBox(nullptr);
  TExplainForm explainForm(document->Model(), 0);
  TSensitivityForm sensitivityForm(document->Model(), 0);
  TPreviewForm previewForm(Questions);
  TWeiForm weiForm;
  weiForm.Setup(car, functForm.EditedFunction());
  TReportTargets targets;
  TTargetForm targetForm(document->Model(), 0, targets);
  THelpForm helpForm;
  for (QWidget* dialog : std::initializer_list<QWidget*>{
           &functForm, &scaleForm, &nameDescForm, &rptForm, &textDimForm, &aboutBox, &explainForm,
           &sensitivityForm, &previewForm, &weiForm, &targetForm, &helpForm}) {
    dialog->show();
    EXPECT_EQ(Unnamed(dialog), std::vector<std::string>{}) << dialog->metaObject()->className();
    dialog->hide();
  }
}

}  // namespace
}  // namespace ubic
