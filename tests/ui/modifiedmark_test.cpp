// The modified mark tells the truth: looking changes nothing, an export is no save, and a
// command that fails part way leaves the document as it was.

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <filesystem>

#include "files/modelfile.h"
#include "ui/graphspage.h"
#include "ui/optionspage.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

class ModifiedMark : public TUiTest {
 protected:
  TModelForm* OpenCopy(const char* example) {
    const std::string copy = TempFile(example);
    std::filesystem::copy_file(Example(example), copy);
    return Main->CreateDocument(copy);
  }

  bool Starred(TModelForm* document) { return document->Caption().contains('*'); }
};

TEST_F(ModifiedMark, LookingAtAModelChangesNothing) {
  TModelForm* document = OpenCopy("car.ubm");
  EXPECT_FALSE(Starred(document));
  for (QWidget* page :
       std::initializer_list<QWidget*>{Child<TOptionsPage>(document, "OptionsPage"),
                                       Child<TEvaluationPage>(document, "EvaluationPage"),
                                       Child<TGraphsPage>(document, "GraphsPage")}) {
    Child<QTabWidget>(document, "PageControl")->setCurrentWidget(page);
    EXPECT_FALSE(Starred(document));
  }
  Questions.ChooseFile(TFileChoice{TempFile("car.csv"), 1});
  Child<QTabWidget>(document, "PageControl")
      ->setCurrentWidget(Child<TOptionsPage>(document, "OptionsPage"));
  Child<QAction>(Child<TOptionsPage>(document, "OptionsPage"), "OptExport")->trigger();
  ASSERT_TRUE(QFile::exists(QString::fromStdString(TempFile("car.csv"))));
  EXPECT_FALSE(Starred(document));

  // An edit and its undo come back to the file's bytes.
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(0);
  Select(document, "Price");
  Child<QAction>(document, "ModDown")->trigger();
  EXPECT_TRUE(Starred(document));
  Action("EditUndo")->trigger();
  EXPECT_FALSE(Starred(document));
  Action("EditRedo")->trigger();
  EXPECT_TRUE(Starred(document));
  Action("EditUndo")->trigger();
  TakeAsked();
  // Closing asks nothing: an unscripted question would fail the test.
  EXPECT_TRUE(MdiArea()->currentSubWindow()->close());
  EXPECT_TRUE(Questions.Asked().empty());
}

TEST_F(ModifiedMark, AnExportLeavesTheDocumentModified) {
  TModelForm* document = OpenCopy("car.ubm");
  Questions.ChooseFile(TFileChoice{TempFile("laptop.xml"), 2});
  Questions.Answer(TAnswer::Ok);  // what jKIV loses
  Action("FileSaveAs")->trigger();
  EXPECT_TRUE(QFile::exists(QString::fromStdString(TempFile("laptop.xml"))));
  EXPECT_EQ(document->FileName(), TempFile("laptop.ubm"));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(TempFile("laptop.ubm"))));
  EXPECT_TRUE(Starred(document));
  TakeAsked();

  // Closing asks, and Yes saves the own format under the name shown.
  Questions.Answer(TAnswer::Yes);
  EXPECT_TRUE(MdiArea()->currentSubWindow()->close());
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{"Save model \"CAR\" as file \"" +
                                                  TempFile("laptop.ubm") + "\"?"});
  TOpenedModel saved = OpenModel(TempFile("laptop.ubm"));
  EXPECT_EQ(saved.Model->FirstAttribute()->GetName(), "CAR");
}

// Pages built before an edit are shown again after it: what they show is read anew, and nothing
// of the attributes that went is read on the way (the sanitizers catch such a read).
TEST_F(ModifiedMark, HiddenPagesForgetAttributesThatGo) {
  TModelForm* document = OpenCopy("car.ubm");
  auto* pages = Child<QTabWidget>(document, "PageControl");
  for (QWidget* page :
       std::initializer_list<QWidget*>{Child<TOptionsPage>(document, "OptionsPage"),
                                       Child<TEvaluationPage>(document, "EvaluationPage"),
                                       Child<TGraphsPage>(document, "GraphsPage")}) {
    pages->setCurrentWidget(page);
    pages->setCurrentIndex(0);
    Select(document, "Safety");
    Questions.Answer(TAnswer::Yes);
    Child<QAction>(document, "ModDelete")->trigger();
    Action("EditUndo")->trigger();
    // A hidden page that was resized meanwhile lays itself out as it is shown.
    Main->resize(Main->width() + 20, Main->height() + 20);
    pages->setCurrentWidget(page);
    QApplication::processEvents();
    EXPECT_FALSE(Starred(document));
  }
  auto* options = Child<TOptionsPage>(document, "OptionsPage");
  pages->setCurrentWidget(options);
  EXPECT_EQ(Child<TOptionGrid>(options, "Grid")->Cells().CellText({2, 0}), "Price");
  TakeAsked();
}

// A model too deep for any file to hold: a pasted subtree that would take it there is refused,
// and the model, the tree and the undo history stay as they were.
TEST_F(ModifiedMark, ACommandThatFailsPartWayChangesNothing) {
  TUbicModel model;
  TUbicAttribute* level = model.Root();
  for (int i = 0; i < 600; ++i) {
    level->AddInput(std::make_unique<TUbicAttribute>("L" + std::to_string(i + 1)));
    level = level->Input(0);
  }
  SaveToFile(model, TempFile("deep.ubm"));
  TModelForm* document = Main->CreateDocument(TempFile("deep.ubm"));
  Select(document, "L1");
  Child<QAction>(document, "ModCopy")->trigger();
  Select(document, "L600");
  const std::string before = ModelFileText(document->Model());
  Child<QAction>(document, "ModPaste")->trigger();
  ASSERT_EQ(Questions.Asked().size(), 1u);
  EXPECT_EQ(Questions.Asked()[0].Kind, TScriptedQuestions::TKind::Error);
  EXPECT_NE(Questions.Asked()[0].Text.find("nested deeper than"), std::string::npos);
  EXPECT_EQ(ModelFileText(document->Model()), before);
  EXPECT_FALSE(document->History().CanUndo());
  EXPECT_FALSE(Starred(document));
  EXPECT_EQ(document->SelectedAttribute()->GetName(), "L600");
  EXPECT_EQ(document->SelectedAttribute()->InputCount(), 0);
  TakeAsked();

  // The same paste one level up fits.
  Select(document, "L2");
  Child<QAction>(document, "ModCopy")->trigger();
  Select(document, "L1");
  Child<QAction>(document, "ModPaste")->trigger();
  EXPECT_TRUE(Questions.Asked().empty());
  EXPECT_EQ(document->History().UndoName(), "Paste attribute");
}

}  // namespace
}  // namespace ubic
