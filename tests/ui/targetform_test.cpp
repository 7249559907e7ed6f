// The Target dialog of the Evaluation page: the solutions the analysis finds for the target the
// user chooses, and one of them added as a new option in one step that Undo takes back.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

#include "files/modelio.h"
#include "files/targettable.h"
#include "model/model_builders.h"
#include "model/valuecode.h"
#include "ui/optionspage.h"
#include "ui/targetform.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

constexpr int EvaluationTab = 2;

class Target : public TUiTest {
 protected:
  // The Evaluation page of Document with Option's column current.
  TEvaluationPage* ShowOption(TModelForm* document, int option) {
    Child<QTabWidget>(document, "PageControl")->setCurrentIndex(EvaluationTab);
    auto* page = Child<TEvaluationPage>(document, "EvaluationPage");
    Child<TOptionGrid>(page, "Grid")->SetCurrent({2, option + 1});
    return page;
  }

  // Clicks the page's Target button and has Answer deal with the dialog, which is closed after
  // unless Answer closed it; whether the dialog came.
  static bool WithTargetForm(TEvaluationPage* page,
                             const std::function<void(TTargetForm&)>& answer) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
      auto* form = dynamic_cast<TTargetForm*>(QApplication::activeModalWidget());
      if (form == nullptr) return;
      shown = true;
      answer(*form);
      if (form->isVisible()) Child<QPushButton>(form, "CloseBtn")->click();
    });
    Child<QPushButton>(page, "TargetBtn")->click();
    return shown;
  }
};

void Choose(TTargetForm& form, const char* combo, const char* text) {
  auto* box = Child<QComboBox>(&form, combo);
  const int index = box->findText(text);
  ASSERT_GE(index, 0) << text;
  box->setCurrentIndex(index);
}

QStringList Listed(TTargetForm& form) {
  QStringList texts;
  const QListWidget& list = *Child<QListWidget>(&form, "SolutionList");
  for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
  return texts;
}

QStringList SolutionTexts(const TTargetAnswer& answer) {
  QStringList texts;
  for (const TTargetSolution& solution : answer.Solutions) {
    texts << QString::fromStdString(TargetSolutionText(solution));
  }
  return texts;
}

QString Outcome(TTargetForm& form) {
  return Child<QLabel>(&form, "OutcomeLabel")->text();
}

// Whether every value of an evaluated value-set text meets the target.
bool Reaches(const TTargetQuestion& question, const std::string& codes) {
  return !codes.empty() && std::all_of(codes.begin(), codes.end(), [&](char code) {
    return MeetsTarget(*question.Attribute->Scale(), question.Direction, question.Value,
                       ValueIndexOf(code));
  });
}

TEST_F(Target, AChosenSolutionBecomesANewOptionInOneStep) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  const int option = 2;
  TEvaluationPage* page = ShowOption(document, option);
  const bool modifiedBefore = document->Document().Modified();
  ASSERT_FALSE(modifiedBefore);
  const int options = document->Model().OptionCount();
  const std::string name = document->Model().Options()[option];
  TTargetQuestion question{option, Find(document, "CAR"), TTargetDirection::AtLeast};
  std::vector<TBasicChange> chosen;
  EXPECT_TRUE(WithTargetForm(page, [&](TTargetForm& form) {
    EXPECT_EQ(form.windowTitle(), QString::fromStdString("Target for " + name));
    Choose(form, "AttributeCombo", "CAR");
    Choose(form, "DirectionCombo", "at least");
    Choose(form, "ValueCombo", "good");
    question.Value = TUbicAttribute::ValueIndex(question.Attribute, "good");
    const TTargetAnswer answer = FindTargetChanges(question);
    ASSERT_EQ(answer.Outcome, TTargetOutcome::Reachable);
    ASSERT_GE(answer.Solutions.size(), 2U);
    EXPECT_EQ(Listed(form), SolutionTexts(answer));
    Child<QListWidget>(&form, "SolutionList")->setCurrentRow(1);
    chosen = answer.Solutions[1].Changes;
    Child<QPushButton>(&form, "AddOptionBtn")->click();
  }));

  const TUbicModel& model = document->Model();
  ASSERT_EQ(model.OptionCount(), options + 1);
  const int added = option + 1;
  EXPECT_EQ(model.Options()[added], name + " (target)");
  std::vector<const TUbicAttribute*> basic;
  model.Root()->CollectBasicAttributes(basic);
  for (const TUbicAttribute* attribute : basic) {
    const auto change = std::find_if(chosen.begin(), chosen.end(), [&](const TBasicChange& c) {
      return c.Attribute == attribute;
    });
    const std::string expected = change != chosen.end() ? std::string(1, ValueCode(change->To))
                                                        : attribute->OptionText(option);
    EXPECT_EQ(attribute->OptionText(added), expected) << attribute->GetName();
  }
  EXPECT_FALSE(Reaches(question, question.Attribute->OptionText(option)));
  EXPECT_TRUE(Reaches(question, question.Attribute->OptionText(added)));
  EXPECT_EQ(Child<TOptionGrid>(page, "Grid")->Current().Col, added + 1);
  EXPECT_TRUE(document->Document().Modified());

  Action("EditUndo")->trigger();
  EXPECT_EQ(document->Model().OptionCount(), options);
  EXPECT_EQ(document->Model().Options()[option], name);
  EXPECT_EQ(document->Document().Modified(), modifiedBefore);
}

// In a narrow dialog a long solution wraps, readable without scrolling sideways, and its tip
// holds it whole.
TEST_F(Target, LongSolutionsWrapInANarrowDialog) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  TEvaluationPage* page = ShowOption(document, 2);
  EXPECT_TRUE(WithTargetForm(page, [&](TTargetForm& form) {
    Choose(form, "AttributeCombo", "CAR");
    Choose(form, "ValueCombo", "excellent");
    auto* list = Child<QListWidget>(&form, "SolutionList");
    ASSERT_GT(list->count(), 0);
    form.resize(form.minimumSizeHint().width(), form.height());
    QApplication::processEvents();
    const QFontMetrics metrics(list->font());
    const int room = list->viewport()->width();
    int wrapped = 0;
    for (int row = 0; row < list->count(); ++row) {
      const QListWidgetItem* item = list->item(row);
      const QRect shown = list->visualItemRect(item);
      EXPECT_LE(shown.right(), room) << row;
      EXPECT_EQ(item->toolTip(), item->text());
      if (metrics.horizontalAdvance(item->text()) > room) {
        ++wrapped;
        EXPECT_GE(shown.height(), 2 * metrics.height()) << row;
      }
    }
    EXPECT_GT(wrapped, 0) << "some solution is wider than the list";
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
  }));
}

TEST_F(Target, SaysWhenTheOptionReachesTheTargetOrNothingDoes) {
  // Top is at most v1 whatever X and Y are, and is v1 as the option stands.
  test::TMinModel capped(true);
  const std::string file = TempFile("capped.ubm");
  SaveModel(capped.Model, file);
  TModelForm* document = Main->CreateDocument(file);
  EXPECT_TRUE(WithTargetForm(ShowOption(document, 0), [&](TTargetForm& form) {
    // The top attribute at its best value comes first.
    EXPECT_EQ(Outcome(form), "No change reaches the target.");
    EXPECT_TRUE(Listed(form).isEmpty());
    EXPECT_FALSE(Child<QPushButton>(&form, "AddOptionBtn")->isEnabled());
    Choose(form, "ValueCombo", "v1");
    EXPECT_EQ(Outcome(form), "The option already reaches the target.");
    EXPECT_TRUE(Listed(form).isEmpty());
    Choose(form, "DirectionCombo", "at most");
    Choose(form, "ValueCombo", "v0");
    EXPECT_EQ(Listed(form), (QStringList{"X: v1 → v0", "Y: v2 → v0"}));
    EXPECT_TRUE(Child<QPushButton>(&form, "AddOptionBtn")->isEnabled());
  }));
  EXPECT_EQ(document->Model().OptionCount(), 1);
}

}  // namespace
}  // namespace ubic
