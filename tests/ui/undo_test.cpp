// Undo and Redo in a document window: every kind of edit is taken back to the very bytes the model
// had before, the selection follows, and the saved state counts as clean.

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>

#include "files/modelio.h"
#include "ui/optionspage.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

class Undo : public TUiTest {
 protected:
  // A copy of the car example, so that saving writes nowhere else.
  TModelForm* OpenCar() {
    std::filesystem::copy_file(Example("car.ubm"), TempFile("car.ubm"));
    return Main->CreateDocument(TempFile("car.ubm"));
  }

  // The model as its file would hold it, with the option selection.
  std::string Image(TModelForm* document) {
    const TUbicModel& model = document->Model();
    SaveModel(model, TempFile("image.ubm"));
    std::ifstream file(TempFile("image.ubm"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {}) + "|" + model.OptionSelection();
  }

  std::string Selected(TModelForm* document) {
    const TUbicAttribute* attribute = document->SelectedAttribute();
    return attribute ? attribute->GetName() : "";
  }

  // Runs Edit, then checks that Undo gives back the former model and selection and Redo the
  // edited model.
  void ExpectRoundTrip(TModelForm* document, const QString& step,
                       const std::function<void()>& edit) {
    SCOPED_TRACE(step.toStdString());
    const std::string before = Image(document);
    edit();
    const std::string after = Image(document);
    const std::string selectedAfter = Selected(document);
    ASSERT_NE(after, before);
    EXPECT_EQ(Action("EditUndo")->text(), "&Undo " + step);
    Action("EditUndo")->trigger();
    EXPECT_EQ(Image(document), before);
    EXPECT_EQ(Action("EditRedo")->text(), "&Redo " + step);
    Action("EditRedo")->trigger();
    EXPECT_EQ(Image(document), after);
    EXPECT_EQ(Selected(document), selectedAfter);
  }
};

TEST_F(Undo, EveryKindOfEditRoundTrips) {
  TModelForm* document = OpenCar();
  EXPECT_FALSE(Action("EditUndo")->isEnabled());
  EXPECT_EQ(Action("EditUndo")->text(), "&Undo");
  Select(document, "Price");
  ExpectRoundTrip(document, "Rename attribute", [&] {
    Child<QLineEdit>(document, "ModNameEdit")->selectAll();
    TypeKeys(Child<QLineEdit>(document, "ModNameEdit"), "Cost");
  });
  ExpectRoundTrip(document, "Edit description", [&] {
    Child<QLineEdit>(document, "ModDescEdit")->selectAll();
    TypeKeys(Child<QLineEdit>(document, "ModDescEdit"), "What it costs");
  });
  ExpectRoundTrip(document, "Move attribute",
                  [&] { Child<QAction>(document, "ModDown")->trigger(); });
  ExpectRoundTrip(document, "Duplicate attribute",
                  [&] { Child<QAction>(document, "ModDuplicate")->trigger(); });
  ExpectRoundTrip(document, "Change scale", [&] {
    Select(document, "Comfort");
    Questions.Answer(TAnswer::Yes);
    Child<QAction>(document, "ModDelScale")->trigger();
  });
  ExpectRoundTrip(document, "Delete attribute", [&] {
    Select(document, "Safety");
    Questions.Answer(TAnswer::Yes);
    Child<QAction>(document, "ModDelete")->trigger();
  });
  ExpectRoundTrip(document, "Paste attribute", [&] {
    Select(document, "Boot size");
    Child<QAction>(document, "ModCopy")->trigger();
    Select(document, "CAR");
    Questions.Answer(TAnswer::Yes);
    Child<QAction>(document, "ModPaste")->trigger();
  });
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(1);
  ExpectRoundTrip(document, "Add option", [&] {
    Child<QPushButton>(Child<TOptionsPage>(document, "OptionsPage"), "OptAddBtn")->click();
  });
  ExpectRoundTrip(document, "Delete option", [&] {
    Child<QAction>(Child<TOptionsPage>(document, "OptionsPage"), "OptDelete")->trigger();
  });
  TakeAsked();
}

TEST_F(Undo, OneTypedNameIsOneStepAndANewEditClearsRedo) {
  TModelForm* document = OpenCar();
  Select(document, "Price");
  const std::string before = Image(document);
  Child<QLineEdit>(document, "ModNameEdit")->selectAll();
  TypeKeys(Child<QLineEdit>(document, "ModNameEdit"), "Cost");
  Select(document, "Comfort");
  Child<QLineEdit>(document, "ModNameEdit")->selectAll();
  TypeKeys(Child<QLineEdit>(document, "ModNameEdit"), "Ease");
  Action("EditUndo")->trigger();
  EXPECT_EQ(Selected(document), "Comfort");
  EXPECT_TRUE(Find(document, "Cost"));
  Action("EditUndo")->trigger();
  EXPECT_EQ(Image(document), before);
  EXPECT_EQ(Selected(document), "Price");
  EXPECT_FALSE(Action("EditUndo")->isEnabled());

  EXPECT_TRUE(Action("EditRedo")->isEnabled());
  Child<QAction>(document, "ModAdd")->trigger();
  EXPECT_FALSE(Action("EditRedo")->isEnabled());
  EXPECT_EQ(Action("EditRedo")->text(), "&Redo");
  EXPECT_EQ(Action("EditUndo")->text(), "&Undo Add attribute");
}

TEST_F(Undo, UndoingBackToTheSavedStateClearsTheStar) {
  TModelForm* document = OpenCar();
  Select(document, "Price");
  Child<QAction>(document, "ModDown")->trigger();
  EXPECT_TRUE(document->Caption().contains('*'));
  ASSERT_TRUE(document->SaveModel());
  EXPECT_FALSE(document->Caption().contains('*'));
  Child<QAction>(document, "ModUp")->trigger();
  EXPECT_TRUE(document->Caption().contains('*'));
  // The keys reach the frame's commands from inside the document.
  Main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
  Child<TModelTreeView>(document, "ModTreeView")->setFocus();
  QTest::keyClick(Child<TModelTreeView>(document, "ModTreeView"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(document->Caption().contains('*'));
  QTest::keyClick(Child<TModelTreeView>(document, "ModTreeView"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(document->Caption().contains('*'));
  QTest::keyClick(Child<TModelTreeView>(document, "ModTreeView"), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_FALSE(document->Caption().contains('*'));
  QTest::keyClick(Child<TModelTreeView>(document, "ModTreeView"), Qt::Key_Z,
                  Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(document->Caption().contains('*'));
}

// Each page's menu in the frame offers Undo and Redo named after their steps, and they work from
// there: the page's own edits are taken back where they were made.
TEST_F(Undo, EveryPageMenuHoldsUndoAndRedo) {
  TModelForm* document = OpenCar();
  auto* pages = Child<QTabWidget>(document, "PageControl");
  const auto pageMenu = [&]() -> QMenu* {
    const QList<QAction*> bar = Main->menuBar()->actions();
    return bar.size() > 1 ? bar.at(1)->menu() : nullptr;
  };
  const std::string original = document->Model().Options()[0];
  for (int page = 0; page < pages->count(); ++page) {
    SCOPED_TRACE(page);
    pages->setCurrentIndex(page);
    document->Run(edits::RenameOption(0, "Page " + std::to_string(page)));
    QMenu* menu = pageMenu();
    ASSERT_TRUE(menu);
    const QList<QAction*> items = menu->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items.at(0)->text(), "&Undo Rename option");
    EXPECT_EQ(items.at(1), Action("EditRedo"));
    items.at(0)->trigger();
    EXPECT_EQ(document->Model().Options()[0],
              page == 0 ? original : "Page " + std::to_string(page - 1));
    EXPECT_EQ(items.at(1)->text(), "&Redo Rename option");
    items.at(1)->trigger();
    EXPECT_EQ(document->Model().Options()[0], "Page " + std::to_string(page));
  }
}

}  // namespace
}  // namespace ubic
