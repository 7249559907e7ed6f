// Conflicting rules: marked, counted and named in the rule editor as the user enters values, and
// counted on the Model page.

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTableView>

#include "files/modelio.h"
#include "model/model_builders.h"
#include "ui/functform.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

QTableView* Grid(const TFunctForm& form) {
  return Child<QTableView>(&form, "RuleGrid");
}

QString Status(const TFunctForm& form) {
  return Child<QLabel>(&form, "StatusLine")->text();
}

// The line below the statistics, empty while it is hidden.
QString ConflictLine(const TFunctForm& form) {
  const QLabel* line = Child<QLabel>(&form, "ConflictLine");
  return line->isVisible() ? line->text() : QString();
}

// Clicks the first input of the rule, which makes the rule current, and types Keys there.
void Enter(const TFunctForm& form, int rule, const QString& keys = {}) {
  QTableView* grid = Grid(form);
  const QRect cell = grid->visualRect(grid->model()->index(rule, 0));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  TypeKeys(grid, keys);
}

// The colour drawn at the right end of the rule's first input, beyond its text.
QColor Background(const TFunctForm& form, int rule) {
  QTableView* grid = Grid(form);
  const QRect cell = grid->visualRect(grid->model()->index(rule, 0));
  return grid->viewport()->grab().toImage().pixelColor(cell.right() - 3, cell.center().y());
}

// The left end of the rule's number, where a conflict's sign goes.
QImage SignArea(const TFunctForm& form, int rule) {
  const QHeaderView* numbers = Grid(form)->verticalHeader();
  const int width = form.style()->pixelMetric(QStyle::PM_SmallIconSize);
  return numbers->viewport()->grab().toImage().copy(0, numbers->sectionViewportPosition(rule),
                                                    width, numbers->sectionSize(rule));
}

// Top = min(X, Y) over three values each, every rule entered; rule x * 3 + y.
class RuleConflicts : public TUiTest {
 protected:
  void SetUp() override {
    TUiTest::SetUp();
    const std::string file = TempFile("min.ubm");
    test::TMinModel min;
    SaveModel(min.Model, file);
    Document = Main->CreateDocument(file);
  }

  TModelForm* Document = nullptr;
};

TEST_F(RuleConflicts, MarkedCountedAndNamedAsValuesAreEntered) {
  TFunctForm form;
  const TUbicAttribute* top = Find(Document, "Top");
  form.Setup(top, *top->Funct());
  form.show();
  // The cursor stays on rule 1 while the rows are compared: the current rule's number is drawn
  // apart.
  EXPECT_TRUE(Eventually([&] { return Grid(form)->isVisible(); }));
  EXPECT_FALSE(Status(form).contains("conflict")) << Status(form).toStdString();
  EXPECT_EQ(ConflictLine(form), "");
  const QColor plain = Background(form, 1);
  EXPECT_EQ(SignArea(form, 4), SignArea(form, 3));

  // x 1, y 2 lowered to the first value: worse than x 1, y 1 at the second.
  Enter(form, 5, "1");
  EXPECT_TRUE(Status(form).endsWith(", 1 conflict")) << Status(form).toStdString();
  EXPECT_EQ(ConflictLine(form), "Rule 6 conflicts with rule 5.");
  Enter(form, 0);
  EXPECT_EQ(ConflictLine(form), "Conflicting rules: 5, 6.");
  EXPECT_NE(Background(form, 4), plain);
  EXPECT_EQ(Background(form, 5), Background(form, 4));
  EXPECT_EQ(Background(form, 3), plain);
  EXPECT_NE(SignArea(form, 4), SignArea(form, 3));
  EXPECT_EQ(SignArea(form, 5), SignArea(form, 4));

  // x 2, y 1 lowered too: rule 5 now conflicts with both, each explained in the tool tip.
  Enter(form, 7, "1");
  EXPECT_TRUE(Status(form).endsWith(", 2 conflicts")) << Status(form).toStdString();
  EXPECT_EQ(ConflictLine(form), "Rule 8 conflicts with rule 5.");
  Enter(form, 4);
  EXPECT_EQ(ConflictLine(form), "Rule 5 conflicts with rules 6, 8.");
  const QStringList details = Child<QLabel>(&form, "ConflictLine")->toolTip().split('\n');
  ASSERT_EQ(details.size(), 2);
  EXPECT_TRUE(details[0].endsWith("though better than v1; v1 -> v1 in Y"))
      << details[0].toStdString();
  EXPECT_TRUE(details[1].endsWith("though better than v1; v1 -> v1 in X"))
      << details[1].toStdString();

  // Rule 5 lowered as well: the table is consistent again and the marks go.
  TypeKeys(Grid(form), "1");
  EXPECT_FALSE(Status(form).contains("conflict")) << Status(form).toStdString();
  EXPECT_EQ(ConflictLine(form), "");
  Enter(form, 0);
  for (const int rule : {4, 5, 7}) {
    EXPECT_EQ(Background(form, rule), plain) << rule;
    EXPECT_EQ(SignArea(form, rule), SignArea(form, 3)) << rule;
  }
  form.reject();
}

TEST_F(RuleConflicts, CountedOnTheModelPage) {
  Select(Document, "Top");
  QLabel* text = Child<QLabel>(Document, "ModFunctText");
  EXPECT_FALSE(text->text().contains("conflict")) << text->text().toStdString();
  WithModal([&] { Child<QAction>(Document, "ModFunct")->trigger(); },
            [&](QWidget*) {
              const TFunctForm& form = *Child<TFunctForm>(Document, "FunctForm");
              Enter(form, 5, "1");
              Enter(form, 7, "1");
              QTest::mouseClick(Child<QPushButton>(&form, "OkBtn"), Qt::LeftButton);
            });
  EXPECT_TRUE(text->text().startsWith("Rules: 9/9")) << text->text().toStdString();
  EXPECT_TRUE(text->text().endsWith(", 2 conflicts")) << text->text().toStdString();

  // With the attribute's fields as narrow as the splitter makes them, the summary wraps, down to
  // its conflicts.
  auto* splitter = Child<QSplitter>(Document, "ModSplitter");
  splitter->setSizes({splitter->width(), 0});
  QCoreApplication::sendPostedEvents();
  const QFontMetrics metrics(text->font());
  const QRect room = text->contentsRect();
  ASSERT_GT(metrics.horizontalAdvance(text->text()), room.width()) << "one line is too short";
  EXPECT_LE(metrics.boundingRect(room, Qt::TextWordWrap, text->text()).height(), room.height());
  const QImage drawn = text->grab(room).toImage();
  int lowestInk = -1;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      if (drawn.pixelColor(x, y).lightness() < 128) lowestInk = y;
    }
  }
  EXPECT_GT(lowestInk, metrics.height()) << "a second line is drawn";
  Action("EditUndo")->trigger();
  EXPECT_FALSE(text->text().contains("conflict")) << text->text().toStdString();
}

}  // namespace
}  // namespace ubic
