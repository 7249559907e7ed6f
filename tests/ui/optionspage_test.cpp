// The Options and Evaluation pages: grids read from the model, values typed and chosen, and the
// option commands through the main window's clipboard.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include <functional>

#include "files/modelio.h"
#include "model/distribution.h"
#include "model/function.h"
#include "model/scale.h"
#include "ui/optionspage.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

constexpr int OptionsTab = 1;
constexpr int EvaluationTab = 2;

std::unique_ptr<TUbicAttribute> Attribute(const std::string& name,
                                          std::vector<std::string> values) {
  auto attribute = std::make_unique<TUbicAttribute>(name);
  auto scale = std::make_unique<TUbicDiscreteScale>();
  for (const std::string& value : values) scale->AddValue(value);
  attribute->SetScale(std::move(scale));
  return attribute;
}

class OptionsPage : public TUiTest {
 protected:
  // A document of Model, opened from a file so that every page sees the whole model.
  TModelForm* Open(TUbicModel& model) {
    const std::string file = TempFile(("model" + std::to_string(++FFiles) + ".ubm").c_str());
    SaveModel(model, file);
    TModelForm* document = Main->CreateDocument(file);
    Child<QTabWidget>(document, "PageControl")->setCurrentIndex(OptionsTab);
    return document;
  }

  // A document whose top attribute Root has the basic inputs Inputs, and Options options.
  TModelForm* DocumentOf(std::vector<std::unique_ptr<TUbicAttribute>> inputs, int options) {
    TUbicModel model;
    auto root = std::make_unique<TUbicAttribute>("Root");
    for (auto& input : inputs) root->AddInput(std::move(input));
    model.Root()->AddInput(std::move(root));
    for (int k = 0; k < options; ++k) model.AddOption("O" + std::to_string(k + 1));
    return Open(model);
  }

  // Inputs named Names, each with the scale low, medium, high.
  TModelForm* Document(const std::vector<std::string>& names, int options) {
    std::vector<std::unique_ptr<TUbicAttribute>> inputs;
    for (const std::string& name : names)
      inputs.push_back(Attribute(name, {"low", "medium", "high"}));
    return DocumentOf(std::move(inputs), options);
  }

  static TOptionsPage* Page(TModelForm* document) {
    return Child<TOptionsPage>(document, "OptionsPage");
  }
  static TOptionGrid* Grid(TModelForm* document) {
    return Child<TOptionGrid>(Child<TOptionsPage>(document, "OptionsPage"), "Grid");
  }
  static QString Cell(TOptionGrid* grid, int row, int col) {
    return grid->Cells().CellText({row, col});
  }

  int FFiles = 0;

  std::vector<std::string> OptionNames(TModelForm* document) {
    const TStrList& options = document->Model().Options();
    std::vector<std::string> names;
    for (int k = 0; k < options.Count(); ++k) names.push_back(options[k]);
    return names;
  }
};

TEST_F(OptionsPage, GridLayoutAndEmptyModel) {
  TModelForm* document = Document({"A", "B"}, 0);
  TOptionsPage* page = Page(document);
  TOptionGrid* grid = Grid(document);
  // Without options one hidden column remains and only Add is possible.
  EXPECT_EQ(grid->GridColCount(), 2);
  EXPECT_EQ(grid->columnWidth(0), 0);
  EXPECT_EQ(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
  EXPECT_TRUE(Child<QAction>(page, "OptAdd")->isEnabled());
  for (QAction* action : {Child<QAction>(page, "OptDelete"), Child<QAction>(page, "OptCut"),
                          Child<QAction>(page, "OptCopy"), Child<QAction>(page, "OptPaste"),
                          Child<QAction>(page, "OptDuplicate")}) {
    EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
  }
  EXPECT_FALSE(Child<QLineEdit>(page, "OptNameEdit")->isVisible());
  EXPECT_FALSE(Child<QComboBox>(page, "ValueEditor")->isVisible());
  EXPECT_EQ(Main->menuBar()->actions().at(1)->text(), "&Edit");
  EXPECT_EQ(Main->menuBar()->actions().at(1)->menu(), Child<QMenu>(page, "OptEditMenu"));

  // The first option shows the column again; rows are the basic attributes in tree order.
  Child<QPushButton>(page, "OptAddBtn")->click();
  EXPECT_EQ(OptionNames(document), std::vector<std::string>{"New"});
  EXPECT_GT(grid->columnWidth(0), 0);
  EXPECT_EQ(grid->GridRowCount(), 4);
  EXPECT_EQ(Cell(grid, 1, 0), "Option");
  EXPECT_EQ(Cell(grid, 1, 1), "New");
  EXPECT_EQ(Cell(grid, 2, 0), "A");
  EXPECT_EQ(Cell(grid, 3, 0), "B");
  EXPECT_EQ(Cell(grid, 3, 1), "*");
  EXPECT_TRUE(Child<QLineEdit>(page, "OptNameEdit")->isVisible());
  EXPECT_EQ(Child<QLineEdit>(page, "OptNameEdit")->text(), "New");
  EXPECT_TRUE(Child<QAction>(page, "OptPaste")->isEnabled() == false &&
              Child<QAction>(page, "OptDelete")->isEnabled());
  EXPECT_TRUE(document->Document().Modified());
}

TEST_F(OptionsPage, DigitKeysStoreValuesAndMoveDown) {
  TModelForm* document = Document({"A", "B", "C"}, 2);
  TOptionsPage* page = Page(document);
  TOptionGrid* grid = Grid(document);
  const TUbicAttribute* a = Find(document, "A");
  const TUbicAttribute* c = Find(document, "C");
  grid->SetCurrent({2, 2});
  ASSERT_TRUE(Child<QComboBox>(page, "ValueEditor")->isVisible());
  EXPECT_EQ(Child<QComboBox>(page, "ValueEditor")->count(), 4);
  EXPECT_EQ(Child<QComboBox>(page, "ValueEditor")->currentText(), "*");

  QTest::keyClick(grid, Qt::Key_2, Qt::NoModifier);
  EXPECT_EQ(a->OptionText(1), "1");
  EXPECT_EQ(Cell(grid, 2, 2), "medium");
  EXPECT_EQ(grid->Current().Row, 3);
  // A value the scale does not have changes nothing and does not move.
  QTest::keyClick(grid, Qt::Key_4, Qt::NoModifier);
  EXPECT_EQ(Find(document, "B")->OptionText(1), "");
  EXPECT_EQ(grid->Current().Row, 3);
  QTest::keyClick(grid, Qt::Key_3, Qt::NoModifier);
  QTest::keyClick(grid, Qt::Key_1, Qt::NoModifier);
  EXPECT_EQ(c->OptionText(1), "0");
  // On the last row the cursor stays.
  EXPECT_EQ(grid->Current().Row, 4);
  QTest::keyClick(grid, Qt::Key_Asterisk, Qt::NoModifier);
  EXPECT_EQ(c->OptionText(1), "");
  EXPECT_EQ(Cell(grid, 4, 2), "*");

  // The value editor chooses the same way.
  grid->SetCurrent({2, 1});
  page->ValueEditorChange(2);
  EXPECT_EQ(a->OptionText(0), "2");
  EXPECT_EQ(Cell(grid, 2, 1), "high");
  page->ValueEditorChange(3);
  EXPECT_EQ(a->OptionText(0), "");
}

TEST_F(OptionsPage, OptionNameEditorAndEscape) {
  TModelForm* document = Document({"A"}, 2);
  TOptionsPage* page = Page(document);
  Grid(document)->SetCurrent({1, 2});
  ASSERT_TRUE(Child<QLineEdit>(page, "OptNameEdit")->isVisible());
  EXPECT_FALSE(Child<QComboBox>(page, "ValueEditor")->isVisible());
  Child<QLineEdit>(page, "OptNameEdit")->setFocus();
  Child<QLineEdit>(page, "OptNameEdit")->selectAll();
  TypeKeys(Child<QLineEdit>(page, "OptNameEdit"), "Šport");
  EXPECT_EQ(document->Model().Options()[1], "\x8Aport");
  EXPECT_EQ(Cell(Grid(document), 1, 2), "Šport");
  QTest::keyClick(Child<QLineEdit>(page, "OptNameEdit"), Qt::Key_Escape);
  EXPECT_EQ(document->Model().Options()[1], "O2");
  EXPECT_EQ(Child<QLineEdit>(page, "OptNameEdit")->text(), "O2");
}

// Typing an option in: Add, its name, Enter, then its values as digits on the grid.
TEST_F(OptionsPage, EnterEndsTheNameAndGoesToTheFirstValue) {
  TModelForm* document = Document({"A", "B"}, 1);
  TOptionsPage* page = Page(document);
  TOptionGrid* grid = Grid(document);
  auto* nameEdit = Child<QLineEdit>(page, "OptNameEdit");
  Main->activateWindow();
  ASSERT_TRUE(Eventually([&] { return QApplication::activeWindow() == Main.get(); }));
  grid->setFocus();
  grid->SetCurrent({1, 1});
  Child<QPushButton>(page, "OptAddBtn")->click();
  ASSERT_EQ(grid->Current().Col, 2);
  QTest::keyClick(grid, 'A');
  ASSERT_TRUE(nameEdit->hasFocus());
  QTest::keyClicks(nameEdit, "lpha Systems");
  QTest::keyClick(nameEdit, Qt::Key_Return);
  EXPECT_TRUE(grid->hasFocus());
  EXPECT_EQ(grid->Current().Row, 2);
  EXPECT_EQ(grid->Current().Col, 2);
  QTest::keyClicks(QApplication::focusWidget(), "32");
  EXPECT_EQ(OptionNames(document), (std::vector<std::string>{"O1", "Alpha Systems"}));
  EXPECT_EQ(Find(document, "A")->OptionText(1), "2");
  EXPECT_EQ(Find(document, "B")->OptionText(1), "1");
}

TEST_F(OptionsPage, AddByButtonAfterAndByMenuBefore) {
  TModelForm* document = Document({"A"}, 3);
  TOptionsPage* page = Page(document);
  TOptionGrid* grid = Grid(document);
  grid->SetCurrent({2, 2});
  Child<QPushButton>(page, "OptAddBtn")->click();
  EXPECT_EQ(OptionNames(document), (std::vector<std::string>{"O1", "O2", "New", "O3"}));
  EXPECT_EQ(grid->Current().Col, 3);
  EXPECT_EQ(Find(document, "A")->OptionText(2), "");

  grid->SetCurrent({2, 2});
  Child<QAction>(page, "OptAdd")->trigger();
  EXPECT_EQ(OptionNames(document), (std::vector<std::string>{"O1", "New", "O2", "New", "O3"}));
  EXPECT_EQ(grid->Current().Col, 2);

  // The button on the last option appends and stays on it.
  grid->SetCurrent({2, 5});
  Child<QPushButton>(page, "OptAddBtn")->click();
  EXPECT_EQ(OptionNames(document).back(), "New");
  EXPECT_EQ(grid->Current().Col, 6);

  Child<QAction>(page, "OptDelete")->trigger();
  Child<QAction>(page, "OptDelete")->trigger();
  EXPECT_EQ(OptionNames(document), (std::vector<std::string>{"O1", "New", "O2", "New"}));
  // The keys of the page's menu, not those of the Model page's.
  grid->SetCurrent({2, 1});
  Main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
  QTest::keyClick(grid, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(OptionNames(document).front(), "New");
  EXPECT_EQ(document->Model().Root()->Input(0)->InputCount(), 1);
}

TEST_F(OptionsPage, CutCopyPasteAndDuplicate) {
  TModelForm* document = Document({"A", "B"}, 3);
  TOptionsPage* page = Page(document);
  TOptionGrid* grid = Grid(document);
  Change(document, [](TUbicModel& model) {
    model.FindAttribute("A")->SetOptionText(2, "2");
    model.FindAttribute("B")->SetOptionText(2, "01");
  });
  grid->SetCurrent({2, 3});
  Child<QAction>(page, "OptCopy")->trigger();
  EXPECT_EQ(Main->OptionClipboard(), (std::vector<std::string>{"O3", "2", "01"}));
  EXPECT_TRUE(Child<QAction>(page, "OptPaste")->isEnabled());

  // Paste in column 1 inserts first; beyond the last option it appends.
  grid->SetCurrent({2, 1});
  Child<QAction>(page, "OptPaste")->trigger();
  EXPECT_EQ(OptionNames(document), (std::vector<std::string>{"O3", "O1", "O2", "O3"}));
  EXPECT_EQ(Find(document, "B")->OptionText(0), "01");
  EXPECT_EQ(Cell(grid, 2, 1), "high");

  grid->SetCurrent({2, 2});
  Child<QAction>(page, "OptDuplicate")->trigger();
  EXPECT_EQ(OptionNames(document), (std::vector<std::string>{"O3", "O1", "O1", "O2", "O3"}));

  // The frame's Ctrl+X reaches the page: the option goes, and stays on the clipboard.
  grid->SetCurrent({2, 4});
  Action("EditCut")->trigger();
  EXPECT_EQ(OptionNames(document), (std::vector<std::string>{"O3", "O1", "O1", "O3"}));
  EXPECT_EQ(Main->OptionClipboard().front(), "O2");
}

TEST_F(OptionsPage, PasteAcrossDocumentsByPosition) {
  TModelForm* source = Document({"A", "B"}, 1);
  Change(source, [](TUbicModel& model) {
    model.FindAttribute("A")->SetOptionText(0, "2");
    model.FindAttribute("B")->SetOptionText(0, "0");
  });
  Grid(source)->SetCurrent({2, 1});
  Child<QAction>(Page(source), "OptCopy")->trigger();

  // The target's rows come in another order, and the second row has only two values.
  std::vector<std::unique_ptr<TUbicAttribute>> inputs;
  inputs.push_back(Attribute("B", {"low", "medium", "high"}));
  inputs.push_back(Attribute("A", {"no", "yes"}));
  inputs.push_back(Attribute("Z", {"low", "high"}));
  TModelForm* target = DocumentOf(std::move(inputs), 0);
  Grid(target)->SetCurrent({2, 1});
  Child<QAction>(Page(target), "OptPaste")->trigger();
  ASSERT_EQ(target->Model().OptionCount(), 1);
  EXPECT_EQ(target->Model().Options()[0], "O1");
  // By position: B gets A's "2"; A gets B's "0"; Z has no copied line and stays undefined.
  EXPECT_EQ(Find(target, "B")->OptionText(0), "2");
  EXPECT_EQ(Find(target, "A")->OptionText(0), "0");
  EXPECT_EQ(Find(target, "Z")->OptionText(0), "");

  // A value the target's scale does not have is never written.
  Change(source, [](TUbicModel& model) { model.FindAttribute("B")->SetOptionText(0, "2"); });
  Child<QAction>(Page(source), "OptCopy")->trigger();
  Child<QAction>(Page(target), "OptPaste")->trigger();
  EXPECT_EQ(Find(target, "A")->OptionText(0), "");
  EXPECT_EQ(Cell(Grid(target), 3, 1), "*");
}

TEST_F(OptionsPage, AttributesDeletedOnTheModelPageLeaveTheGrid) {
  TModelForm* document = Document({"A", "B"}, 1);
  Grid(document)->SetCurrent({3, 1});
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(0);
  Select(document, "B");
  Questions.Answer(TAnswer::Yes);
  document->ModDeleteBtnClick();
  ASSERT_EQ(TakeAsked().size(), 1U);
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(OptionsTab);
  EXPECT_EQ(Grid(document)->GridRowCount(), 3);
  EXPECT_EQ(Grid(document)->Current().Row, 2);
  EXPECT_EQ(Child<QComboBox>(Page(document), "ValueEditor")->itemText(0), "low");
}

// The current cell stays on its attribute's row while the rows above it come and go.
TEST_F(OptionsPage, TheCurrentCellFollowsItsAttribute) {
  TModelForm* document = Document({"A", "B", "C"}, 2);
  Grid(document)->SetCurrent({4, 2});
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(0);
  Select(document, "A");
  Questions.Answer(TAnswer::Yes);
  document->ModDeleteBtnClick();
  TakeAsked();
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(OptionsTab);
  EXPECT_EQ(Grid(document)->Cells().AttributeOfRow(Grid(document)->Current().Row)->GetName(), "C");
  EXPECT_EQ(Grid(document)->Current().Col, 2);
  // Undo brings A back above it: the cell moves down with C.
  document->Run(edits::RenameModel("Other"));
  Action("EditUndo")->trigger();
  Action("EditUndo")->trigger();
  EXPECT_EQ(Grid(document)->GridRowCount(), 5);
  EXPECT_EQ(Grid(document)->Cells().AttributeOfRow(Grid(document)->Current().Row)->GetName(), "C");
}

class EvaluationPage : public OptionsPage {
 protected:
  TModelForm* OpenCar() {
    TModelForm* document = Main->CreateDocument(Example("car.ubm"));
    Child<QTabWidget>(document, "PageControl")->setCurrentIndex(EvaluationTab);
    return document;
  }
  static TOptionGrid* Grid(TModelForm* document) {
    return Child<TOptionGrid>(Child<TEvaluationPage>(document, "EvaluationPage"), "Grid");
  }
  int RowOf(TModelForm* document, const char* name) {
    const auto& attributes = Grid(document)->Cells().Attributes();
    const auto found = std::find(attributes.begin(), attributes.end(), Find(document, name));
    return static_cast<int>(found - attributes.begin()) + 2;
  }
};

TEST_F(EvaluationPage, ShowsEveryAttributeEvaluatedAndIndented) {
  TModelForm* document = OpenCar();
  TOptionGrid* grid = Grid(document);
  const TUbicModel& model = document->Model();
  EXPECT_FALSE(model.NeedsEvaluation());
  EXPECT_EQ(Cell(grid, 2, 0), "  CAR");
  EXPECT_EQ(Cell(grid, 3, 0), "    COSTS");
  EXPECT_EQ(Cell(grid, 4, 0), "      Price");
  EXPECT_EQ(Main->menuBar()->actions().at(1)->menu(),
            Child<QMenu>(Child<TEvaluationPage>(document, "EvaluationPage"), "EvalEditMenu"));
  // Aggregate rows are bold; their values cannot be edited.
  const QModelIndex car = grid->model()->index(1, 0);
  EXPECT_TRUE(car.data(TOptionGridModel::BoldRole).toBool());
  EXPECT_FALSE(grid->model()->index(3, 0).data(TOptionGridModel::BoldRole).toBool());
  grid->SetCurrent({2, 1});
  EXPECT_FALSE(Child<QComboBox>(Child<TEvaluationPage>(document, "EvaluationPage"), "ValueEditor")
                   ->isVisible());
  grid->SetCurrent({4, 1});
  EXPECT_TRUE(Child<QComboBox>(Child<TEvaluationPage>(document, "EvaluationPage"), "ValueEditor")
                  ->isVisible());
}

TEST_F(EvaluationPage, ColumnsFitTheirTextsAndKeepTheUsersWidths) {
  TModelForm* document = OpenCar();
  TOptionGrid* grid = Grid(document);
  QFont bold = grid->font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  // Every option name and result of the example is read whole.
  for (int col = 1; col < grid->GridColCount(); ++col) {
    for (int row = 1; row < grid->GridRowCount(); ++row) {
      EXPECT_GE(grid->columnWidth(col - 1), metrics.horizontalAdvance(Cell(grid, row, col)))
          << Cell(grid, row, col).toStdString();
    }
  }
  // A width the user chose survives the next build of the page.
  grid->setColumnWidth(0, 30);
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(0);
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(EvaluationTab);
  EXPECT_EQ(grid->columnWidth(0), 30);
}

TEST_F(EvaluationPage, ValueSetsAndClassColours) {
  auto attribute = Attribute("A", {"low", "medium", "high"});
  attribute->Scale()->SetBadThreshold(0);
  attribute->Scale()->SetGoodThreshold(2);
  attribute->SetOptionText(0, "02");
  attribute->SetOptionText(1, "21");
  std::vector<std::unique_ptr<TUbicAttribute>> inputs;
  inputs.push_back(std::move(attribute));
  TModelForm* document = DocumentOf(std::move(inputs), 2);
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(EvaluationTab);
  TOptionGrid* grid = Grid(document);
  EXPECT_EQ(Cell(grid, 3, 1), "low;high");
  // A bad and a good value, or a good and a neutral one, are neither.
  EXPECT_FALSE(grid->model()->index(2, 0).data(Qt::ForegroundRole).isValid());
  EXPECT_EQ(Cell(grid, 3, 2), "high;medium");
  EXPECT_FALSE(grid->model()->index(2, 1).data(Qt::ForegroundRole).isValid());
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(OptionsTab);
  EXPECT_EQ(Cell(OptionsPage::Grid(document), 2, 1), "low;high");
}

TEST_F(EvaluationPage, ChangingABasicValueUpdatesTheResults) {
  TModelForm* document = OpenCar();
  TOptionGrid* grid = Grid(document);
  const int price = RowOf(document, "Price");
  const int costs = RowOf(document, "COSTS");
  const TUbicAttribute* priceAttribute = Find(document, "Price");
  grid->SetCurrent({price, 1});
  const QString costsBefore = Cell(grid, costs, 1);
  // The dearest price; the cursor stays where it is.
  const QString last = QString::number(priceAttribute->Scale()->Count());
  QTest::keyClicks(grid, last);
  EXPECT_EQ(priceAttribute->OptionValue(0), priceAttribute->Scale()->Count() - 1);
  EXPECT_EQ(grid->Current().Row, price);
  EXPECT_FALSE(document->Model().NeedsEvaluation());
  EXPECT_EQ(Cell(grid, costs, 1), "high");
  EXPECT_NE(Cell(grid, costs, 1), costsBefore);
}

// What the grids draw, read back from their pixels.
class GridPixels : public OptionsPage {
 protected:
  // A cell as the grid shows it, whatever lies over it.
  static QImage CellImage(TOptionGrid* grid, int row, int col) {
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, col - 1))
                           .translated(grid->viewport()->pos());
    return grid->grab().toImage().copy(cell);
  }
  static bool IsRed(QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }
  static int RedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += IsRed(image.pixelColor(x, y));
    }
    return count;
  }
  // The x of the rightmost pixel of text, -1 for none.
  static int RightmostInk(const QImage& image) {
    int rightmost = -1;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y).lightness() < 160) rightmost = std::max(rightmost, x);
      }
    }
    return rightmost;
  }
  // The editor that typing opened in a cell of the grid.
  static QLineEdit* CellEditor(TOptionGrid* grid) {
    for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>()) {
      if (editor->isVisible()) return editor;
    }
    return nullptr;
  }
  // The keys of the frame's commands need its window active, which a closed list may not give
  // back by itself.
  void ActivateWindow() {
    Main->activateWindow();
    ASSERT_TRUE(Eventually([&] { return QApplication::activeWindow() == Main.get(); }));
  }
  TModelForm* DocumentWith(const std::vector<std::string>& texts) {
    auto attribute = Attribute("A", {"low", "medium", "high"});
    attribute->Scale()->SetBadThreshold(0);
    attribute->Scale()->SetGoodThreshold(2);
    for (std::size_t k = 0; k < texts.size(); ++k) {
      attribute->SetOptionText(static_cast<int>(k), texts[k]);
    }
    std::vector<std::unique_ptr<TUbicAttribute>> inputs;
    inputs.push_back(std::move(attribute));
    return DocumentOf(std::move(inputs), static_cast<int>(texts.size()));
  }
};

TEST_F(GridPixels, OptionCellsShowWholeSetsColouredOnlyByASharedClass) {
  TModelForm* document = DocumentWith({"01", "0", "*", "2"});
  TOptionGrid* grid = Grid(document);
  // The selected cell is drawn in the selection's colours.
  grid->SetCurrent({1, 4});
  EXPECT_EQ(Cell(grid, 2, 1), "low;medium");
  EXPECT_EQ(Cell(grid, 2, 2), "low");
  EXPECT_EQ(Cell(grid, 2, 3), "*");
  EXPECT_EQ(Cell(grid, 2, 4), "high");
  EXPECT_FALSE(grid->model()->index(1, 0).data(Qt::ForegroundRole).isValid());
  EXPECT_EQ(grid->model()->index(1, 3).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 0));

  // A bad and a neutral value: plain text, drawn whole.
  const QImage mixed = CellImage(grid, 2, 1);
  EXPECT_EQ(RedPixels(mixed), 0);
  EXPECT_GT(RightmostInk(mixed), QFontMetrics(grid->font()).horizontalAdvance("low;"));
  EXPECT_GT(RedPixels(CellImage(grid, 2, 2)), 10);
  EXPECT_EQ(RedPixels(CellImage(grid, 2, 3)), 0);
}

TEST_F(GridPixels, ValueEditorChoosesSetsByChecksKeysAndTypedNames) {
  TModelForm* document = Document({"A", "B"}, 2);
  TOptionsPage* page = Page(document);
  TOptionGrid* grid = Grid(document);
  auto text = [&](const char* attribute, int option) {
    return Find(document, attribute)->OptionText(option);
  };
  auto* editor = Child<QComboBox>(page, "ValueEditor");
  grid->SetCurrent({2, 2});
  editor->showPopup();
  QAbstractItemView* list = editor->view();
  ASSERT_TRUE(Eventually([&] { return list->isVisible(); }));
  // Space in the open list checks a value, and the list stays for the next.
  QTest::keyClick(list, Qt::Key_Home);
  QTest::keyClick(list, Qt::Key_Space);
  EXPECT_EQ(text("A", 1), "0");
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Space);
  EXPECT_EQ(text("A", 1), "02");
  EXPECT_EQ(Cell(grid, 2, 2), "low;high");
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(editor->itemData(0, Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_EQ(editor->itemData(1, Qt::CheckStateRole).toInt(), Qt::Unchecked);
  EXPECT_EQ(editor->itemData(3, Qt::CheckStateRole).toInt(), Qt::Unchecked);
  // A click on a check box takes its value out, one with Ctrl adds it.
  const QRect high = list->visualRect(list->model()->index(2, 0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    QPoint(high.left() + 3, high.center().y()));
  EXPECT_EQ(text("A", 1), "0");
  const QRect medium = list->visualRect(list->model()->index(1, 0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, medium.center());
  EXPECT_EQ(text("A", 1), "01");
  // "*" stands for every value.
  QTest::keyClick(list, Qt::Key_End);
  QTest::keyClick(list, Qt::Key_Space);
  EXPECT_EQ(text("A", 1), "");
  EXPECT_EQ(Cell(grid, 2, 2), "*");
  EXPECT_EQ(editor->itemData(3, Qt::CheckStateRole).toInt(), Qt::Checked);
  // Enter makes the current value the only one and closes the list.
  QTest::keyClick(list, Qt::Key_Up);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(text("A", 1), "2");
  EXPECT_TRUE(Eventually([&] { return !list->isVisible(); }));

  // A set typed into a cell by its names.
  grid->SetCurrent({3, 1});
  QTest::keyClick(grid, 'l');
  QLineEdit* typed = CellEditor(grid);
  ASSERT_TRUE(typed);
  QTest::keyClicks(typed, "ow;high");
  // The editor hands its text over once back in the event loop.
  QTest::keyClick(typed, Qt::Key_Return);
  EXPECT_TRUE(Eventually([&] { return text("B", 0) == "02"; }));
  EXPECT_EQ(Cell(grid, 3, 1), "low;high");
  // A name the scale lacks changes nothing, and the status bar says which.
  QTest::keyClick(grid, 'm');
  typed = CellEditor(grid);
  ASSERT_TRUE(typed);
  QTest::keyClicks(typed, "edium;huge");
  QTest::keyClick(typed, Qt::Key_Return);
  EXPECT_TRUE(Eventually([&] { return !Main->statusBar()->currentMessage().isEmpty(); }));
  EXPECT_EQ(Main->statusBar()->currentMessage(), "Unknown attribute value \"B\": \"huge\"");
  EXPECT_EQ(text("B", 0), "02");

  // Each change is a step of its own to undo.
  ActivateWindow();
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(text("B", 0), "");
  QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(text("A", 1), "");
  QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(text("A", 1), "01");
}

TEST_F(GridPixels, ValueEditorStartsAtTheCurrentOptionsValue) {
  TModelForm* document = DocumentWith({"0", "2", "", "12"});
  auto* editor = Child<QComboBox>(Page(document), "ValueEditor");
  TOptionGrid* grid = Grid(document);
  const std::pair<int, const char*> expected[] = {
      {2, "high"}, {1, "low"}, {4, "medium"}, {3, "*"}, {2, "high"}};
  for (const auto& [col, value] : expected) {
    grid->SetCurrent({2, col});
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->currentText(), value) << col;
    const std::string option = Find(document, "A")->OptionText(col - 1);
    for (int item = 0; item < 3; ++item) {
      const bool inSet = option.find(static_cast<char>('0' + item)) != std::string::npos;
      EXPECT_EQ(editor->itemData(item, Qt::CheckStateRole).toInt(),
                inSet ? Qt::Checked : Qt::Unchecked)
          << col << " " << item;
    }
  }
}

// A value text of "*" is the undefined set, as the empty text is: "*" is checked and chosen, no
// value is, and checking a value makes the set of that value alone.
TEST_F(GridPixels, ValueEditorOnAStarOption) {
  TModelForm* document = DocumentWith({"1", "*"});
  auto* editor = Child<QComboBox>(Page(document), "ValueEditor");
  Grid(document)->SetCurrent({2, 2});
  ASSERT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->currentText(), "*");
  for (int item = 0; item < 3; ++item) {
    EXPECT_EQ(editor->itemData(item, Qt::CheckStateRole).toInt(), Qt::Unchecked) << item;
  }
  EXPECT_EQ(editor->itemData(3, Qt::CheckStateRole).toInt(), Qt::Checked);
  editor->showPopup();
  QAbstractItemView* list = editor->view();
  ASSERT_TRUE(Eventually([&] { return list->isVisible(); }));
  QTest::keyClick(list, Qt::Key_Home);
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Space);
  EXPECT_EQ(Find(document, "A")->OptionText(1), "1");
  EXPECT_EQ(Cell(Grid(document), 2, 2), "medium");
  editor->hidePopup();
}

TEST_F(GridPixels, ColumnsFollowTheNamesAndLongTextsShowWhole) {
  TModelForm* document = DocumentWith({"2", "0"});
  TOptionGrid* grid = Grid(document);
  grid->SetCurrent({1, 2});
  document->Run(edits::RenameAttribute(*Find(document, "A"), "A name much longer than its values"));
  // The first option's column lies right of the attribute column and shows its value.
  const int attributesRight = grid->verticalHeader()->geometry().right();
  EXPECT_GT(grid->viewport()->x() + grid->columnViewportPosition(0), attributesRight);
  const QImage first = CellImage(grid, 2, 1);
  EXPECT_EQ(first.pixelColor(first.width() - 3, first.height() - 3),
            grid->palette().color(QPalette::Base));
  const int ink = RightmostInk(first);
  EXPECT_GT(ink, 0);
  EXPECT_LE(ink, QFontMetrics(grid->font()).horizontalAdvance("high") + 4);

  // A renamed option's column fits its name; a name too long for any column shows whole as a tip.
  QFont bold = grid->font();
  bold.setBold(true);
  const std::string wide = "A rather wide option name";
  document->Run(edits::RenameOption(0, wide));
  EXPECT_GE(grid->columnWidth(0),
            QFontMetrics(bold).horizontalAdvance(QString::fromStdString(wide)));
  const std::string endless(100, 'W');
  document->Run(edits::RenameOption(1, endless));
  const QRect cut = grid->visualRect(grid->model()->index(0, 1));
  ASSERT_LT(cut.width(), QFontMetrics(bold).horizontalAdvance(QString::fromStdString(endless)));
  QHelpEvent tip(QEvent::ToolTip, cut.center(), grid->viewport()->mapToGlobal(cut.center()));
  QApplication::sendEvent(grid->viewport(), &tip);
  EXPECT_TRUE(Eventually([] { return QToolTip::isVisible(); }));
  EXPECT_EQ(QToolTip::text(), QString::fromStdString(endless));
  const QRect whole = grid->visualRect(grid->model()->index(0, 0));
  QHelpEvent noTip(QEvent::ToolTip, whole.center(), grid->viewport()->mapToGlobal(whole.center()));
  QApplication::sendEvent(grid->viewport(), &noTip);
  EXPECT_TRUE(Eventually([] { return !QToolTip::isVisible(); }));

  // The names of a model read anew fit as well.
  const int endlessWidth = grid->columnWidth(1);
  document->UndoStep(false);
  EXPECT_LT(grid->columnWidth(1), endlessWidth);
}

TEST_F(GridPixels, TypingOnTheGridNamesOptionsAndRefusesWhatIsNoValue) {
  TModelForm* document = Document({"A"}, 2);
  TOptionsPage* page = Page(document);
  TOptionGrid* grid = Grid(document);
  auto* nameEdit = Child<QLineEdit>(page, "OptNameEdit");
  ActivateWindow();
  grid->setFocus();
  grid->SetCurrent({1, 2});
  QTest::keyClick(grid, 'X');
  EXPECT_EQ(document->Model().Options()[1], "X");
  EXPECT_TRUE(nameEdit->hasFocus());
  QTest::keyClicks(nameEdit, "yz");
  EXPECT_EQ(document->Model().Options()[1], "Xyz");
  EXPECT_EQ(Cell(grid, 1, 2), "Xyz");
  QTest::keyClick(nameEdit, Qt::Key_Escape);
  EXPECT_EQ(document->Model().Options()[1], "O2");

  grid->setFocus();
  grid->SetCurrent({2, 1});
  for (const char key : {'x', '4'}) {
    QTest::keyClick(grid, key);
    EXPECT_EQ(Main->statusBar()->currentMessage(),
              QString("No value of \"A\" starts with \"%1\"").arg(key));
    EXPECT_FALSE(CellEditor(grid)) << key;
  }
  EXPECT_EQ(Find(document, "A")->OptionText(0), "");
  EXPECT_EQ(grid->Current().Row, 2);
}

TEST_F(GridPixels, TheAddButtonKeepsItsPlace) {
  TModelForm* document = Document({"A"}, 1);
  TOptionsPage* page = Page(document);
  TOptionGrid* grid = Grid(document);
  auto* add = Child<QPushButton>(page, "OptAddBtn");
  grid->SetCurrent({2, 1});
  QCoreApplication::sendPostedEvents();
  const QRect place = add->geometry();
  auto expectInPlace = [&](const char* after) {
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(add->geometry(), place) << after;
  };
  grid->SetCurrent({1, 1});
  expectInPlace("the name row");
  document->Run(edits::RenameOption(0, std::string(60, 'n')));
  expectInPlace("a long option name");
  document->Run(edits::RenameAttribute(*Find(document, "A"), std::string(60, 'a')));
  expectInPlace("a long attribute name");
  Child<QAction>(page, "OptDelete")->trigger();
  expectInPlace("the last option deleted");
}

// The value editor comes and goes with the rows that take a value; the buttons beside it stay.
TEST_F(GridPixels, TheEvaluationButtonsKeepTheirPlace) {
  TModelForm* document = DocumentWith({"0"});
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(EvaluationTab);
  auto* page = Child<TEvaluationPage>(document, "EvaluationPage");
  auto* grid = Child<TOptionGrid>(page, "Grid");
  auto* editor = Child<QComboBox>(page, "ValueEditor");
  grid->SetCurrent({2, 1});
  QCoreApplication::sendPostedEvents();
  ASSERT_FALSE(editor->isVisible());
  std::vector<QRect> places;
  for (const char* name : {"SensitivityBtn", "ExplainBtn", "TargetBtn"})
    places.push_back(Child<QPushButton>(page, name)->geometry());
  grid->SetCurrent({3, 1});
  QCoreApplication::sendPostedEvents();
  ASSERT_TRUE(editor->isVisible());
  int i = 0;
  for (const char* name : {"SensitivityBtn", "ExplainBtn", "TargetBtn"})
    EXPECT_EQ(Child<QPushButton>(page, name)->geometry(), places[i++]) << name;
}

// The row above the names numbers the options, which tells apart options named alike.
TEST_F(GridPixels, TheHeaderRowNumbersTheOptions) {
  TModelForm* document = Document({"A"}, 0);
  TOptionGrid* grid = Grid(document);
  const auto headerInk = [&](int column) {
    QHeaderView* header = grid->horizontalHeader();
    const QRect section(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                        header->height());
    return RightmostInk(header->grab(section).toImage()) >= 0;
  };
  EXPECT_FALSE(headerInk(0)) << "no option, no number";
  Child<QPushButton>(Page(document), "OptAddBtn")->click();
  Child<QAction>(Page(document), "OptDuplicate")->trigger();
  ASSERT_EQ(OptionNames(document), (std::vector<std::string>{"New", "New"}));
  EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "1");
  EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "2");
  EXPECT_TRUE(headerInk(0));
  EXPECT_TRUE(headerInk(1));
}

// A value set wider than its column ends in an ellipsis where the column ends, instead of being
// cut into what reads as another value.
TEST_F(GridPixels, LongValueSetsEndInAnEllipsis) {
  TModelForm* document = DocumentWith({"012"});
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(EvaluationTab);
  auto* grid = Child<TOptionGrid>(Child<TEvaluationPage>(document, "EvaluationPage"), "Grid");
  grid->SetCurrent({1, 1});
  const QString text = Cell(grid, 3, 1);
  ASSERT_EQ(text, "low;medium;high");
  const QFontMetrics metrics(grid->font());
  // A width at which the ellipsis ends clearly before the column's edge.
  int width = metrics.horizontalAdvance(text) / 2;
  QString elided;
  do {
    ++width;
    elided = metrics.elidedText(text, Qt::ElideRight, width - 2);
  } while (width - 2 - metrics.horizontalAdvance(elided) < 4);
  ASSERT_NE(elided, text);
  grid->setColumnWidth(0, width);
  const QImage cell = CellImage(grid, 3, 1);
  const int ink = RightmostInk(cell);
  EXPECT_GT(ink, 2 + metrics.horizontalAdvance(elided) - 4);
  EXPECT_LE(ink, 2 + metrics.horizontalAdvance(elided));
}

TEST_F(GridPixels, EvaluationCellsTakeTypedSetsOnBasicRowsOnly) {
  TModelForm* document = DocumentWith({"0"});
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(EvaluationTab);
  auto* grid = Child<TOptionGrid>(Child<TEvaluationPage>(document, "EvaluationPage"), "Grid");
  // Row 2 is the aggregate Root, whose values are computed.
  grid->SetCurrent({2, 1});
  QTest::keyClick(grid, 'l');
  EXPECT_FALSE(CellEditor(grid));
  grid->SetCurrent({3, 1});
  QTest::keyClick(grid, 'h');
  QLineEdit* typed = CellEditor(grid);
  ASSERT_TRUE(typed);
  QTest::keyClicks(typed, "igh;medium");
  QTest::keyClick(typed, Qt::Key_Return);
  EXPECT_TRUE(Eventually([&] { return Find(document, "A")->OptionText(0) == "12"; }));
  EXPECT_EQ(Cell(grid, 3, 1), "medium;high");
  EXPECT_EQ(grid->Current().Row, 3);
}

// Uncertain values: weights typed, set in the value editor and evaluated by a chosen method.
class Distributions : public GridPixels {
 protected:
  // Root (bad, ok, good, best; ok neutral, good and best good) over A (low, medium, high) by the
  // rules low: bad, medium: ok..good, high: best. Two options, A weighted as "medium=0.5;high=0.5"
  // and "high=2".
  TModelForm* OpenRated() {
    TUbicModel model;
    auto root = Attribute("Root", {"bad", "ok", "good", "best"});
    root->Scale()->SetBadThreshold(0);
    root->Scale()->SetGoodThreshold(2);
    auto input = Attribute("A", {"low", "medium", "high"});
    input->SetOptionWeighted(0, {"12", {0.5, 0.5}});
    input->SetOptionWeighted(1, {"2", {2.0}});
    root->AddInput(std::move(input));
    auto function = std::make_unique<TUbicFunction>();
    function->Initialize(root.get());
    const int lows[] = {0, 1, 3};
    const int highs[] = {0, 2, 3};
    for (int rule = 0; rule < 3; ++rule) {
      function->SetRuleLow(rule, lows[rule]);
      function->SetRuleHigh(rule, highs[rule]);
      function->SetRuleEntered(rule, true);
    }
    root->SetFunct(std::move(function));
    model.Root()->AddInput(std::move(root));
    model.AddOption("O1");
    model.AddOption("O2");
    return Open(model);
  }
  // Types Text into the grid's current cell and hands it over.
  void TypeIntoCell(TOptionGrid* grid, const QString& text) {
    QTest::keyClick(grid, text[0].toLatin1());
    QLineEdit* typed = CellEditor(grid);
    ASSERT_TRUE(typed);
    QTest::keyClicks(typed, text.mid(1));
    QTest::keyClick(typed, Qt::Key_Return);
  }
  static std::string Weights(const TUbicAttribute* attribute, int option) {
    return WeightsText(attribute->Scale(),
                       {attribute->OptionText(option),
                        attribute->OptionWeightsOf(option).value_or(std::vector<double>())});
  }
};

TEST_F(Distributions, WeightsTypedOrSetBesideTheTickBoxesAreOneStepEachToUndo) {
  TModelForm* document = DocumentWith({"", ""});
  TOptionGrid* grid = Grid(document);
  // Undo, and an edit that fails, give the model new attributes.
  const auto codes = [&](int option) { return Find(document, "A")->OptionText(option); };
  const auto weights = [&](int option) { return Weights(Find(document, "A"), option); };
  grid->SetCurrent({2, 1});
  TypeIntoCell(grid, "low=0.2;medium=0.8");
  ASSERT_TRUE(Eventually([&] { return codes(0) == "01"; }));
  EXPECT_EQ(weights(0), "low=0.2;medium=0.8");
  EXPECT_EQ(Cell(grid, 2, 1), "low=0.2;medium=0.8");
  // A bad and a neutral value are neither, as in a set; a bad value alone is red.
  grid->SetCurrent({1, 1});
  EXPECT_EQ(RedPixels(CellImage(grid, 2, 1)), 0);
  grid->SetCurrent({2, 2});
  TypeIntoCell(grid, "low=3;high=0");
  ASSERT_TRUE(Eventually([&] { return codes(1) == "0"; }));
  EXPECT_EQ(Cell(grid, 2, 2), "low=3");
  grid->SetCurrent({1, 1});
  EXPECT_GT(RedPixels(CellImage(grid, 2, 2)), 10);

  // Bad weights are refused with the option, the attribute and the text named.
  grid->SetCurrent({2, 1});
  TypeIntoCell(grid, "low=0.5;huge=1");
  ASSERT_TRUE(Eventually([&] { return !Questions.Asked().empty(); }));
  const std::vector<std::string> asked = TakeAsked();
  ASSERT_EQ(asked.size(), 1U);
  for (const char* named : {"\"O1\"", "\"A\"", "\"low=0.5;huge=1\"", "huge"}) {
    EXPECT_NE(asked[0].find(named), std::string::npos) << asked[0];
  }
  EXPECT_EQ(weights(0), "low=0.2;medium=0.8");

  // The value editor shows the weights beside the tick boxes; a click on one edits it.
  auto* editor = Child<QComboBox>(Page(document), "ValueEditor");
  editor->showPopup();
  QAbstractItemView* list = editor->view();
  ASSERT_TRUE(Eventually([&] { return list->isVisible(); }));
  EXPECT_EQ(list->model()->index(1, 1).data().toString(), "0.8");
  EXPECT_EQ(list->model()->index(2, 1).data().toString(), "");
  const QRect high = list->visualRect(list->model()->index(2, 1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, high.center());
  QLineEdit* weight = nullptr;
  ASSERT_TRUE(Eventually([&] {
    weight = list->viewport()->findChild<QLineEdit*>();
    return weight && weight->isVisible();
  }));
  QTest::keyClicks(weight, "0.5");
  QTest::keyClick(weight, Qt::Key_Return);
  ASSERT_TRUE(Eventually([&] { return codes(0) == "012"; }));
  EXPECT_EQ(weights(0), "low=0.2;medium=0.8;high=0.5");
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(list->model()->index(2, 1).data().toString(), "0.5");
  // An emptied weight takes its value out.
  const QRect low = list->visualRect(list->model()->index(0, 1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, low.center());
  ASSERT_TRUE(Eventually([&] {
    weight = list->viewport()->findChild<QLineEdit*>();
    return weight && weight->isVisible();
  }));
  weight->clear();
  QTest::keyClick(weight, Qt::Key_Return);
  ASSERT_TRUE(Eventually([&] { return codes(0) == "12"; }));
  EXPECT_EQ(weights(0), "medium=0.8;high=0.5");
  editor->hidePopup();

  ActivateWindow();
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(weights(0), "low=0.2;medium=0.8;high=0.5");
  QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(weights(0), "low=0.2;medium=0.8");
  QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(weights(1), "");
  QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(codes(0), "");
}

TEST_F(Distributions, TheEvaluationMethodIsAChoiceOfTheRunColouringSharedClassesOnly) {
  TModelForm* document = OpenRated();
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(EvaluationTab);
  auto* page = Child<TEvaluationPage>(document, "EvaluationPage");
  TOptionGrid* grid = Child<TOptionGrid>(page, "Grid");
  auto* method = Child<QComboBox>(page, "MethodBox");
  EXPECT_EQ(method->currentText(), "sets");
  EXPECT_EQ(Cell(grid, 2, 1), "ok;good;best");
  EXPECT_EQ(Cell(grid, 3, 1), "medium=0.5;high=0.5");
  grid->SetCurrent({3, 1});

  QTest::keyClick(method, Qt::Key_Down);
  EXPECT_EQ(page->Method(), TEvaluationMethod::Prob);
  EXPECT_EQ(Cell(grid, 2, 1), "ok=0.25;good=0.25;best=0.5");
  EXPECT_EQ(Cell(grid, 2, 2), "best=1");
  EXPECT_EQ(Cell(grid, 3, 1), "medium=0.5;high=0.5");
  EXPECT_EQ(grid->model()->index(1, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 0));
  EXPECT_FALSE(grid->model()->index(1, 0).data(Qt::ForegroundRole).isValid());
  const auto greenPixels = [](const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == QColor(0, 128, 0);
    }
    return count;
  };
  EXPECT_GT(greenPixels(CellImage(grid, 2, 2)), 10);
  EXPECT_EQ(greenPixels(CellImage(grid, 2, 1)), 0);

  QTest::keyClick(method, Qt::Key_Down);
  EXPECT_EQ(Cell(grid, 2, 1), "ok=1;good=1;best=1");
  // The method belongs to the run, not to the model.
  EXPECT_FALSE(document->Document().Modified());
  // A changed value is evaluated by the chosen method at once.
  Change(document, [](TUbicModel& model) {
    model.FindAttribute("A")->SetOptionWeighted(0, {"01", {0.25, 1}});
  });
  EXPECT_EQ(Cell(grid, 2, 1), "bad=0.25;ok=1;good=1");
  QTest::keyClick(method, Qt::Key_Home);
  EXPECT_EQ(Cell(grid, 2, 1), "bad;ok;good");
}

// The analyses read the weights as sets, and their dialogs say so.
TEST_F(Distributions, AnalysesSayTheyReadWeightsAsSets) {
  TModelForm* document = OpenRated();
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(EvaluationTab);
  auto* page = Child<TEvaluationPage>(document, "EvaluationPage");
  for (const auto open :
       {&TEvaluationPage::SensitivityBtnClick, &TEvaluationPage::ExplainBtnClick}) {
    QString remark;
    WithModal([&] { (page->*open)(); },
              [&](QWidget* dialog) {
                if (auto* label = dialog->findChild<QLabel*>("WeightsRemark"))
                  remark = label->text();
                static_cast<QDialog*>(dialog)->reject();
              });
    EXPECT_EQ(remark, "The weights of \"A\" count here as the sets of their values.");
  }
  Change(document, [](TUbicModel& model) { model.FindAttribute("A")->SetOptionText(0, "1"); });
  WithModal([&] { page->SensitivityBtnClick(); },
            [&](QWidget* dialog) {
              EXPECT_EQ(dialog->findChild<QLabel*>("WeightsRemark"), nullptr);
              static_cast<QDialog*>(dialog)->reject();
            });
}

}  // namespace
}  // namespace ubic
