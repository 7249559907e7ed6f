// The Graphs page: attributes chosen by tick boxes, options shown by check list, the menus' tick
// marks and enablement, and the graph the page draws.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstdlib>

#include "ui/graphspage.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

constexpr int GraphsTab = 3;

class GraphsPage : public TUiTest {
 protected:
  // Car has eleven attributes and five options.
  TModelForm* OpenCar() {
    TModelForm* document = Main->CreateDocument(Example("car.ubm"));
    Child<QTabWidget>(document, "PageControl")->setCurrentIndex(GraphsTab);
    return document;
  }

  static TAttributeItem* Item(TModelForm* document, int index) {
    QTreeWidgetItemIterator it(
        Child<QTreeWidget>(Child<TGraphsPage>(document, "GraphsPage"), "GraphTree"));
    for (int i = 0; i < index; ++i) ++it;
    return static_cast<TAttributeItem*>(*it);
  }

  // Ticks the box of the node at Index in tree order, as a click on it does.
  static void Tick(TModelForm* document, int index) {
    TAttributeItem* item = Item(document, index);
    item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  }

  static std::vector<int> TickedNodes(TModelForm* document) {
    std::vector<int> ticked;
    int index = 0;
    for (QTreeWidgetItemIterator it(
             Child<QTreeWidget>(Child<TGraphsPage>(document, "GraphsPage"), "GraphTree"));
         *it; ++it, ++index) {
      if ((*it)->checkState(0) == Qt::Checked) ticked.push_back(index);
    }
    return ticked;
  }

  static QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) captions << action->text();
    return captions;
  }
};

TEST_F(GraphsPage, BuildEvaluatesAndFillsTheLists) {
  TModelForm* document = OpenCar();
  TGraphsPage* page = Child<TGraphsPage>(document, "GraphsPage");
  EXPECT_FALSE(document->Model().NeedsEvaluation());
  EXPECT_EQ(Child<QTreeWidget>(page, "GraphTree")->topLevelItem(0)->text(0), "CAR");
  EXPECT_FALSE(Child<QTreeWidget>(page, "GraphTree")->topLevelItem(0)->icon(0).isNull());
  EXPECT_TRUE(TickedNodes(document).empty());
  EXPECT_EQ(Child<QListWidget>(page, "OptionList")->count(), 5);
  EXPECT_EQ(Child<QListWidget>(page, "OptionList")->item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(page->Graphs().Visible(), TGraphKind::None);
  EXPECT_FALSE(Child<QAction>(page, "GraphCopy")->isEnabled());
  EXPECT_EQ(Main->menuBar()->actions().at(1)->menu(), Child<QMenu>(page, "GraphMenu"));
  EXPECT_EQ(
      Captions(Child<QMenu>(page, "GraphPopupMenu")),
      (QStringList{"&Show all options", "&Hide all options", "", "&Named values", "Named options",
                   "&Four (4) options", "&Distributions", "", "&Copy graph"}));
  EXPECT_EQ(Captions(Child<QMenu>(page, "GraphMenu")),
            (QStringList{"&Undo", "&Redo", "", "&Show all options", "&Hide all options", "",
                         "&Named values", "Named &options", "&4 options", "&Distributions", "",
                         "&Copy graph"}));
}

TEST_F(GraphsPage, TheSeventhAttributeDropsTheFirst) {
  TModelForm* document = OpenCar();
  TGraphsPage* page = Child<TGraphsPage>(document, "GraphsPage");
  Tick(document, 0);
  EXPECT_EQ(page->Graphs().Visible(), TGraphKind::Bar);
  EXPECT_TRUE(Child<QAction>(page, "GraphCopy")->isEnabled());
  Tick(document, 2);
  EXPECT_EQ(page->Graphs().Visible(), TGraphKind::Scatter);
  EXPECT_FALSE(Child<QAction>(page, "GraphFourOptions")->isEnabled());
  Tick(document, 3);
  EXPECT_EQ(page->Graphs().Visible(), TGraphKind::Radar);
  EXPECT_TRUE(Child<QAction>(page, "GraphFourOptions")->isEnabled());
  for (int node : {4, 5, 6}) Tick(document, node);
  EXPECT_EQ(TickedNodes(document), (std::vector<int>{0, 2, 3, 4, 5, 6}));
  Tick(document, 7);
  EXPECT_EQ(TickedNodes(document), (std::vector<int>{2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(page->ChartAttributes().front(), Item(document, 2)->Attribute());
  // Unticking drops an attribute wherever it was chosen.
  Tick(document, 4);
  EXPECT_EQ(page->ChartAttributes().size(), 5U);
  EXPECT_EQ(TickedNodes(document), (std::vector<int>{2, 3, 5, 6, 7}));
}

// Undo and Redo read the model anew: the ticks and the chart stay for the attributes that are
// still there, and come back with one that Undo brings back.
TEST_F(GraphsPage, TicksSurviveUndoAndRedo) {
  TModelForm* document = OpenCar();
  TGraphsPage* page = Child<TGraphsPage>(document, "GraphsPage");
  auto* view = Child<QWidget>(page, "GraphView");
  for (int node : {2, 3, 5}) Tick(document, node);
  const QImage radar = view->grab().toImage();
  Child<QAction>(page, "GraphShowAll")->trigger();
  document->Run(edits::RenameOption(0, "Other"));
  Action("EditUndo")->trigger();
  EXPECT_EQ(TickedNodes(document), (std::vector<int>{2, 3, 5}));
  EXPECT_EQ(page->Graphs().Visible(), TGraphKind::Radar);
  EXPECT_EQ(view->grab().toImage(), radar);
  Action("EditRedo")->trigger();
  EXPECT_EQ(TickedNodes(document), (std::vector<int>{2, 3, 5}));
  EXPECT_EQ(page->Graphs().Radar().Title(), "Other");

  // A chosen attribute deleted drops out of the chart for good; the others keep their ticks
  // through Undo, which moves them back to their former places.
  const std::string deleted = Item(document, 2)->text(0).toStdString();
  document->Run(edits::CutAttribute(*Find(document, deleted.c_str())));
  EXPECT_EQ(TickedNodes(document), (std::vector<int>{2, 4}));
  EXPECT_EQ(page->Graphs().Visible(), TGraphKind::Scatter);
  Action("EditUndo")->trigger();
  EXPECT_EQ(Item(document, 2)->text(0).toStdString(), deleted);
  EXPECT_EQ(TickedNodes(document), (std::vector<int>{3, 5}));
  EXPECT_EQ(page->Graphs().Visible(), TGraphKind::Scatter);
}

TEST_F(GraphsPage, FourRadarsFollowTheHighlightedOption) {
  TModelForm* document = OpenCar();
  TGraphsPage* page = Child<TGraphsPage>(document, "GraphsPage");
  for (int node : {1, 2, 3}) Tick(document, node);
  Child<QAction>(page, "GraphFourOptions")->trigger();
  EXPECT_TRUE(Child<QAction>(page, "GraphFourOptions")->isChecked());
  EXPECT_EQ(page->Graphs().Visible(), TGraphKind::FourRadars);
  const auto titles = [page] {
    QStringList shown;
    for (int i = 0; i < 4; ++i) shown << page->Graphs().FourRadar(i).Title();
    return shown;
  };
  const QStringList names = {"Compact Hatchback", "Family Estate", "Sports Coupe",
                             "Electric City Car", "Used SUV"};
  Child<QListWidget>(page, "OptionList")->setCurrentRow(2);
  EXPECT_EQ(titles(), names.mid(1, 4));
  Child<QListWidget>(page, "OptionList")->setCurrentRow(0);
  EXPECT_EQ(titles(), names.mid(0, 4));

  // A hidden option is passed over; Named options off leaves the radars untitled.
  Child<QListWidget>(page, "OptionList")->item(1)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(document->Model().OptionSelected(1));
  EXPECT_EQ(titles(), (QStringList{names[0], names[2], names[3], names[4]}));
  document->EditCommand(TEditCommand::Paste);
  EXPECT_FALSE(page->Settings().NamedOptions);
  EXPECT_EQ(titles(), QStringList(4, QString()));

  // The panel of four goes to the clipboard as an image.
  QApplication::clipboard()->clear();
  document->EditCommand(TEditCommand::Copy);
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasImage());
}

// Whether the picture has a pixel of nearly Color.
bool HasColor(const QImage& image, QColor color) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - color.red()) + std::abs(pixel.green() - color.green()) +
              std::abs(pixel.blue() - color.blue()) <
          30) {
        return true;
      }
    }
  }
  return false;
}

// How many pixels of Area are dark, as text is.
int DarkPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::max({pixel.red(), pixel.green(), pixel.blue()}) < 110) ++count;
    }
  }
  return count;
}

TEST_F(GraphsPage, TheViewDrawsTheVisibleGraph) {
  TModelForm* document = OpenCar();
  TGraphsPage* page = Child<TGraphsPage>(document, "GraphsPage");
  Child<TGraphView>(page, "GraphView")->resize(400, 300);
  EXPECT_FALSE(HasColor(Child<TGraphView>(page, "GraphView")->grab().toImage(), Qt::red));
  // CAR: the unacceptable option's bar is red.
  Tick(document, 0);
  EXPECT_TRUE(HasColor(Child<TGraphView>(page, "GraphView")->grab().toImage(), Qt::red));
  Child<QAction>(page, "GraphHideAll")->trigger();
  EXPECT_FALSE(HasColor(Child<TGraphView>(page, "GraphView")->grab().toImage(), Qt::red));
  // The empty area says why across its middle, the panel of four radars too.
  const QRect middle(20, 140, 360, 20);
  EXPECT_GT(DarkPixels(Child<TGraphView>(page, "GraphView")->grab().toImage(), middle), 40);
  Tick(document, 1);
  Tick(document, 2);
  Child<QAction>(page, "GraphFourOptions")->trigger();
  ASSERT_EQ(page->Graphs().Visible(), TGraphKind::FourRadars);
  EXPECT_GT(DarkPixels(Child<TGraphView>(page, "GraphView")->grab().toImage(), middle), 40);
}

TEST_F(GraphsPage, ShowAndHideAllOptions) {
  TModelForm* document = OpenCar();
  TGraphsPage* page = Child<TGraphsPage>(document, "GraphsPage");
  Tick(document, 0);
  Child<QAction>(page, "GraphHideAll")->trigger();
  EXPECT_EQ(document->Model().OptionSelection(), "00000");
  EXPECT_EQ(Child<QListWidget>(page, "OptionList")->item(4)->checkState(), Qt::Unchecked);
  EXPECT_TRUE(page->Graphs().Bar().Series(0).IsEmpty());
  Child<QAction>(page, "GraphShowAll")->trigger();
  EXPECT_EQ(page->Graphs().Bar().Series(0).Points().size(), 5U);
  // The selection is an undoable step, but no part of the file.
  EXPECT_EQ(document->History().UndoName(), "Select options");
  EXPECT_FALSE(document->Document().Modified());

  // The pop-up's items mirror the menu's tick marks and run the same commands.
  QAction* namedValues = Child<QMenu>(page, "GraphPopupMenu")->actions().at(3);
  EXPECT_TRUE(namedValues->isChecked());
  namedValues->trigger();
  EXPECT_FALSE(page->Settings().NamedValues);
  EXPECT_FALSE(Child<QAction>(page, "GraphNamedValues")->isChecked());
  EXPECT_FALSE(namedValues->isChecked());
}

TEST_F(GraphsPage, DeletedAttributesDropOut) {
  TModelForm* document = OpenCar();
  Tick(document, 1);
  Tick(document, 2);
  const TUbicAttribute* chosen = Item(document, 2)->Attribute();
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(0);
  document->SelectAttribute(chosen);
  Questions.Answer(TAnswer::Yes);
  document->ModDeleteBtnClick();
  ASSERT_EQ(TakeAsked().size(), 1U);
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(GraphsTab);
  EXPECT_EQ(Child<TGraphsPage>(document, "GraphsPage")->ChartAttributes().size(), 1U);
  EXPECT_EQ(Child<TGraphsPage>(document, "GraphsPage")->Graphs().Visible(), TGraphKind::Bar);
}

}  // namespace
}  // namespace ubic
