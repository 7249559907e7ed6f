// Assistive technology's view of the program: every control it can reach has a name, and the
// model tree and the grids report their cells with the model's texts.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QWidget>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "document/reporttargets.h"
#include "model/valuetext.h"
#include "ui/aboutbox.h"
#include "ui/explainform.h"
#include "ui/functform.h"
#include "ui/graphspage.h"
#include "ui/helpform.h"
#include "ui/namedescform.h"
#include "ui/optiongrid.h"
#include "ui/previewform.h"
#include "ui/rptform.h"
#include "ui/scaleform.h"
#include "ui/sensitivityform.h"
#include "ui/targetform.h"
#include "ui/textdimform.h"
#include "ui/uitext.h"
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

// The cells of a table, tree or grid as assistive technology reads them.
QAccessibleTableInterface* TableOf(QWidget* view) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view);
  return accessible ? accessible->tableInterface() : nullptr;
}

QString CellName(QAccessibleTableInterface* table, int row, int column) {
  QAccessibleInterface* cell = table->cellAt(row, column);
  return cell ? cell->text(QAccessible::Name) : "(no cell)";
}

QString CellDescription(QAccessibleTableInterface* table, int row, int column) {
  QAccessibleInterface* cell = table->cellAt(row, column);
  return cell ? cell->text(QAccessible::Description) : "(no cell)";
}

// Rows of the Options grid after the option names: the basic attributes; every attribute on the
// Evaluation page. Each cell reads the value set that the model holds, its colour as words.
void ExpectGridReadsTheModel(QWidget* grid, const TUbicModel& model,
                             const std::vector<const TUbicAttribute*>& rows) {
  QAccessibleTableInterface* table = TableOf(grid);
  ASSERT_TRUE(table);
  ASSERT_EQ(table->rowCount(), static_cast<int>(rows.size()) + 1);
  ASSERT_EQ(table->columnCount(), model.OptionCount());
  int bad = 0;
  int good = 0;
  for (int option = 0; option < model.OptionCount(); ++option) {
    EXPECT_EQ(CellName(table, 0, option), ToQString(model.Options()[option]));
    QAccessibleTableCellInterface* header = table->cellAt(0, option)->tableCellInterface();
    ASSERT_EQ(header->columnHeaderCells().size(), 1);
    EXPECT_EQ(header->columnHeaderCells()[0]->text(QAccessible::Name), QString::number(option + 1));
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const TUbicAttribute& attribute = *rows[r];
      const int row = static_cast<int>(r) + 1;
      const std::string codes = attribute.OptionText(option);
      EXPECT_EQ(CellName(table, row, option), ToQString(ValueSetText(attribute.Scale(), codes)))
          << attribute.GetName() << " " << option;
      const TValueClass valueClass = SetClassOf(attribute.Scale(), codes);
      bad += valueClass == TValueClass::Bad;
      good += valueClass == TValueClass::Good;
      EXPECT_EQ(CellDescription(table, row, option), valueClass == TValueClass::Bad ? "Bad value"
                                                     : valueClass == TValueClass::Good
                                                         ? "Good value"
                                                         : "")
          << attribute.GetName() << " " << option;
    }
  }
  EXPECT_GT(bad, 0);
  EXPECT_GT(good, 0);
  QAccessibleTableCellInterface* last =
      table->cellAt(table->rowCount() - 1, 0)->tableCellInterface();
  EXPECT_EQ(last->rowHeaderCells()[0]->text(QAccessible::Name).trimmed(),
            ToQString(rows.back()->GetName()));
}

TEST_F(Accessibility, TheTreeAndTheGridsReportTheirCellsWithTheModelsTexts) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  const TUbicModel& model = document->Model();
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  std::vector<const TUbicAttribute*> basic;
  model.Root()->CollectBasicAttributes(basic);

  QAccessibleTableInterface* tree = TableOf(Child<QWidget>(document, "ModTreeView"));
  ASSERT_TRUE(tree);
  ASSERT_EQ(tree->rowCount(), static_cast<int>(attributes.size()));
  for (std::size_t i = 0; i < attributes.size(); ++i) {
    EXPECT_EQ(CellName(tree, static_cast<int>(i), 0), ToQString(attributes[i]->GetName()));
  }
  EXPECT_EQ(CellDescription(tree, 0, 0),
            "Aggregate attribute with a fully determined utility function");
  EXPECT_EQ(CellDescription(tree, tree->rowCount() - 1, 0), "Basic attribute");

  auto* pages = Child<QTabWidget>(document, "PageControl");
  pages->setCurrentWidget(Child<QWidget>(document, "OptionsPage"));
  ExpectGridReadsTheModel(Child<QWidget>(Child<QWidget>(document, "OptionsPage"), "Grid"), model,
                          basic);
  pages->setCurrentWidget(Child<QWidget>(document, "EvaluationPage"));
  ExpectGridReadsTheModel(Child<QWidget>(Child<QWidget>(document, "EvaluationPage"), "Grid"), model,
                          attributes);

  const TUbicAttribute* car = Find(document, "CAR");
  TFunctForm functForm;
  functForm.Setup(car, *car->Funct());
  QAccessibleTableInterface* rules = TableOf(Child<QWidget>(&functForm, "RuleGrid"));
  ASSERT_TRUE(rules);
  const TUbicFunction& function = *car->Funct();
  ASSERT_EQ(rules->rowCount(), function.RuleCount());
  const int valueColumn = car->InputCount();
  for (int rule = 0; rule < function.RuleCount(); ++rule) {
    EXPECT_EQ(
        CellName(rules, rule, valueColumn),
        ToQString(IntervalText(car->Scale(), function.RuleLow(rule), function.RuleHigh(rule))));
    EXPECT_EQ(CellDescription(rules, rule, valueColumn),
              function.RuleEntered(rule) ? "Entered rule" : "Derived rule");
  }
}

// A key pressed on whatever has the keyboard focus, as a user without a mouse would.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_TRUE(focus) << "nothing has the focus";
  QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}

// Tab until Target has the focus; whether it got it.
bool TabTo(const QWidget* target) {
  for (int i = 0; i < 30 && QApplication::focusWidget() != target; ++i) Press(Qt::Key_Tab);
  return QApplication::focusWidget() == target;
}

TEST_F(Accessibility, EveryPageIsWorkedByKeysAlone) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  QApplication::setActiveWindow(Main.get());
  ASSERT_TRUE(Eventually([] { return QApplication::focusWidget() != nullptr; }));
  const TUbicModel& model = document->Model();
  auto* pages = Child<QTabWidget>(document, "PageControl");

  // Model page: down the tree to Price, a new input for it, named as it comes.
  ASSERT_TRUE(TabTo(Child<QWidget>(document, "ModTreeView")));
  Press(Qt::Key_Home);
  Press(Qt::Key_Down);
  Press(Qt::Key_Down);
  ASSERT_EQ(document->SelectedAttribute()->GetName(), "Price");
  Press(Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(document, "ModNameEdit"));
  QTest::keyClicks(QApplication::focusWidget(), "Speed");
  ASSERT_EQ(InputNames(*Find(document, "Price")), "Speed");

  // Options page, by its tab's key: the grid takes the focus; a digit on the first value cell of
  // Running costs.
  Press(Qt::Key_O, Qt::AltModifier);
  ASSERT_EQ(pages->currentWidget(), Child<QWidget>(document, "OptionsPage"));
  auto* grid = Child<TOptionGrid>(Child<QWidget>(document, "OptionsPage"), "Grid");
  ASSERT_EQ(QApplication::focusWidget(), grid)
      << QApplication::focusWidget()->metaObject()->className() << " "
      << QApplication::focusWidget()->objectName().toStdString();
  const TUbicAttribute* running = Find(document, "Running costs");
  grid->SetCurrent({*grid->RowOf(running) - 1, 2});
  Press(Qt::Key_Down);
  Press(Qt::Key_Left);
  Press('2');
  EXPECT_EQ(running->OptionText(0), "1");

  // Evaluation page: the value reaches the results.
  Press(Qt::Key_L, Qt::AltModifier);
  ASSERT_EQ(pages->currentWidget(), Child<QWidget>(document, "EvaluationPage"));
  EXPECT_FALSE(model.NeedsEvaluation());

  // Graphs page: Price ticked with the space bar, then the first option hidden.
  Press(Qt::Key_G, Qt::AltModifier);
  ASSERT_EQ(pages->currentWidget(), Child<QWidget>(document, "GraphsPage"));
  auto* graphs = Child<TGraphsPage>(document, "GraphsPage");
  ASSERT_TRUE(TabTo(Child<QWidget>(graphs, "GraphTree")));
  Press(Qt::Key_Home);
  Press(Qt::Key_Down);
  Press(Qt::Key_Down);
  Press(Qt::Key_Space);
  EXPECT_EQ(graphs->ChartAttributes(), std::vector<const TUbicAttribute*>{Find(document, "Price")});
  Press(Qt::Key_T, Qt::AltModifier);
  ASSERT_TRUE(TabTo(Child<QWidget>(graphs, "OptionList")));
  Press(Qt::Key_Home);
  Press(Qt::Key_Space);
  EXPECT_FALSE(model.OptionSelected(0));
  EXPECT_TRUE(model.OptionSelected(1));
}

// Runs Body on the dialog that the keys pressed in Open bring up. A dialog that Body's keys do
// not close fails the test and is closed, rather than leaving the test waiting on it.
void ByKeys(const std::function<void()>& open, const std::function<void(QWidget*)>& body) {
  bool ran = false;
  // Stopped with this function, should the keys open nothing.
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ran = dialog != nullptr;
    if (!dialog) return;
    // The focus comes with the dialog's activation.
    if (Eventually([dialog] { return dialog->isAncestorOf(QApplication::focusWidget()); })) {
      body(dialog);
    } else {
      ADD_FAILURE() << "nothing in " << dialog->metaObject()->className() << " has the focus";
    }
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the keys left " << dialog->metaObject()->className() << " open";
      static_cast<QDialog*>(dialog)->reject();
    }
  });
  timer.start(0);
  QWidget* window = QApplication::activeWindow();
  open();
  EXPECT_TRUE(ran) << "the keys opened no dialog";
  // A window manager hands the activation back to the window the dialog came from; the offscreen
  // platform has none. The keys go on where they were before the dialog.
  QApplication::setActiveWindow(window);
  EXPECT_TRUE(Eventually([] { return QApplication::focusWidget() != nullptr; }));
}

// Waits until an edit the keys started in a list is over, as a user sees the cell close.
bool EditEnded(QWidget* dialog) {
  return Eventually([dialog] {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget()) == nullptr &&
           dialog->isAncestorOf(QApplication::focusWidget());
  });
}

TEST_F(Accessibility, TheEditingDialogsAreWorkedByKeysAlone) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  QApplication::setActiveWindow(Main.get());
  ASSERT_TRUE(Eventually([] { return QApplication::focusWidget() != nullptr; }));
  const TUbicAttribute* car = Find(document, "CAR");
  ASSERT_TRUE(TabTo(Child<QWidget>(document, "ModTreeView")));
  Press(Qt::Key_Home);
  ASSERT_EQ(document->SelectedAttribute(), car);

  // The rules of CAR by their key: down to the fourth rule, a derived one, "good" by its digit,
  // and Enter keeps it.
  constexpr int kRule = 3;
  ASSERT_FALSE(car->Funct()->RuleEntered(kRule));
  ByKeys([] { Press(Qt::Key_F, Qt::ControlModifier); },
         [](QWidget*) {
           for (int i = 0; i < kRule; ++i) Press(Qt::Key_Down);
           Press(Qt::Key_3);
           Press(Qt::Key_Return);
         });
  const TUbicFunction* function = document->Model().FindAttribute("CAR")->Funct();
  EXPECT_TRUE(function->RuleEntered(kRule));
  EXPECT_EQ(function->RuleLow(kRule), 2);
  EXPECT_EQ(function->RuleHigh(kRule), 2);
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(document->Model().FindAttribute("CAR")->Funct()->RuleEntered(kRule));

  // Price's scale by the mnemonic of its group and the space bar.
  Press(Qt::Key_Down);
  Press(Qt::Key_Down);
  ASSERT_EQ(document->SelectedAttribute()->GetName(), "Price");
  const auto openScale = [] {
    Press(Qt::Key_C, Qt::AltModifier);
    Press(Qt::Key_Space);
  };
  const auto scale = [this, document] { return Find(document, "Price")->DiscreteScale(); };
  const std::string before = scale()->ValueName(scale()->Count() - 1);

  // Escape leaves the scale as it was, a value added or not. (In the rule editor Escape gives the
  // current rule back to the completion instead.)
  ByKeys(openScale, [](QWidget* dialog) {
    Press(Qt::Key_End);
    Press(Qt::Key_Insert, Qt::ControlModifier);
    Press(Qt::Key_Escape);
    ASSERT_TRUE(EditEnded(dialog));
    Press(Qt::Key_Escape);
  });
  ASSERT_EQ(scale()->Count(), 4);
  EXPECT_EQ(scale()->ValueName(3), before);

  // A value after the last one, named as it comes; Enter ends the name, Enter again keeps it.
  ByKeys(openScale, [](QWidget* dialog) {
    Press(Qt::Key_End);
    Press(Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "over 50000");
    Press(Qt::Key_Return);
    ASSERT_TRUE(EditEnded(dialog));
    Press(Qt::Key_Return);
  });
  ASSERT_EQ(scale()->Count(), 5);
  EXPECT_EQ(scale()->ValueName(3), before);
  EXPECT_EQ(scale()->ValueName(4), "over 50000");
}

}  // namespace
}  // namespace ubic
