// The scale editor, the rule editor and the weights dialog, driven through their controls.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <map>

#include "document/edits.h"
#include "files/modelio.h"
#include "model/function.h"
#include "model/valuetext.h"
#include "ui/functform.h"
#include "ui/namedescform.h"
#include "ui/scaleform.h"
#include "ui/uitext.h"
#include "ui/weiform.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

std::unique_ptr<TUbicDiscreteScale> ScaleOf(std::initializer_list<const char*> names,
                                            TScaleOrder order = TScaleOrder::Ascending) {
  auto scale = std::make_unique<TUbicDiscreteScale>();
  for (const char* name : names) scale->AddValue(name);
  scale->SetOrder(order);
  return scale;
}

TUbicAttribute* AddAttribute(TUbicAttribute* parent, const char* name,
                             std::unique_ptr<TUbicDiscreteScale> scale) {
  auto attribute = std::make_unique<TUbicAttribute>(name, "");
  attribute->SetScale(std::move(scale));
  TUbicAttribute* added = attribute.get();
  parent->AddInput(std::move(attribute));
  return added;
}

// A new, undefined function for Attribute.
// Gives Attribute a function through the document, with the first rule entered as Value when
// it is not negative.
const TUbicFunction* GiveFunction(TModelForm* document, const TUbicAttribute* attribute,
                                  int value = -1) {
  TUbicFunction function;
  function.Initialize(attribute);
  if (value >= 0) {
    function.SetRuleValue(0, value);
    function.SetRuleEntered(0, true);
    function.Recompute();
  }
  document->Run(edits::SetFunction(*attribute, function));
  return attribute->Funct();
}

class Editors : public TUiTest {
 protected:
  // Top (low, medium, high) over Quality (bad value red, good value green) and Extra (no, yes);
  // Mixed over an ordered and an unordered input; Weighed over three yes/no inputs; and a basic
  // attribute without a scale. Two options.
  TModelForm* OpenExample() {
    TUbicModel model;
    TUbicAttribute* root = model.Root();
    TUbicAttribute* top = AddAttribute(root, "Top", ScaleOf({"low", "medium", "high"}));
    auto quality = ScaleOf({"poor", "fair", "fine"});
    quality->SetBadThreshold(0);
    quality->SetGoodThreshold(2);
    AddAttribute(top, "Quality", std::move(quality));
    AddAttribute(top, "Extra", ScaleOf({"no", "yes"}));
    TUbicAttribute* mixed = AddAttribute(root, "Mixed", ScaleOf({"no", "yes"}));
    AddAttribute(mixed, "Ordered", ScaleOf({"no", "yes"}));
    AddAttribute(mixed, "Colour", ScaleOf({"red", "blue"}, TScaleOrder::None));
    TUbicAttribute* weighed = AddAttribute(root, "Weighed", ScaleOf({"no", "yes"}));
    for (const char* name : {"W1", "W2", "W3"}) AddAttribute(weighed, name, ScaleOf({"no", "yes"}));
    AddAttribute(root, "Plain", nullptr);
    model.AddOption("First");
    model.AddOption("Second");
    model.FindAttribute("Quality")->SetOptionValue(0, 0);
    model.FindAttribute("Quality")->SetOptionValue(1, 2);
    const std::string file = TempFile("example.ubm");
    SaveModel(model, file);
    return Main->CreateDocument(file);
  }

  static QByteArray Saved(TModelForm* document, const std::string& file) {
    SaveModel(document->Model(), file);
    QFile saved(QString::fromStdString(file));
    EXPECT_TRUE(saved.open(QIODevice::ReadOnly));
    return saved.readAll();
  }

  // The in-place editor being shown; closed ones may linger until deleted.
  static QLineEdit* OpenEditor(const QWidget* view) {
    for (QLineEdit* editor : view->findChildren<QLineEdit*>()) {
      if (editor->isVisible()) return editor;
    }
    return nullptr;
  }

  static QString Cell(const TFunctForm& form, int rule, int column) {
    return Child<QTableView>(&form, "RuleGrid")->model()->index(rule, column).data().toString();
  }
};

// The rule editor opened on an attribute without a function, through the Model page.

TEST_F(Editors, NewFunctionEnteredByDigitKeysAndKeptOnOk) {
  TModelForm* document = OpenExample();
  Select(document, "Top");
  ASSERT_TRUE(Child<QPushButton>(document, "ModFunctBtn")->isEnabled());
  WithModal([&] { Child<QAction>(document, "ModFunct")->trigger(); },
            [&](QWidget*) {
              TFunctForm& form = *Child<TFunctForm>(document, "FunctForm");
              EXPECT_EQ(form.windowTitle(), "Decision rules Top");
              ASSERT_EQ(Child<QTableView>(&form, "RuleGrid")->model()->rowCount(), 6);
              for (int rule = 0; rule < 6; ++rule) EXPECT_EQ(Cell(form, rule, 2), "*");
              EXPECT_FALSE(Child<QPushButton>(&form, "DeleteBtn")->isEnabled());
              EXPECT_EQ(form.CurrentRule(), 0);
              QTest::keyClick(Child<QTableView>(&form, "RuleGrid"), Qt::Key_4);
              EXPECT_EQ(form.EditedFunction()->EnteredCount(), 0) << "no fourth value";
              QTest::keyClick(Child<QTableView>(&form, "RuleGrid"), Qt::Key_2);
              EXPECT_EQ(form.EditedFunction()->RuleLow(0), 1);
              EXPECT_EQ(form.EditedFunction()->RuleHigh(0), 1);
              EXPECT_TRUE(form.EditedFunction()->RuleEntered(0));
              EXPECT_EQ(form.CurrentRule(), 0) << "the cursor stays";
              EXPECT_TRUE(Child<QTableView>(&form, "RuleGrid")
                              ->model()
                              ->index(0, 2)
                              .data(Qt::FontRole)
                              .value<QFont>()
                              .bold());
              EXPECT_FALSE(Child<QTableView>(&form, "RuleGrid")
                               ->model()
                               ->index(1, 2)
                               .data(Qt::FontRole)
                               .value<QFont>()
                               .bold());
              // The worst combination is medium: every other rule is at least medium.
              EXPECT_EQ(Cell(form, 5, 2), ">=medium");
              EXPECT_TRUE(Child<QPushButton>(&form, "DeleteBtn")->isEnabled());
              EXPECT_TRUE(Child<QLabel>(&form, "StatusLine")->text().startsWith("Rules: 1/6"));
              QTest::mouseClick(Child<QPushButton>(&form, "OkBtn"), Qt::LeftButton);
            });
  const TUbicFunction* function = Find(document, "Top")->Funct();
  ASSERT_TRUE(function);
  EXPECT_EQ(function->EnteredCount(), 1);
  EXPECT_EQ(function->RuleLow(5), 1);
  EXPECT_TRUE(document->Document().Modified());
  EXPECT_TRUE(Child<QLabel>(document, "ModFunctText")->text().startsWith("Rules: 1/6"));
}

TEST_F(Editors, CancelRightAfterCreatingLeavesNoFunction) {
  TModelForm* document = OpenExample();
  Select(document, "Top");
  WithModal(
      [&] { document->ModFunctClick(); },
      [&](QWidget*) {
        QTest::keyClick(Child<QTableView>(Child<TFunctForm>(document, "FunctForm"), "RuleGrid"),
                        Qt::Key_3);
        QTest::mouseClick(Child<QPushButton>(Child<TFunctForm>(document, "FunctForm"), "CancelBtn"),
                          Qt::LeftButton);
      });
  EXPECT_FALSE(Find(document, "Top")->Funct());
  EXPECT_EQ(Child<QLabel>(document, "ModFunctText")->text(), "<undefined>");
}

TEST_F(Editors, ArgumentColoursAndHeaders) {
  TModelForm* document = OpenExample();
  const TUbicAttribute* top = Find(document, "Top");
  GiveFunction(document, top);
  TFunctForm form;
  form.Setup(top, *top->Funct());
  const QAbstractItemModel* grid = Child<QTableView>(&form, "RuleGrid")->model();
  EXPECT_EQ(grid->headerData(0, Qt::Horizontal).toString(), "Quality");
  EXPECT_EQ(grid->headerData(2, Qt::Horizontal).toString(), "Top");
  EXPECT_EQ(grid->headerData(3, Qt::Vertical).toString(), "4");
  const std::map<QString, QVariant> colours = {
      {"poor", QColor(Qt::red)}, {"fair", QVariant()}, {"fine", QColor(0, 128, 0)}};
  for (int rule = 0; rule < 6; ++rule) {
    const QString value = Cell(form, rule, 0);
    ASSERT_TRUE(colours.contains(value)) << value.toStdString();
    EXPECT_EQ(grid->index(rule, 0).data(Qt::ForegroundRole), colours.at(value)) << rule;
  }
  EXPECT_EQ(grid->flags(grid->index(0, 0)) & Qt::ItemIsSelectable, 0);
  form.reject();
}

TEST_F(Editors, IntervalCarriedByTheLastItemAndEscapeUnenters) {
  TModelForm* document = OpenExample();
  const TUbicAttribute* top = Find(document, "Top");
  GiveFunction(document, top);
  TFunctForm form;
  form.Setup(top, *top->Funct());
  form.show();
  const TUbicFunction& edited = *form.EditedFunction();
  QTest::keyClick(Child<QTableView>(&form, "RuleGrid"),
                  Qt::Key_2);  // rule 1: medium, so the rest are >=medium
  form.SetCurrentRule(3);
  EXPECT_EQ(Child<QComboBox>(&form, "ValueCombo")->currentText(), ">=medium");
  form.SetCurrentRule(1);
  form.ValueComboChange(Child<QComboBox>(&form, "ValueCombo")->count() - 1);
  EXPECT_TRUE(edited.RuleEntered(1));
  EXPECT_EQ(edited.RuleLow(1), 1);
  EXPECT_EQ(edited.RuleHigh(1), 2);
  EXPECT_EQ(Cell(form, 1, 2), ">=medium");

  form.SetCurrentRule(0);
  QTest::keyClick(Child<QTableView>(&form, "RuleGrid"), Qt::Key_Escape);
  EXPECT_TRUE(form.isVisible()) << "Escape does not close the editor";
  EXPECT_FALSE(edited.RuleEntered(0));
  EXPECT_EQ(edited.EnteredCount(), 1);
  QTest::keyClick(Child<QComboBox>(&form, "ValueCombo"), Qt::Key_Delete);
  EXPECT_FALSE(edited.RuleEntered(0));
  form.SetCurrentRule(1);
  QTest::keyClick(Child<QComboBox>(&form, "ValueCombo"), Qt::Key_Delete);
  EXPECT_EQ(edited.EnteredCount(), 0);
  EXPECT_EQ(Cell(form, 1, 2), "*");
  form.reject();
  EXPECT_FALSE(form.EditedFunction());
  EXPECT_EQ(top->Funct()->EnteredCount(), 0);
}

TEST_F(Editors, WeightsOnlyForOrderedInputs) {
  TModelForm* document = OpenExample();
  TFunctForm form;
  for (const auto& [name, shown] : {std::pair{"Mixed", false}, std::pair{"Top", true}}) {
    const TUbicAttribute* attribute = Find(document, name);
    GiveFunction(document, attribute);
    form.Setup(attribute, *attribute->Funct());
    EXPECT_EQ(Child<QPushButton>(&form, "WeightsBtn")->isHidden(), !shown) << name;
    EXPECT_EQ(Child<QCheckBox>(&form, "UseWeightsCheck")->isHidden(), !shown) << name;
    EXPECT_EQ(form.WeiForm() != nullptr, shown) << name;
    form.reject();
  }
}

// The weights dialog

class Weights : public Editors {
 protected:
  void SetUp() override {
    Editors::SetUp();
    Document = OpenExample();
    Weighed = Find(Document, "Weighed");
    GiveFunction(Document, Weighed);
    Form.Setup(Weighed, *Weighed->Funct());
    Form.show();
  }

  // The editor reads its attribute's names as it hides, and the attribute goes with the document.
  void TearDown() override {
    Form.hide();
    Editors::TearDown();
  }

  TWeightTrackBar* TrackBar(int input) {
    return Child<TWeightTrackBar>(&Dialog(), ("TrackBar" + std::to_string(input)).c_str());
  }

  QSpinBox* RequiredEdit(int input) {
    return Child<QSpinBox>(&Dialog(), ("RequiredEdit" + std::to_string(input)).c_str());
  }

  void SetTrackBars(std::initializer_list<int> positions) {
    int i = 0;
    for (const int position : positions) TrackBar(i++)->setValue(position);
  }

  std::vector<int> TrackBars() {
    std::vector<int> positions;
    for (std::size_t i = 0; i < Dialog().RequiredWeights().size(); ++i) {
      positions.push_back(TrackBar(static_cast<int>(i))->value());
    }
    return positions;
  }

  void Click(const char* button) {
    QTest::mouseClick(Child<QPushButton>(&Dialog(), button), Qt::LeftButton);
  }

  TWeiForm& Dialog() { return *Form.WeiForm(); }

  TModelForm* Document = nullptr;
  const TUbicAttribute* Weighed = nullptr;
  TFunctForm Form;
};

TEST_F(Weights, NormalisingToSumAndMaximum) {
  Dialog().show();
  ASSERT_EQ(Dialog().RequiredWeights().size(), 3u);
  EXPECT_EQ(Dialog().windowTitle(), "Weights: Weighed");
  SetTrackBars({0, 0, 0});
  Click("SumBtn");
  EXPECT_EQ(TrackBars(), (std::vector<int>{0, 0, 0}));
  SetTrackBars({20, 20, 20});
  EXPECT_EQ(RequiredEdit(2)->value(), 20);
  Click("SumBtn");
  EXPECT_EQ(TrackBars(), (std::vector<int>{33, 33, 33}));
  EXPECT_NEAR(Dialog().RequiredWeights()[0], 100.0 / 3, 1e-9);
  EXPECT_EQ(RequiredEdit(1)->value(), 33);
  Click("MaxBtn");
  EXPECT_EQ(TrackBars(), (std::vector<int>{100, 100, 100}));
  Dialog().reject();
}

TEST_F(Weights, ApplyDerivesRulesAndCancelInTheEditorDiscardsIt) {
  // Two entered rules give the table its range; the weights derive the rest.
  QTest::keyClick(Child<QTableView>(&Form, "RuleGrid"), Qt::Key_1);
  Form.SetCurrentRule(7);
  QTest::keyClick(Child<QTableView>(&Form, "RuleGrid"), Qt::Key_2);
  const std::vector<std::string> before = Weighed->Funct()->Rules().Strings();
  Dialog().show();
  SetTrackBars({100, 0, 0});
  Click("ApplyBtn");
  EXPECT_TRUE(Child<QCheckBox>(&Form, "UseWeightsCheck")->isChecked());
  EXPECT_TRUE(Form.EditedFunction()->UseWeights());
  EXPECT_EQ(Form.EditedFunction()->Weights(), (floatarray{100, 0, 0}));
  // W1 alone decides: every rule with W1 = yes is yes, with W1 = no is no.
  for (int rule = 1; rule < 7; ++rule) {
    const int w1 = Form.EditedFunction()->RuleInput(0, rule);
    EXPECT_EQ(Form.EditedFunction()->RuleLow(rule), w1) << rule;
    EXPECT_EQ(Form.EditedFunction()->RuleHigh(rule), w1) << rule;
  }
  Dialog().reject();
  EXPECT_TRUE(Form.EditedFunction()->UseWeights()) << "Cancel keeps what Apply stored";
  Form.reject();
  EXPECT_EQ(Weighed->Funct()->Rules().Strings(), before);
  EXPECT_FALSE(Weighed->Funct()->UseWeights());
}

TEST_F(Weights, ConflictMendedWithWeightsInUseGivesTheTableOfTheEntries) {
  // Rule w1 * 4 + w2 * 2 + w3. (0,0,0) no and (1,1,1) yes; (1,1,0) no below (0,1,0) yes is a
  // conflict.
  QTableView* grid = Child<QTableView>(&Form, "RuleGrid");
  const QLabel* status = Child<QLabel>(&Form, "StatusLine");
  for (const auto& [rule, key] : {std::pair{0, Qt::Key_1}, std::pair{7, Qt::Key_2},
                                  std::pair{2, Qt::Key_2}, std::pair{6, Qt::Key_1}}) {
    Form.SetCurrentRule(rule);
    QTest::keyClick(grid, key);
  }
  EXPECT_TRUE(status->text().endsWith(", 1 conflict, open rules stay *"))
      << status->text().toStdString();
  EXPECT_EQ(Cell(Form, 4, 3), "*");

  // Weights applied while the rules conflict fill the open rules all the same: W1 alone counts,
  // and the conflicting pair leaves it nothing to go by.
  Dialog().show();
  SetTrackBars({100, 0, 0});
  Click("OkBtn");
  EXPECT_TRUE(status->text().endsWith(", 1 conflict, open rules follow the weights"))
      << status->text().toStdString();
  EXPECT_EQ(Cell(Form, 4, 3), "no");

  // Mended by taking (1,1,0) back: now W1 = yes lifts a rule to yes.
  Form.SetCurrentRule(6);
  QTest::keyClick(grid, Qt::Key_Delete);
  EXPECT_FALSE(status->text().contains("conflict")) << status->text().toStdString();
  EXPECT_EQ(Cell(Form, 4, 3), "yes");
  TUbicFunction atOnce;
  atOnce.Initialize(Weighed);
  for (const auto& [rule, value] : {std::pair{0, 0}, std::pair{7, 1}, std::pair{2, 1}}) {
    atOnce.EnterRule(rule, value, value);
  }
  atOnce.ApplyWeights({100, 0, 0}, true);
  EXPECT_EQ(Form.EditedFunction()->Rules().Strings(), atOnce.Rules().Strings());

  // Without the weights the open rules are bounded by the entries alone.
  QTest::mouseClick(Child<QCheckBox>(&Form, "UseWeightsCheck"), Qt::LeftButton);
  EXPECT_EQ(Cell(Form, 4, 3), "*");
  Form.reject();
}

// The scale editor

TEST_F(Editors, ScaleStartedFromNewValue) {
  TModelForm* document = OpenExample();
  Select(document, "Plain");
  WithModal(
      [&] { Child<QPushButton>(document, "ModScaleBtn")->click(); },
      [&](QWidget*) {
        TScaleForm& form = *Child<TScaleForm>(document, "ScaleForm");
        EXPECT_EQ(form.windowTitle(), "Scale Plain");
        ASSERT_EQ(Child<QTreeWidget>(&form, "ValueList")->topLevelItemCount(), 1);
        EXPECT_EQ(Child<QTreeWidget>(&form, "ValueList")->topLevelItem(0)->text(0), "new value");
        EXPECT_FALSE(Child<QPushButton>(&form, "OkBtn")->isEnabled());
        EXPECT_EQ(Child<QLabel>(&form, "ProblemLabel")->text(), "A scale needs at least 2 values");
        QLineEdit* editor = OpenEditor(Child<QTreeWidget>(&form, "ValueList"));
        ASSERT_TRUE(editor);
        editor->setText("cheap");
        QTest::keyClick(editor, Qt::Key_Return);
        Child<QAction>(&form, "AddAction")->trigger();
        EXPECT_EQ(Child<QTreeWidget>(&form, "ValueList")->topLevelItemCount(), 2);
        EXPECT_EQ(form.SelectedIndex(), 1);
        EXPECT_TRUE(Child<QPushButton>(&form, "OkBtn")->isEnabled());
        editor = OpenEditor(Child<QTreeWidget>(&form, "ValueList"));
        ASSERT_TRUE(editor);
        editor->setText("dear");
        Child<QCheckBox>(&form, "DefaultCheck")->setChecked(true);
        QTest::mouseClick(Child<QPushButton>(&form, "OkBtn"), Qt::LeftButton);
      });
  const TUbicDiscreteScale* scale = Find(document, "Plain")->DiscreteScale();
  ASSERT_TRUE(scale);
  ASSERT_EQ(scale->Count(), 2);
  EXPECT_EQ(scale->ValueName(0), "cheap");
  EXPECT_EQ(scale->ValueName(1), "dear") << "the open edit ends before OK";
  EXPECT_EQ(document->Model().LastScale(), scale);
  // New attributes copy the default scale.
  Child<QAction>(document, "ModAdd")->trigger();
  const TUbicDiscreteScale* copy = document->SelectedAttribute()->DiscreteScale();
  ASSERT_TRUE(copy);
  EXPECT_TRUE(copy->IsEqual(*scale));

  // Confirmed again without the tick, the replaced default is forgotten.
  Select(document, "Plain");
  WithModal([&] { document->ModScaleClick(); },
            [&](QWidget*) {
              EXPECT_TRUE(Child<QCheckBox>(Child<TScaleForm>(document, "ScaleForm"), "DefaultCheck")
                              ->isChecked());
              Child<QCheckBox>(Child<TScaleForm>(document, "ScaleForm"), "DefaultCheck")
                  ->setChecked(false);
              Child<TScaleForm>(document, "ScaleForm")->OkClick();
            });
  EXPECT_FALSE(document->Model().LastScale());
}

// The red pixels of a widget: a reason drawn in the dialog, and the icons of bad values.
int RedPixels(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor colour = image.pixelColor(x, y);
      count += colour.red() > 120 && colour.green() < 80 && colour.blue() < 80;
    }
  }
  return count;
}

// A file's scale whose names differ only in letter case opens; its editor keeps OK disabled and
// says why while names are typed, until they differ.
TEST_F(Editors, ScaleEditorSaysWhyOkWaitsForDistinctNames) {
  TUbicModel model;
  AddAttribute(model.Root(), "Size", ScaleOf({"small", " Small", "big"}));
  const std::string file = TempFile("names.ubm");
  SaveModel(model, file);
  TModelForm* document = Main->CreateDocument(file);
  ASSERT_TRUE(document);
  Select(document, "Size");
  WithModal([&] { document->ModScaleClick(); },
            [&](QWidget*) {
              TScaleForm& form = *Child<TScaleForm>(document, "ScaleForm");
              QPushButton* ok = Child<QPushButton>(&form, "OkBtn");
              QLabel* reason = Child<QLabel>(&form, "ProblemLabel");
              const QString same =
                  "Values 1 \"small\" and 2 \" Small\" differ only in letter case or blanks";
              EXPECT_FALSE(ok->isEnabled());
              EXPECT_EQ(reason->text(), same);
              EXPECT_EQ(ok->toolTip(), same);
              EXPECT_TRUE(reason->isVisible());
              EXPECT_GT(RedPixels(reason), 0);
              const int redWithReason = RedPixels(&form);

              // OK follows the name while it is typed.
              form.SelectValue(1);
              Child<QAction>(&form, "EditInPlaceAction")->trigger();
              QLineEdit* editor = OpenEditor(Child<QTreeWidget>(&form, "ValueList"));
              ASSERT_TRUE(editor);
              editor->selectAll();
              QTest::keyClicks(editor, "medium");
              EXPECT_TRUE(ok->isEnabled());
              EXPECT_TRUE(reason->isHidden());
              EXPECT_EQ(ok->toolTip(), "");
              editor->selectAll();
              QTest::keyClicks(editor, "BIG");
              EXPECT_FALSE(ok->isEnabled());
              EXPECT_EQ(reason->text(),
                        "Values 2 \"BIG\" and 3 \"big\" differ only in letter case or blanks");
              // OK with the name still open ends the edit and then refuses the scale.
              form.OkClick();
              EXPECT_TRUE(form.isVisible());
              EXPECT_EQ(form.NewScale()->ValueName(1), "BIG");

              Child<QAction>(&form, "EditInPlaceAction")->trigger();
              editor = OpenEditor(Child<QTreeWidget>(&form, "ValueList"));
              ASSERT_TRUE(editor);
              editor->selectAll();
              QTest::keyClick(editor, Qt::Key_Backspace);
              EXPECT_EQ(reason->text(), "Value 2 has no name");
              QTest::keyClicks(editor, "medium");
              QTest::keyClick(editor, Qt::Key_Return);
              EXPECT_TRUE(ok->isEnabled());
              EXPECT_LT(RedPixels(&form), redWithReason) << "the reason is no longer drawn";
              QTest::mouseClick(ok, Qt::LeftButton);
              // A refused scale would keep the dialog, and the test, waiting.
              if (form.isVisible()) form.reject();
            });
  const TUbicDiscreteScale* scale = Find(document, "Size")->DiscreteScale();
  ASSERT_TRUE(scale);
  EXPECT_EQ(scale->ValueName(1), "medium");
  EXPECT_EQ(scale->AcceptanceProblem(), "");
}

TEST_F(Editors, DeletingAValueAsksWhatHoldsItAndCancelRestoresEverything) {
  TModelForm* document = OpenExample();
  const TUbicAttribute* top = Find(document, "Top");
  GiveFunction(document, top, 0);
  const QByteArray before = Saved(document, TempFile("before.ubm"));
  Select(document, "Quality");
  WithModal([&] { document->ModScaleClick(); },
            [&](QWidget*) {
              TScaleForm& form = *Child<TScaleForm>(document, "ScaleForm");
              auto* list = Child<QTreeWidget>(&form, "ValueList");
              // The first option's value and Top's entered rule hold poor: the editor asks.
              form.SelectValue(0);
              Questions.Answer(TAnswer::No);
              Child<QAction>(&form, "DeleteAction")->trigger();
              EXPECT_EQ(TakeAsked(),
                        (std::vector<std::string>{
                            "Deleting the value \"poor\" takes it from 1 option and 1 entered "
                            "rule.\rDo you still want to delete the value?"}));
              EXPECT_EQ(list->topLevelItemCount(), 3) << "No keeps the value";
              // Nothing holds fair in the middle, and there is no question.
              form.SelectValue(1);
              Child<QAction>(&form, "DeleteAction")->trigger();
              EXPECT_TRUE(TakeAsked().empty());
              EXPECT_EQ(list->topLevelItemCount(), 2);
              EXPECT_EQ(list->topLevelItem(1)->text(0), "fine");
              EXPECT_EQ(Find(document, "Quality")->OptionValue(1), 2) << "the model waits for OK";
              EXPECT_FALSE(Child<QAction>(&form, "DeleteAction")->isEnabled()) << "two values stay";
              Child<QAction>(&form, "AddAction")->trigger();
              form.reject();
            });
  EXPECT_EQ(Saved(document, TempFile("after.ubm")), before);

  // Confirmed, the deletion is one step that takes the values and rules of poor along.
  Questions.Answer(TAnswer::Yes);
  WithModal([&] { document->ModScaleClick(); },
            [&](QWidget*) {
              Child<TScaleForm>(document, "ScaleForm")->SelectValue(0);
              Child<QAction>(Child<TScaleForm>(document, "ScaleForm"), "DeleteAction")->trigger();
              Child<TScaleForm>(document, "ScaleForm")->OkClick();
            });
  EXPECT_EQ(TakeAsked().size(), 1u);
  EXPECT_EQ(Find(document, "Top")->Funct()->RuleCount(), 4) << "the rules of poor went";
  EXPECT_EQ(Find(document, "Quality")->OptionValue(1), 1) << "fine moved down";
  EXPECT_EQ(document->History().UndoName(), "Edit scale");
  document->UndoStep(false);
  EXPECT_EQ(Saved(document, TempFile("undone.ubm")), before);
}

// Cancel while a new value's name is still being typed in place: the name is dropped with the
// scale, and the model stays as it was.
TEST_F(Editors, ScaleCancelledWhileNamingAValue) {
  TModelForm* document = OpenExample();
  const QByteArray before = Saved(document, TempFile("before.ubm"));
  Select(document, "Quality");
  WithModal([&] { document->ModScaleClick(); },
            [&](QWidget* dialog) {
              // Closing the active dialog hands the name's editor a last focus change.
              QApplication::setActiveWindow(dialog);
              TScaleForm& form = *Child<TScaleForm>(document, "ScaleForm");
              Child<QAction>(&form, "AddAction")->trigger();
              QLineEdit* editor = OpenEditor(Child<QTreeWidget>(&form, "ValueList"));
              ASSERT_TRUE(editor);
              editor->setFocus();
              TypeKeys(editor, "worse");
              Child<QPushButton>(&form, "CancelBtn")->click();
            });
  EXPECT_EQ(Saved(document, TempFile("after.ubm")), before);
  EXPECT_EQ(Find(document, "Quality")->Scale()->Count(), 3);
}

TEST_F(Editors, FunctionsAreCompletedAgainstTheEditedScale) {
  TModelForm* document = OpenExample();
  const TUbicAttribute* top = Find(document, "Top");
  GiveFunction(document, top, 1);
  ASSERT_EQ(top->Funct()->RuleLow(1), 1);
  ASSERT_EQ(top->Funct()->RuleHigh(1), 2);

  // Extra turned descending: "yes" is now the worse value, so poor/yes is at most medium.
  Select(document, "Extra");
  WithModal([&] { document->ModScaleClick(); },
            [&](QWidget*) {
              Child<TScaleForm>(document, "ScaleForm")->OrderComboChange(2);
              QTest::mouseClick(
                  Child<QPushButton>(Child<TScaleForm>(document, "ScaleForm"), "OkBtn"),
                  Qt::LeftButton);
            });
  EXPECT_EQ(top->Funct()->RuleLow(1), 0);
  EXPECT_EQ(top->Funct()->RuleHigh(1), 1);

  // A fourth value of Top: the rules that could be any value reach it.
  Select(document, "Top");
  WithModal([&] { document->ModScaleClick(); },
            [&](QWidget*) {
              Child<TScaleForm>(document, "ScaleForm")->SelectValue(2);
              Child<TScaleForm>(document, "ScaleForm")->AddClick();
              QTest::mouseClick(
                  Child<QPushButton>(Child<TScaleForm>(document, "ScaleForm"), "OkBtn"),
                  Qt::LeftButton);
            });
  ASSERT_EQ(top->Scale()->Count(), 4);
  const TUbicFunction& adapted = *top->Funct();
  EXPECT_TRUE(adapted.RuleEntered(0));
  EXPECT_EQ(adapted.RuleHigh(0), 1);
  EXPECT_EQ(adapted.RuleHigh(4), 3) << "at least medium now reaches the new top value";
  EXPECT_EQ(ToQString(IntervalText(top->Scale(), adapted.RuleLow(3), adapted.RuleHigh(3))), "*");
}

TEST_F(Editors, ClickOnTheFunctionTextOpensTheRuleEditor) {
  TModelForm* document = OpenExample();
  const TUbicAttribute* top = Find(document, "Top");
  GiveFunction(document, top);
  const TUbicFunction* before = top->Funct();
  Select(document, "Top");
  WithModal([&] { QTest::mouseClick(Child<QLabel>(document, "ModFunctText"), Qt::LeftButton); },
            [&](QWidget* dialog) {
              EXPECT_EQ(dialog, Child<TFunctForm>(document, "FunctForm"));
              QTest::keyClick(
                  Child<QTableView>(Child<TFunctForm>(document, "FunctForm"), "RuleGrid"),
                  Qt::Key_1);
              Child<TFunctForm>(document, "FunctForm")->reject();
            });
  EXPECT_EQ(top->Funct(), before);
  EXPECT_EQ(top->Funct()->EnteredCount(), 0);

  // Every activation starts at the first rule; OK hands over the edited copy.
  WithModal([&] { Child<QAction>(document, "ModFunct")->trigger(); },
            [&](QWidget*) {
              EXPECT_EQ(Child<TFunctForm>(document, "FunctForm")->CurrentRule(), 0);
              Child<TFunctForm>(document, "FunctForm")->SetCurrentRule(4);
              QTest::keyClick(
                  Child<QTableView>(Child<TFunctForm>(document, "FunctForm"), "RuleGrid"),
                  Qt::Key_3);
              Child<TFunctForm>(document, "FunctForm")->accept();
            });
  ASSERT_NE(top->Funct(), before);
  EXPECT_TRUE(top->Funct()->RuleEntered(4));
  EXPECT_EQ(top->Funct()->RuleLow(4), 2);
}

TEST_F(Editors, TrackBarDrawsTheActualWeightAsABand) {
  TWeightTrackBar bar;
  bar.resize(220, 30);
  const auto bandPixels = [&bar] {
    const QImage image = bar.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == QColor(0, 0, 128);
    }
    return count;
  };
  EXPECT_EQ(bandPixels(), 0);
  bar.SetSelectionEnd(50);
  const int half = bandPixels();
  bar.SetSelectionEnd(100);
  EXPECT_GT(half, 0);
  EXPECT_NEAR(bandPixels(), 2 * half, 8);
}

TEST_F(Editors, ValueClassesAndOrder) {
  TModelForm* document = OpenExample();
  TScaleForm form(Questions);
  form.Setup(Find(document, "Extra"));
  form.SelectValue(0);
  EXPECT_TRUE(Child<QAction>(&form, "BadAction")->isEnabled());
  Child<QComboBox>(&form, "OrderCombo")->setCurrentIndex(0);
  form.OrderComboChange(0);
  EXPECT_EQ(form.NewScale()->Order(), TScaleOrder::None);
  EXPECT_EQ(form.SelectedIndex(), 0);
  for (QAction* action :
       {Child<QAction>(&form, "BadAction"), Child<QAction>(&form, "NeutralAction"),
        Child<QAction>(&form, "GoodAction")}) {
    EXPECT_FALSE(action->isEnabled());
  }
  form.OrderComboChange(1);
  form.BadClick();
  EXPECT_TRUE(form.NewScale()->IsBad(0));
  form.SelectValue(1);
  form.GoodClick();
  EXPECT_TRUE(form.NewScale()->IsGood(1));
  form.NeutralClick();
  EXPECT_FALSE(form.NewScale()->IsGood(1));
  EXPECT_TRUE(form.NewScale()->IsBad(0));
  form.reject();
  EXPECT_FALSE(form.NewScale());
}

TEST_F(Editors, MovingAValueKeepsOptionIndicesAndEditsNameAndDescription) {
  TModelForm* document = OpenExample();
  const TUbicAttribute* quality = Find(document, "Quality");
  TScaleForm form(Questions);
  form.Setup(quality);
  form.SelectValue(2);
  EXPECT_FALSE(Child<QAction>(&form, "DownAction")->isEnabled());
  form.UpClick();
  EXPECT_EQ(form.SelectedIndex(), 1);
  EXPECT_EQ(Child<QTreeWidget>(&form, "ValueList")->topLevelItem(1)->text(0), "fine");
  EXPECT_EQ(quality->OptionValue(1), 2);
  QTimer::singleShot(0, [&] {
    TNameDescEditForm* edit = Child<TNameDescEditForm>(&form, "NameDescEditForm");
    EXPECT_EQ(edit->windowTitle(), "Arranging 2. of attribute value Quality");
    EXPECT_EQ(Child<QLineEdit>(edit, "NameEdit")->text(), "fine");
    Child<QLineEdit>(edit, "NameEdit")->setText("great");
    Child<QLineEdit>(edit, "DescEdit")->setText("the best");
    edit->accept();
  });
  form.EditClick();
  EXPECT_EQ(form.NewScale()->ValueName(1), "great");
  EXPECT_EQ(Child<QTreeWidget>(&form, "ValueList")->topLevelItem(1)->text(1), "the best");
  form.reject();
}

TEST_F(Editors, ScaleHoldsAtMost208Values) {
  TModelForm* document = OpenExample();
  const TUbicAttribute* extra = Find(document, "Extra");
  auto scale = std::make_unique<TUbicDiscreteScale>();
  for (int i = 0; i < 208; ++i) scale->AddValue("v" + std::to_string(i));
  Change(document,
         [&](TUbicModel& model) { model.FindAttribute("Extra")->SetScale(std::move(scale)); });
  TScaleForm form(Questions);
  form.Setup(extra);
  form.AddClick();
  ASSERT_EQ(Questions.Asked().size(), 1u);
  EXPECT_EQ(Questions.Asked()[0].Kind, TScriptedQuestions::TKind::Error);
  EXPECT_EQ(form.NewScale()->Count(), 208);
  EXPECT_EQ(Child<QTreeWidget>(&form, "ValueList")->topLevelItemCount(), 208);
  TakeAsked();
  form.reject();
}

}  // namespace
}  // namespace ubic
