// The Model page: building a tree through the window, with every question answered both ways.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QTest>

#include "foundation/cp1250.h"
#include "model/function.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

using TKind = TScriptedQuestions::TKind;

class ModelPage : public TUiTest {
 protected:
  TModelForm* OpenCar() { return Main->CreateDocument(Example("car.ubm")); }

  void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    TypeKeys(edit, text);
  }

  static std::vector<std::string> TopLevelNames(TModelForm* document) {
    std::vector<std::string> names;
    for (int i = 0; i < Child<TModelTreeView>(document, "ModTreeView")->topLevelItemCount(); ++i) {
      names.push_back(
          Child<TModelTreeView>(document, "ModTreeView")->topLevelItem(i)->text(0).toStdString());
    }
    return names;
  }
};

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) captions << action->text();
  return captions;
}

TEST_F(ModelPage, CommandsOfTheEditMenuAndPopup) {
  TModelForm* document = Main->CreateDocument({});
  const QStringList popup = {"&Add attribute",
                             "&Delete subtree or item",
                             "",
                             "Cu&t",
                             "&Copy",
                             "&Paste",
                             "Dup&licate",
                             "",
                             "Move &up",
                             "Move d&own"};
  EXPECT_EQ(Captions(Child<QMenu>(document, "ModPopupMenu")), popup);
  const QStringList editOnly = {
      "", "S&cale...", "Delete domai&n", "", "&Utility function...", "Delete function"};
  EXPECT_EQ(Captions(Child<QMenu>(document, "ModEditMenu")),
            QStringList({"&Undo", "&Redo", ""}) + popup + editOnly);
  struct TExpected {
    QAction* Action;
    const char* Tip;
    const char* Status;
    const char* Keys;
  };
  for (const TExpected& expected : std::initializer_list<TExpected>{
           {Child<QAction>(document, "ModAdd"), "Add", "Add new attribute", "Ctrl+Ins"},
           {Child<QAction>(document, "ModDelete"), "Delete", "Delete subtree or item", "Ctrl+Del"},
           {Child<QAction>(document, "ModCut"), "Cut", "Cut subtree or item", "Ctrl+X"},
           {Child<QAction>(document, "ModDuplicate"), "Duplicate", "Duplicate subtree or item",
            "Ctrl+2"},
           {Child<QAction>(document, "ModDown"), "Move down", "Move subtree or item downwards",
            "Ctrl+Down"},
           {Child<QAction>(document, "ModFunct"), "Utility function", "Change utility function",
            "Ctrl+F"},
           {Child<QAction>(document, "ModScale"), "Scale", "Change scale", ""},
           {Child<QAction>(document, "ModDelScale"), "Delete scale", "Delete scale", ""}}) {
    EXPECT_EQ(expected.Action->toolTip(), expected.Tip);
    EXPECT_EQ(expected.Action->statusTip(), expected.Status);
    EXPECT_EQ(expected.Action->shortcut(), QKeySequence(expected.Keys));
  }
}

TEST_F(ModelPage, BuildTreeThroughTheWindow) {
  TModelForm* document = Main->CreateDocument({});
  // A single attribute can be added to, copied and duplicated, but not deleted or cut.
  EXPECT_TRUE(Child<QAction>(document, "ModAdd")->isEnabled());
  EXPECT_FALSE(Child<QAction>(document, "ModDelete")->isEnabled());
  EXPECT_FALSE(Child<QAction>(document, "ModCut")->isEnabled());
  EXPECT_FALSE(Child<QAction>(document, "ModPaste")->isEnabled());
  EXPECT_TRUE(Child<QAction>(document, "ModScale")->isEnabled());
  EXPECT_FALSE(Child<QGroupBox>(document, "ModFunctGroup")->isVisibleTo(document));

  Type(Child<QLineEdit>(document, "ModNameEdit"), "Car");
  EXPECT_EQ(document->Model().FirstAttribute()->GetName(), "Car");
  EXPECT_EQ(Child<TModelTreeView>(document, "ModTreeView")->topLevelItem(0)->text(0), "Car");
  EXPECT_EQ(document->Caption(), "Car [*]");
  Type(Child<QLineEdit>(document, "ModDescEdit"), "What to buy");
  EXPECT_EQ(document->Model().FirstAttribute()->GetDescription(), "What to buy");

  // The new attribute's name is selected for typing over.
  Child<QAction>(document, "ModAdd")->trigger();
  EXPECT_TRUE(Child<QLineEdit>(document, "ModNameEdit")->hasFocus() || !Main->isActiveWindow());
  TypeKeys(Child<QLineEdit>(document, "ModNameEdit"), "Price");
  EXPECT_EQ(document->SelectedAttribute()->GetName(), "Price");
  Select(document, "Car");
  Child<QAction>(document, "ModAdd")->trigger();
  Type(Child<QLineEdit>(document, "ModNameEdit"), "Safety");
  const TUbicAttribute* car = document->Model().FirstAttribute();
  EXPECT_EQ(InputNames(*car), "Price,Safety");
  EXPECT_EQ(NodeNames(Child<TModelTreeView>(document, "ModTreeView")->topLevelItem(0)),
            "Price,Safety");
  EXPECT_TRUE(Child<QAction>(document, "ModUp")->isEnabled());
  EXPECT_FALSE(Child<QAction>(document, "ModDown")->isEnabled());
  EXPECT_TRUE(Child<QGroupBox>(document, "ModFunctGroup")->isHidden());
  EXPECT_EQ(Child<QStatusBar>(document, "StatusBar")->currentMessage().left(37),
            "Attributes: 3 (2 basic, 1 complex)   ");

  // Moving keeps the node selected and the tree in the model's order.
  Child<QAction>(document, "ModUp")->trigger();
  EXPECT_EQ(InputNames(*car), "Safety,Price");
  EXPECT_EQ(NodeNames(Child<TModelTreeView>(document, "ModTreeView")->topLevelItem(0)),
            "Safety,Price");
  EXPECT_EQ(document->SelectedAttribute()->GetName(), "Safety");
  EXPECT_FALSE(Child<QAction>(document, "ModUp")->isEnabled());
  EXPECT_TRUE(Child<QAction>(document, "ModDown")->isEnabled());
  Select(document, "Car");
  EXPECT_FALSE(Child<QGroupBox>(document, "ModFunctGroup")->isHidden());
  // The only top-level attribute may lose its inputs, but not be cut away.
  EXPECT_TRUE(Child<QAction>(document, "ModDelete")->isEnabled());
  EXPECT_FALSE(Child<QAction>(document, "ModCut")->isEnabled());
  EXPECT_EQ(Child<QLabel>(document, "ModFunctText")->text(), "<undefined>");
  EXPECT_EQ(AttributeIcon(*car), TAttributeIcon::FunctionImpossible);
}

// The Model page's commands that are enabled, by name.
QStringList EnabledCommands(TModelForm* document) {
  QStringList enabled;
  for (const char* name :
       {"ModAdd", "ModDelete", "ModCut", "ModCopy", "ModPaste", "ModDuplicate", "ModUp", "ModDown",
        "ModScale", "ModDelScale", "ModFunct", "ModDelFunct"}) {
    if (Child<QAction>(document, name)->isEnabled()) enabled << name;
  }
  return enabled;
}

TEST_F(ModelPage, EachCommandIsEnabledExactlyWhereItCanAct) {
  TModelForm* fresh = Main->CreateDocument({});
  // The only attribute, basic and without a scale, can be neither deleted nor cut.
  EXPECT_EQ(EnabledCommands(fresh), (QStringList{"ModAdd", "ModCopy", "ModDuplicate", "ModScale"}));

  TModelForm* document = OpenCar();
  const QStringList aggregate = {"ModAdd",  "ModDelete", "ModCut",      "ModCopy",  "ModDuplicate",
                                 "ModDown", "ModScale",  "ModDelScale", "ModFunct", "ModDelFunct"};
  Select(document, "COSTS");
  EXPECT_EQ(EnabledCommands(document), aggregate);
  // Without its function, the attribute's function can be made but not deleted.
  document->Run(edits::DeleteFunction(*Find(document, "COSTS")));
  Select(document, "COSTS");
  EXPECT_EQ(EnabledCommands(document), QStringList(aggregate.begin(), aggregate.end() - 1));
  // The top-level attribute cannot be cut, nor move; a copied subtree can be pasted.
  Select(document, "CAR");
  Child<QAction>(document, "ModCopy")->trigger();
  EXPECT_EQ(EnabledCommands(document),
            (QStringList{"ModAdd", "ModDelete", "ModCopy", "ModPaste", "ModDuplicate", "ModScale",
                         "ModDelScale", "ModFunct", "ModDelFunct"}));
  // A basic attribute has no function; the last of its level cannot move down.
  Select(document, "Running costs");
  EXPECT_EQ(EnabledCommands(document),
            (QStringList{"ModAdd", "ModDelete", "ModCut", "ModCopy", "ModPaste", "ModDuplicate",
                         "ModUp", "ModScale", "ModDelScale"}));
  // An attribute whose new input has no scale can have no function yet.
  Select(document, "Price");
  Child<QAction>(document, "ModAdd")->trigger();
  Select(document, "Price");
  EXPECT_EQ(EnabledCommands(document),
            (QStringList{"ModAdd", "ModDelete", "ModCut", "ModCopy", "ModPaste", "ModDuplicate",
                         "ModDown", "ModScale", "ModDelScale"}));
  document->SelectAttribute(nullptr);
  EXPECT_EQ(EnabledCommands(document), QStringList());
}

TEST_F(ModelPage, ScaleChosenFromTheDropDown) {
  TModelForm* document = OpenCar();
  Select(document, "Price");
  const TUbicAttribute* price = Find(document, "Price");
  const TUbicAttribute* costs = Find(document, "COSTS");
  ASSERT_TRUE(costs->Funct());
  // The parent has a function: only scales of the same kind are offered.
  QComboBox* combo = Child<QComboBox>(document, "ModScaleCombo");
  EXPECT_EQ(combo->itemText(0), "<undefined>");
  EXPECT_EQ(combo->currentIndex(), 1);
  const int sameKind = combo->count();

  emit combo->activated(0);
  EXPECT_FALSE(price->Scale());
  EXPECT_FALSE(costs->Funct());
  for (int k = 0; k < document->Model().OptionCount(); ++k) {
    EXPECT_EQ(price->OptionText(k), "") << k;
    EXPECT_EQ(costs->OptionText(k), "") << k;
  }
  EXPECT_EQ(AttributeIcon(*price), TAttributeIcon::BasicWithoutScale);
  EXPECT_EQ(AttributeIcon(*costs), TAttributeIcon::FunctionImpossible);
  // Without a scale every scale is offered.
  EXPECT_GT(combo->count(), sameKind);

  const int chosen = combo->count() - 1;
  const std::string text = combo->itemText(chosen).toStdString();
  emit combo->activated(chosen);
  ASSERT_TRUE(price->Scale());
  EXPECT_EQ(Cp1250ToUtf8(price->Scale()->ScaleText()), text);
  EXPECT_EQ(combo->currentIndex(), 1);
  EXPECT_EQ(AttributeIcon(*costs), TAttributeIcon::FunctionPossible);
  // Each attribute holds a scale of its own.
  for (const TUbicAttribute* other : {Find(document, "CAR"), Find(document, "Safety")}) {
    EXPECT_NE(other->Scale(), price->Scale());
  }

  Child<QAction>(document, "ModDelScale")->trigger();
  EXPECT_FALSE(price->Scale());
  EXPECT_TRUE(Questions.Asked().empty());
}

TEST_F(ModelPage, AddAndDeleteAskBeforeAFunctionIsLost) {
  TModelForm* document = OpenCar();
  const TUbicAttribute* costs = Find(document, "COSTS");
  Select(document, "COSTS");

  Questions.Answer(TAnswer::No);
  Child<QAction>(document, "ModAdd")->trigger();
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{"Adding a new attribute will delete the function "
                                                  "\"COSTS\".\rDo you still want to add a new "
                                                  "attribute?"});
  EXPECT_EQ(InputNames(*costs), "Price,Running costs");
  EXPECT_TRUE(costs->Funct());
  Questions.Answer(TAnswer::Yes);
  Child<QAction>(document, "ModAdd")->trigger();
  EXPECT_EQ(InputNames(*costs), "Price,Running costs,New");
  EXPECT_FALSE(costs->Funct());
  EXPECT_EQ(document->SelectedAttribute()->GetName(), "New");
  TakeAsked();

  // Deleting a basic attribute under a function names both.
  const TUbicAttribute* technical = Find(document, "TECHNICAL");
  Select(document, "Comfort");
  Questions.Answer(TAnswer::No);
  Child<QAction>(document, "ModDelete")->trigger();
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{"Do you want to delete the main attribute "
                                                  "\"Comfort\"?\rThis will also delete the "
                                                  "function \"TECHNICAL\"."});
  EXPECT_EQ(InputNames(*technical), "Safety,Comfort,Boot size");
  Questions.Answer(TAnswer::Yes);
  Child<QAction>(document, "ModDelete")->trigger();
  EXPECT_EQ(InputNames(*technical), "Safety,Boot size");
  EXPECT_EQ(NodeNames(document->ItemOf(technical)), "Safety,Boot size");
  EXPECT_FALSE(technical->Funct());
  EXPECT_EQ(document->SelectedAttribute(), technical);
  TakeAsked();

  // Deleting an aggregate attribute's subtree keeps the attribute.
  const TUbicAttribute* car = Find(document, "CAR");
  Select(document, "CAR");
  Questions.Answer(TAnswer::No);
  Child<QAction>(document, "ModDelete")->trigger();
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{"Do you want to delete all subattributes "
                                                  "\"CAR\"?\rThis will also delete the utility "
                                                  "function of the attribute."});
  EXPECT_EQ(car->InputCount(), 2);
  Questions.Answer(TAnswer::Yes);
  Child<QAction>(document, "ModDelete")->trigger();
  TakeAsked();
  EXPECT_TRUE(car->IsBasic());
  EXPECT_FALSE(car->Funct());
  EXPECT_EQ(document->ItemOf(car)->childCount(), 0);
  EXPECT_EQ(Child<QStatusBar>(document, "StatusBar")->currentMessage().left(14), "Attributes: 1 ");

  // A basic top-level attribute mentions no function and leaves the first one selected.
  Child<QAction>(document, "ModDuplicate")->trigger();
  Questions.Answer(TAnswer::Yes);
  Child<QAction>(document, "ModDelete")->trigger();
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{"Do you want to delete the main attribute "
                                                  "\"CAR\"?"});
  EXPECT_EQ(TopLevelNames(document), std::vector<std::string>{"CAR"});
  EXPECT_EQ(document->SelectedAttribute(), car);
}

// A deleted top-level attribute's place goes to the one after it, and at the end to the one
// before it.
TEST_F(ModelPage, DeletingATopLevelAttributeSelectsTheNextOne) {
  TModelForm* document = Main->CreateDocument({});
  for (const char* name : {"B", "C", "D"}) {
    document->Run(edits::AddAttribute(*document->Model().Root(), name));
  }
  Select(document, "B");
  Questions.Answer(TAnswer::Yes);
  Child<QAction>(document, "ModDelete")->trigger();
  EXPECT_EQ(TopLevelNames(document), (std::vector<std::string>{"Root1", "C", "D"}));
  EXPECT_EQ(document->SelectedAttribute()->GetName(), "C");
  Select(document, "D");
  Questions.Answer(TAnswer::Yes);
  Child<QAction>(document, "ModDelete")->trigger();
  EXPECT_EQ(document->SelectedAttribute()->GetName(), "C");
  TakeAsked();
}

TEST_F(ModelPage, CutCopyPasteAndDuplicateAcrossDocuments) {
  TModelForm* source = OpenCar();
  const TUbicAttribute* car = Find(source, "CAR");
  Select(source, "COSTS");
  Questions.Answer(TAnswer::No);
  Child<QAction>(source, "ModCut")->trigger();
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{"Cutting this subtree will delete the function "
                                                  "\"CAR\".\rDo you still want to cut the "
                                                  "subtree?"});
  // A refused cut has still copied.
  ASSERT_TRUE(Main->SubtreeClipboard());
  EXPECT_EQ(InputNames(*Main->SubtreeClipboard()), "Price,Running costs");
  EXPECT_EQ(InputNames(*car), "COSTS,TECHNICAL");
  Questions.Answer(TAnswer::Yes);
  Child<QAction>(source, "ModCut")->trigger();
  TakeAsked();
  EXPECT_EQ(InputNames(*car), "TECHNICAL");
  EXPECT_FALSE(car->Funct());
  EXPECT_EQ(source->SelectedAttribute(), car);

  TModelForm* target = Main->CreateDocument({});
  EXPECT_TRUE(Child<QAction>(target, "ModPaste")->isEnabled());
  const TUbicAttribute* root1 = target->Model().FirstAttribute();
  Child<QAction>(target, "ModPaste")->trigger();
  EXPECT_TRUE(Questions.Asked().empty());
  EXPECT_EQ(target->SelectedAttribute(), root1->Input(0));
  target->SelectAttribute(root1);
  Child<QAction>(target, "ModPaste")->trigger();
  EXPECT_EQ(InputNames(*root1), "COSTS,COSTS");
  EXPECT_NE(root1->Input(0), root1->Input(1));
  EXPECT_TRUE(root1->Input(1)->Funct());
  EXPECT_EQ(NodeNames(target->ItemOf(root1)), "COSTS,COSTS");
  EXPECT_EQ(NodeNames(target->ItemOf(root1->Input(1))), "Price,Running costs");
  EXPECT_EQ(target->SelectedAttribute(), root1->Input(1));

  // Pasting under an attribute with a function asks first.
  Questions.Answer(TAnswer::No);
  Child<QAction>(target, "ModPaste")->trigger();
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{"Pasting this subtree will delete the function "
                                                  "\"COSTS\".\rDo you still want to paste the "
                                                  "subtree?"});
  EXPECT_EQ(root1->Input(1)->InputCount(), 2);
  Questions.Answer(TAnswer::Yes);
  Child<QAction>(target, "ModPaste")->trigger();
  TakeAsked();
  EXPECT_EQ(InputNames(*root1->Input(1)), "Price,Running costs,COSTS");
  EXPECT_FALSE(root1->Input(1)->Funct());

  // A duplicate of a deep attribute goes to the top level.
  target->SelectAttribute(root1->Input(1)->Input(2)->Input(0));
  Child<QAction>(target, "ModDuplicate")->trigger();
  EXPECT_EQ(TopLevelNames(target), (std::vector<std::string>{"Root1", "Price"}));
  EXPECT_EQ(target->SelectedAttribute(), target->Model().Root()->Input(1));
}

TEST_F(ModelPage, DragAndDropAsksAndRefusesDescendants) {
  TModelForm* document = OpenCar();
  const TUbicAttribute* car = Find(document, "CAR");
  const TUbicAttribute* costs = Find(document, "COSTS");
  Select(document, "COSTS");
  EXPECT_FALSE(document->ModTreeViewCanDrop(document->ItemOf(costs)));
  EXPECT_FALSE(document->ModTreeViewCanDrop(document->ItemOf(Find(document, "Price"))));
  EXPECT_TRUE(document->ModTreeViewCanDrop(nullptr));

  // Onto its own parent: both functions are the parent's.
  Questions.Answer(TAnswer::No);
  document->ModTreeViewDragDrop(document->ItemOf(car));
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{"This moving operation will delete the functions "
                                                  "\"CAR\" and \"CAR\".\rDo you still want to "
                                                  "move the subtree?"});
  EXPECT_EQ(InputNames(*car), "COSTS,TECHNICAL");

  // Onto empty space: a new top-level attribute; only the old parent's function goes.
  Questions.Answer(TAnswer::Yes);
  document->ModTreeViewDragDrop(nullptr);
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{"This moving operation will delete the function "
                                                  "\"CAR\".\rDo you still want to move the "
                                                  "subtree?"});
  EXPECT_EQ(InputNames(*car), "TECHNICAL");
  EXPECT_EQ(TopLevelNames(document), (std::vector<std::string>{"CAR", "COSTS"}));
  EXPECT_EQ(document->SelectedAttribute(), costs);
  EXPECT_TRUE(costs->Funct());
  EXPECT_EQ(NodeNames(document->ItemOf(costs)), "Price,Running costs");

  // Onto an attribute with a function, from the top level.
  Questions.Answer(TAnswer::Yes);
  document->ModTreeViewDragDrop(document->ItemOf(Find(document, "TECHNICAL")));
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{"This moving operation will delete the function "
                                                  "\"TECHNICAL\".\rDo you still want to move the "
                                                  "subtree?"});
  EXPECT_EQ(InputNames(*Find(document, "TECHNICAL")), "Safety,Comfort,Boot size,COSTS");
  EXPECT_EQ(TopLevelNames(document), std::vector<std::string>{"CAR"});
}

TEST_F(ModelPage, RuleTableSizeLimits) {
  TModelForm* document = Main->CreateDocument({});
  const TUbicAttribute* top = document->Model().FirstAttribute();
  const auto scaleOf = [](int values) {
    auto scale = std::make_unique<TUbicDiscreteScale>();
    for (int i = 0; i < values; ++i) scale->AddValue("v" + std::to_string(i));
    return scale;
  };
  Change(document, [&](TUbicModel& model) { model.FirstAttribute()->SetScale(scaleOf(2)); });
  const auto withInputs = [&](std::initializer_list<int> sizes) {
    Change(document, [&](TUbicModel& model) {
      model.FirstAttribute()->DeleteSubtree();
      for (const int size : sizes) {
        auto input = std::make_unique<TUbicAttribute>("in");
        input->SetScale(scaleOf(size));
        model.FirstAttribute()->AddInput(std::move(input));
      }
    });
  };
  withInputs({5, 5, 8});
  EXPECT_TRUE(document->MayCreateFunction(*top));
  EXPECT_TRUE(Questions.Asked().empty());
  withInputs({5, 5, 9});
  Questions.Answer(TAnswer::No);
  EXPECT_FALSE(document->MayCreateFunction(*top));
  Questions.Answer(TAnswer::Yes);
  EXPECT_TRUE(document->MayCreateFunction(*top));
  EXPECT_EQ(Questions.Asked().at(0).Kind, TKind::WarnYesNo);
  EXPECT_EQ(Questions.Asked().at(0).Text.substr(0, 62),
            "You are about to create a table consisting of 225 rules, which");
  TakeAsked();
  withInputs({11, 10, 10});
  EXPECT_FALSE(document->MayCreateFunction(*top));
  ASSERT_EQ(Questions.Asked().size(), 1u);
  EXPECT_EQ(Questions.Asked()[0].Kind, TKind::Error);
  EXPECT_EQ(Questions.Asked()[0].Text.substr(0, 54),
            "The newly created table would consist of 1100 rules, w");
  TakeAsked();
}

TEST_F(ModelPage, TypedTextBecomesWindows1250WithOneNotice) {
  TModelForm* document = Main->CreateDocument({});
  Type(Child<QLineEdit>(document, "ModNameEdit"), QString::fromUtf8("Čaj ☺"));
  EXPECT_EQ(document->Model().FirstAttribute()->GetName(),
            "\xC8"
            "aj ?");
  EXPECT_EQ(Child<QLineEdit>(document, "ModNameEdit")->text(), QString::fromUtf8("Čaj ?"));
  const QString notice = Main->statusBar()->currentMessage();
  EXPECT_TRUE(notice.contains("replaced"));
  Main->statusBar()->clearMessage();
  Type(Child<QLineEdit>(document, "ModDescEdit"), QString::fromUtf8("☺"));
  EXPECT_EQ(document->Model().FirstAttribute()->GetDescription(), "?");
  EXPECT_TRUE(Main->statusBar()->currentMessage().isEmpty());
}

TEST_F(ModelPage, ShortcutsReachTheTree) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  Main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
  Select(document, "Price");
  Child<TModelTreeView>(document, "ModTreeView")->setFocus();
  QTest::keyClick(Child<TModelTreeView>(document, "ModTreeView"), Qt::Key_Down,
                  Qt::ControlModifier);
  EXPECT_EQ(InputNames(*Find(document, "COSTS")), "Running costs,Price");
  // Moved nodes stay expanded or collapsed as they were.
  document->ItemOf(Find(document, "COSTS"))->setExpanded(false);
  Select(document, "TECHNICAL");
  QTest::keyClick(Child<TModelTreeView>(document, "ModTreeView"), Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(InputNames(*Find(document, "CAR")), "TECHNICAL,COSTS");
  EXPECT_EQ(NodeNames(Child<TModelTreeView>(document, "ModTreeView")->topLevelItem(0)),
            "TECHNICAL,COSTS");
  EXPECT_FALSE(document->ItemOf(Find(document, "COSTS"))->isExpanded());
  EXPECT_TRUE(document->ItemOf(Find(document, "TECHNICAL"))->isExpanded());
  EXPECT_EQ(document->SelectedAttribute()->GetName(), "TECHNICAL");
  EXPECT_TRUE(Find(document, "CAR")->Funct());

  Select(document, "Price");
  QTest::keyClick(Child<TModelTreeView>(document, "ModTreeView"), Qt::Key_C, Qt::ControlModifier);
  ASSERT_TRUE(Main->SubtreeClipboard());
  EXPECT_EQ(Main->SubtreeClipboard()->GetName(), "Price");
  // In an edit field the same key copies text, not the subtree.
  Select(document, "Safety");
  Child<QLineEdit>(document, "ModNameEdit")->setFocus();
  Child<QLineEdit>(document, "ModNameEdit")->selectAll();
  QTest::keyClick(Child<QLineEdit>(document, "ModNameEdit"), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Main->SubtreeClipboard()->GetName(), "Price");
}

}  // namespace
}  // namespace ubic
