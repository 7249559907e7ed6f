// The sensitivity dialog of the Evaluation page: the current option's what-if table, changes
// coloured, and the model left as it was.

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "files/modelio.h"
#include "foundation/textfile.h"
#include "ui/optionspage.h"
#include "ui/sensitivityform.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

constexpr int EvaluationTab = 2;

using Sensitivity = TUiTest;

QStringList RowTexts(const QTableWidget& table, int row) {
  QStringList texts;
  for (int col = 0; col < table.columnCount(); ++col) texts << table.item(row, col)->text();
  return texts;
}

TEST_F(Sensitivity, DialogShowsTheCurrentOptionColouredByChange) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(EvaluationTab);
  TEvaluationPage* page = Child<TEvaluationPage>(document, "EvaluationPage");
  ASSERT_TRUE(Child<QPushButton>(page, "SensitivityBtn")->isEnabled());
  // Electric City Car is the fourth option.
  Child<TOptionGrid>(page, "Grid")->SetCurrent({2, 4});
  const std::string before = TempFile("before.ubm");
  SaveModel(document->Model(), before);

  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* form = dynamic_cast<TSensitivityForm*>(QApplication::activeModalWidget());
    ASSERT_TRUE(form);
    shown = true;
    const QTableWidget& table = *Child<QTableWidget>(form, "Table");
    EXPECT_EQ(RowTexts(table, 0), (QStringList{"(as it is)", "", "", "acceptable"}));
    EXPECT_EQ(RowTexts(table, 1),
              (QStringList{"Price", "25000-35000", "15000-25000", "acceptable"}));
    ASSERT_EQ(table.rowCount(), 7);
    EXPECT_EQ(RowTexts(table, 6), (QStringList{"Boot size", "small", "medium", "good"}));
    const QColor plain = table.item(1, 3)->background().color();
    const QColor worse = table.item(2, 3)->background().color();
    const QColor better = table.item(6, 3)->background().color();
    EXPECT_EQ(table.item(2, 3)->text(), "unacceptable");
    EXPECT_GT(worse.red(), worse.green());
    EXPECT_GT(better.green(), better.red());
    EXPECT_NE(plain, worse);
    EXPECT_NE(plain, better);
    form->reject();
  });
  Child<QPushButton>(page, "SensitivityBtn")->click();
  EXPECT_TRUE(shown);
  const std::string after = TempFile("after.ubm");
  SaveModel(document->Model(), after);
  EXPECT_EQ(ReadFileText(after), ReadFileText(before));
}

}  // namespace
}  // namespace ubic
