// The explanation dialog of the Evaluation page: the current option's values in the attribute
// tree with the rules that decided them, its strong and weak points marked, and its text on the
// clipboard.

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <map>

#include "files/explaintable.h"
#include "model/explain.h"
#include "model/valuetext.h"
#include "ui/explainform.h"
#include "ui/optionspage.h"
#include "ui/uitext.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

constexpr int OptionsTab = 1;
constexpr int EvaluationTab = 2;
constexpr int ValueColumn = 1;
constexpr int RulesColumn = 2;

using Explain = TUiTest;

std::vector<QTreeWidgetItem*> PreOrder(QTreeWidget& tree) {
  std::vector<QTreeWidgetItem*> items;
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) items.push_back(*it);
  return items;
}

// The colour most of the shown pixels of Row in Image have: a row's background, not its text.
QColor Background(const QImage& image, const QRect& row) {
  const QRect rect = row.intersected(image.rect());
  std::map<QRgb, int> counts;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) ++counts[image.pixel(x, y)];
  }
  const auto most =
      std::max_element(counts.begin(), counts.end(),
                       [](const auto& a, const auto& b) { return a.second < b.second; });
  return most == counts.end() ? QColor() : QColor(most->first);
}

TEST_F(Explain, TheButtonNeedsAnOption) {
  TModelForm* document = Main->CreateDocument("");
  auto* pages = Child<QTabWidget>(document, "PageControl");
  pages->setCurrentIndex(EvaluationTab);
  auto* explain = Child<QPushButton>(document, "ExplainBtn");
  EXPECT_FALSE(explain->isEnabled());
  pages->setCurrentIndex(OptionsTab);
  Child<QPushButton>(document, "OptAddBtn")->click();
  pages->setCurrentIndex(EvaluationTab);
  EXPECT_TRUE(explain->isEnabled());
}

TEST_F(Explain, TheDialogShowsWhyTheCurrentOptionHasItsValues) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(EvaluationTab);
  auto* page = Child<TEvaluationPage>(document, "EvaluationPage");
  ASSERT_TRUE(Child<QPushButton>(page, "ExplainBtn")->isEnabled());
  // Sports Coupe, the third option, has good and bad values.
  constexpr int Option = 2;
  Child<TOptionGrid>(page, "Grid")->SetCurrent({2, Option + 1});
  const TUbicModel& model = document->Model();
  const TExplanation expected = ExplainOption(model, Option);
  ASSERT_FALSE(expected.Strong.empty());
  ASSERT_FALSE(expected.Weak.empty());
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);

  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* form = dynamic_cast<TExplainForm*>(QApplication::activeModalWidget());
    ASSERT_TRUE(form);
    shown = true;
    EXPECT_EQ(form->windowTitle(), "Explanation of " + ToQString(model.Options()[Option]));
    QTreeWidget& tree = *Child<QTreeWidget>(form, "Tree");
    const std::vector<QTreeWidgetItem*> items = PreOrder(tree);
    ASSERT_EQ(items.size(), attributes.size());
    std::size_t aggregate = 0;
    int coloured = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const TUbicAttribute& attribute = *attributes[i];
      const QTreeWidgetItem& item = *items[i];
      EXPECT_EQ(item.text(0), ToQString(attribute.GetName()));
      const QTreeWidgetItem* parent = item.parent();
      EXPECT_EQ(parent ? parent->text(0) : QString(),
                attribute.Level() > 1 ? ToQString(attribute.Parent()->GetName()) : QString());
      // The evaluated model's value, which the explanation comes to as well.
      const std::string value = attribute.OptionText(Option);
      EXPECT_EQ(item.text(ValueColumn), ToQString(ValueSetText(attribute.Scale(), value)));
      if (attribute.IsBasic()) continue;
      const TAggregateExplanation& explained = expected.Aggregates[aggregate++];
      ASSERT_EQ(explained.Attribute, &attribute);
      EXPECT_EQ(explained.Value, value);
      ASSERT_FALSE(explained.Rules.empty());
      for (const TDecidingRule& rule : explained.Rules) {
        EXPECT_TRUE(item.text(RulesColumn).contains(ToQString(RuleOriginText(rule))))
            << item.text(RulesColumn).toStdString();
      }
      // Values are coloured by their class as the Evaluation grid colours them.
      const QColor colour = item.foreground(ValueColumn).color();
      const TValueClass valueClass = SetClassOf(attribute.Scale(), value);
      if (valueClass == TValueClass::Good) {
        EXPECT_GT(colour.green(), colour.red());
      }
      if (valueClass == TValueClass::Bad) {
        EXPECT_GT(colour.red(), colour.green());
      }
      coloured += valueClass != TValueClass::Neutral;
    }
    EXPECT_EQ(aggregate, expected.Aggregates.size());
    EXPECT_GT(coloured, 0);

    // Strong points on green, weak ones on red, each with its icon; the others plain.
    const QImage shot = tree.viewport()->grab().toImage();
    const auto itemOf = [&](const TUbicAttribute* attribute) {
      const auto at = std::find(attributes.begin(), attributes.end(), attribute);
      return items[static_cast<std::size_t>(at - attributes.begin())];
    };
    const QColor strong = Background(shot, tree.visualItemRect(itemOf(expected.Strong[0])));
    const QColor weak = Background(shot, tree.visualItemRect(itemOf(expected.Weak[0])));
    EXPECT_GT(strong.green(), strong.red() + 20);
    EXPECT_GT(weak.red(), weak.green() + 20);
    EXPECT_FALSE(itemOf(expected.Strong[0])->icon(0).isNull());
    EXPECT_FALSE(itemOf(expected.Weak[0])->icon(0).isNull());
    EXPECT_TRUE(items[0]->icon(0).isNull());
    const QColor plain = Background(shot, tree.visualItemRect(items[0]));
    EXPECT_NE(plain, strong);
    EXPECT_NE(plain, weak);

    // The text of the command-line tool, under the dialog's title.
    const QString text = QString::fromStdString(ExplanationText(expected));
    QApplication::clipboard()->clear();
    Child<QPushButton>(form, "CopyBtn")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), form->windowTitle() + "\n\n" + text);
    EXPECT_TRUE(text.contains(ToQString(expected.Weak[0]->GetName())));
    QApplication::clipboard()->clear();
    EXPECT_TRUE(Eventually([form] { return QApplication::activeWindow() == form; }));
    QTest::keyClick(&tree, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), form->windowTitle() + "\n\n" + text);
    form->reject();
  });
  Child<QPushButton>(page, "ExplainBtn")->click();
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace ubic
