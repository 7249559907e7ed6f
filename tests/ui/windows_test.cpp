// Where and how large the windows open, their frames, and what they remember for the next run.

#include <QFileDialog>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "files/modelio.h"
#include "foundation/textfile.h"
#include "ui/aboutbox.h"
#include "ui/explainform.h"
#include "ui/functform.h"
#include "ui/namedescform.h"
#include "ui/previewform.h"
#include "ui/recentfiles.h"
#include "ui/rptform.h"
#include "ui/scaleform.h"
#include "ui/sensitivityform.h"
#include "ui/textdimform.h"
#include "ui/weiform.h"
#include "ui/windowplacement.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

TEST(WindowPlacement, FitRectShrinksAndMovesIntoTheArea) {
  const QRect screen(0, 0, 800, 600);
  EXPECT_EQ(FitRect({100, 100, 300, 200}, screen), QRect(100, 100, 300, 200));
  EXPECT_EQ(FitRect({0, 40, 800, 900}, screen), QRect(0, 0, 800, 600));
  EXPECT_EQ(FitRect({700, 550, 300, 200}, screen), QRect(500, 400, 300, 200));
  EXPECT_EQ(FitRect({-50, -20, 300, 200}, QRect(10, 30, 800, 600)), QRect(10, 30, 300, 200));
}

TEST(WindowPlacement, BesideTheAnchorRightLeftBelowOrAtTheEdge) {
  const QRect screen(0, 0, 1000, 800);
  const QSize size(300, 200);
  EXPECT_EQ(PlaceBeside({100, 100, 400, 300}, size, screen), QPoint(500, 100));
  EXPECT_EQ(PlaceBeside({500, 100, 400, 300}, size, screen), QPoint(200, 100));
  // Aligned with the anchor's top it would leave the screen: it slides up.
  EXPECT_EQ(PlaceBeside({500, 700, 400, 100}, size, screen), QPoint(200, 600));
  EXPECT_EQ(PlaceBeside({150, 0, 750, 400}, size, screen), QPoint(150, 400));
  // No room anywhere: at the screen's right edge.
  EXPECT_EQ(PlaceBeside({50, 50, 900, 700}, size, screen), QPoint(700, 50));
}

TEST(WindowPlacement, TheAnchorMakesRoomWhenBothFitSideBySide) {
  const QRect screen(0, 0, 1000, 800);
  EXPECT_EQ(MakeRoomBeside({300, 100, 500, 600}, {400, 300}, screen), QRect(100, 100, 500, 600));
  EXPECT_EQ(MakeRoomBeside({100, 100, 500, 600}, {400, 300}, screen), QRect(100, 100, 500, 600))
      << "room enough already";
  EXPECT_EQ(MakeRoomBeside({300, 100, 700, 600}, {400, 300}, screen), QRect(300, 100, 700, 600))
      << "too wide together";
}

class Windows : public TUiTest {
 protected:
  void SetUp() override {
    // Each test starts as a first run: no window remembers a place.
    UserSettings().remove("Windows");
    // As the program names itself, so that the frames show it after the titles.
    QGuiApplication::setApplicationDisplayName("Ubic");
    TUiTest::SetUp();
  }

  // The frame around Window lies within the screen's available area.
  static void ExpectOnScreen(const QWidget& window) {
    const QRect available = window.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window.frameGeometry()))
        << window.windowTitle().toStdString() << ": " << window.frameGeometry().width() << "x"
        << window.frameGeometry().height() << " on " << available.width() << "x"
        << available.height();
  }

  // Ordered yes/no inputs named at length under one attribute: a table of 2^Inputs rules.
  TModelForm* OpenWide(int inputs) {
    TUbicModel model;
    auto top = std::make_unique<TUbicAttribute>("Wide", "");
    for (int i = 0; i <= inputs; ++i) {
      auto scale = std::make_unique<TUbicDiscreteScale>();
      scale->AddValue("no");
      scale->AddValue("yes");
      scale->SetOrder(TScaleOrder::Ascending);
      if (i == 0) {
        top->SetScale(std::move(scale));
        continue;
      }
      auto input = std::make_unique<TUbicAttribute>("Longer input " + std::to_string(i), "");
      input->SetScale(std::move(scale));
      top->AddInput(std::move(input));
    }
    model.Root()->AddInput(std::move(top));
    const std::string file = TempFile("wide.ubm");
    SaveModel(model, file);
    TModelForm* document = Main->CreateDocument(file);
    const TUbicAttribute* wide = Find(document, "Wide");
    TUbicFunction function;
    function.Initialize(wide);
    document->Run(edits::SetFunction(*wide, function));
    return document;
  }
};

TEST_F(Windows, NoWindowOpensLargerThanTheScreen) {
  // The preview's own size is taller than the offscreen screen.
  TPreviewForm& preview = Main->PreviewForm();
  preview.show();
  ExpectOnScreen(preview);
  const QWidget* status = preview.findChild<QStatusBar*>();
  ASSERT_TRUE(status);
  EXPECT_TRUE(preview.rect().contains(QRect(status->mapTo(&preview, QPoint()), status->size())))
      << "the status line is inside the window";
  preview.hide();

  // A table of 256 rules is taller than any screen: the editor takes the screen, no more.
  TModelForm* document = OpenWide(8);
  TFunctForm form(document);
  const TUbicAttribute* wide = Find(document, "Wide");
  form.Setup(wide, *wide->Funct());
  form.show();
  ExpectOnScreen(form);
  QWidget* ok = Child<QPushButton>(&form, "OkBtn");
  EXPECT_TRUE(form.rect().contains(QRect(ok->mapTo(&form, QPoint()), ok->size())));
  form.reject();
}

TEST_F(Windows, TheRuleEditorOpensAtTheSizeOfItsTable) {
  // Wider than the editor's own size, narrower than the screen.
  TModelForm* document = OpenWide(4);
  TFunctForm form(document);
  const TUbicAttribute* wide = Find(document, "Wide");
  form.Setup(wide, *wide->Funct());
  form.show();
  const QTableView* grid = Child<QTableView>(&form, "RuleGrid");
  // The layout follows the size the editor opened at once the posted layout request is handled.
  QApplication::processEvents();
  EXPECT_FALSE(grid->horizontalScrollBar()->isVisible()) << "every column in sight";
  EXPECT_FALSE(grid->verticalScrollBar()->isVisible()) << "all 16 rules in sight";
  // No more room than the rules need: less than one more row below them.
  const int rulesBottom = grid->rowViewportPosition(15) + grid->rowHeight(15);
  EXPECT_LT(grid->viewport()->height() - rulesBottom, grid->rowHeight(15));
  form.reject();
}

// Only the first opening fits the table; then the editor comes back as the user left it, also
// for another table and in the next run.
TEST_F(Windows, TheRuleEditorKeepsTheSizeTheUserGaveIt) {
  TModelForm* document = OpenWide(4);
  const TUbicAttribute* wide = Find(document, "Wide");
  QRect left;
  {
    TFunctForm form(document);
    form.Setup(wide, *wide->Funct());
    form.show();
    const QSize fitted = form.size();
    ASSERT_GT(fitted.height(), 400);
    form.resize(fitted.width() + 40, fitted.height() - 90);
    form.move(30, 20);
    left = form.geometry();
    form.reject();
    document->Run(edits::DeleteAttribute(*Find(document, "Longer input 4")));
    wide = Find(document, "Wide");
    TUbicFunction smaller;
    smaller.Initialize(wide);
    document->Run(edits::SetFunction(*wide, smaller));
    form.Setup(wide, *wide->Funct());
    form.show();
    EXPECT_EQ(form.geometry(), left);
    form.reject();
  }
  TFunctForm next(document);
  next.Setup(wide, *wide->Funct());
  next.show();
  EXPECT_EQ(next.geometry(), left);
  next.reject();
}

// The View menu lists a document of a very long name by its beginning and its file, and the
// whole caption is the item's tip.
TEST_F(Windows, TheViewMenuStaysNarrowForLongNames) {
  TModelForm* document = Main->CreateDocument({});
  document->Run(
      edits::RenameAttribute(*document->Model().FirstAttribute(), std::string(300, 'M') + " end"));
  auto* menu = Child<QMenu>(Main.get(), "ViewMenu");
  menu->popup(Main->mapToGlobal(QPoint(10, 10)));
  ASSERT_TRUE(Eventually([&] { return menu->isVisible(); }));
  const QAction* item = menu->actions().last();
  const QString caption = document->Caption();
  EXPECT_EQ(item->toolTip(), caption);
  EXPECT_TRUE(item->text().startsWith("&1 MMM")) << item->text().toStdString();
  EXPECT_TRUE(item->text().contains(QChar(0x2026)));
  EXPECT_LT(menu->width(), QFontMetrics(menu->font()).horizontalAdvance(caption) / 2);
  EXPECT_LT(menu->width(), menu->screen()->availableGeometry().width());
  menu->hide();
}

TEST_F(Windows, DialogsOpenWhereTheyWereLeftAlsoInTheNextRun) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  QPoint place;
  QSize size;
  {
    TScaleForm form(Questions, document);
    form.Setup(Find(document, "Safety"));
    form.show();
    form.resize(520, 400);
    form.move(40, 30);
    place = form.pos();
    size = form.size();
    form.reject();
    // Opened again and again, it stays put.
    for (int i = 0; i < 2; ++i) {
      form.Setup(Find(document, "Safety"));
      form.show();
      EXPECT_EQ(form.pos(), place);
      EXPECT_EQ(form.size(), size);
      form.reject();
    }
  }
  // A new run: the same settings, a new window.
  TScaleForm form(Questions, document);
  form.Setup(Find(document, "Comfort"));
  form.show();
  EXPECT_EQ(form.pos(), place);
  EXPECT_EQ(form.size(), size);
  form.reject();
}

TEST_F(Windows, TheMainWindowRemembersItsPlaceAndState) {
  Main->showNormal();
  Main->setGeometry(60, 50, 640, 480);
  const QRect normal = Main->geometry();
  Main->close();
  TMainForm second(Questions, {});
  second.show();
  EXPECT_EQ(second.geometry(), normal);
  second.showMaximized();
  second.close();
  TMainForm third(Questions, {});
  third.show();
  EXPECT_TRUE(third.isMaximized());
  third.close();
}

class WindowsWeights : public Windows {
 protected:
  void SetUp() override {
    Windows::SetUp();
    Document = Main->CreateDocument(Example("car.ubm"));
    Technical = Find(Document, "TECHNICAL");
    Form = std::make_unique<TFunctForm>(Document);
    Form->Setup(Technical, *Technical->Funct());
    Form->show();
  }

  void TearDown() override {
    Form.reset();
    Windows::TearDown();
  }

  TModelForm* Document = nullptr;
  const TUbicAttribute* Technical = nullptr;
  std::unique_ptr<TFunctForm> Form;
};

TEST_F(WindowsWeights, TheWeightsDialogOpensBesideTheRules) {
  Form->move(0, 0);
  TWeiForm& weights = *Form->WeiForm();
  weights.show();
  EXPECT_FALSE(weights.frameGeometry().intersects(Form->frameGeometry()));
  ExpectOnScreen(weights);
  weights.reject();
}

TEST_F(WindowsWeights, TypedWeightsAreTheOnesUsed) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    TWeiForm& weights = *Form->WeiForm();
    shown = weights.isVisible();
    QSpinBox* comfort = Child<QSpinBox>(&weights, "RequiredEdit1");
    comfort->setFocus();
    comfort->selectAll();
    QTest::keyClicks(comfort, "70");
    EXPECT_EQ(Child<QSlider>(&weights, "TrackBar1")->value(), 70) << "the track bar follows";
    QTest::keyClick(comfort, Qt::Key_Return);
  });
  QTest::mouseClick(Child<QPushButton>(Form.get(), "WeightsBtn"), Qt::LeftButton);
  ASSERT_TRUE(shown);
  EXPECT_FALSE(Form->WeiForm()->isVisible()) << "Return is OK";
  QTest::mouseClick(Child<QPushButton>(Form.get(), "OkBtn"), Qt::LeftButton);
  Document->Run(edits::SetFunction(*Technical, *Form->EditedFunction()));
  ASSERT_EQ(Technical->Funct()->Weights().size(), 3u);
  EXPECT_EQ(Technical->Funct()->Weights()[1], 70);
  EXPECT_TRUE(Technical->Funct()->UseWeights());
}

// Each dialog: a dialog's frame without minimise and maximise buttons, no status bar, and wide
// enough for its title beside the frame's buttons.
TEST_F(Windows, DialogFramesAreDialogsWideEnoughForTheirTitles) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  const TUbicModel& model = document->Model();
  const TUbicAttribute* technical = Find(document, "TECHNICAL");
  TFunctForm functForm(document);
  functForm.Setup(technical, *technical->Funct());
  TScaleForm scaleForm(Questions, document);
  scaleForm.Setup(technical);
  TSensitivityForm sensitivity(model, 0, document);
  TExplainForm explanation(model, 0, document);
  TAboutBox about(Main.get());
  std::vector<QDialog*> dialogs = {&functForm,
                                   functForm.WeiForm(),
                                   &scaleForm,
                                   Child<TNameDescEditForm>(&scaleForm, "NameDescEditForm"),
                                   &Main->RptForm(),
                                   &sensitivity,
                                   &explanation,
                                   &about,
                                   Child<TTextDimForm>(&Main->PreviewForm(), "TextDim")};
  for (QDialog* dialog : dialogs) {
    const std::string title = dialog->windowTitle().toStdString();
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << title;
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog) << title;
    EXPECT_FALSE(dialog->findChild<QStatusBar*>()) << title;
    dialog->show();
    QFont bold = dialog->font();
    bold.setBold(true);
    const int buttons = 3 * dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QString shown = dialog->windowTitle() + QString::fromUtf8(" \u2014 Ubic");
    EXPECT_GE(dialog->width(), QFontMetrics(bold).horizontalAdvance(shown) + buttons) << title;
    dialog->hide();
  }
}

// The open and save dialogs start in the folder of the last file chosen, also in the next run.
TEST_F(Windows, FileDialogsStartInTheLastFolder) {
  QTemporaryDir folder;
  const QString chosen = folder.filePath("chosen.ubm");
  WriteFileSafely(chosen.toStdString(), "x");
  QString startedIn;
  const auto choose = [&](const QString& file) {
    QTimer::singleShot(0, [&, file] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(dialog);
      startedIn = dialog->directory().absolutePath();
      dialog->selectFile(file);
      static_cast<QDialog*>(dialog)->accept();
    });
    return TMessageBoxQuestions().ChooseOpenFile({"Open", {"All files (*.*)"}, "ubm", {}});
  };
  ASSERT_TRUE(choose(chosen));
  // The file dialog's own memory of the folder last visited, which another dialog moved on.
  QTemporaryDir other;
  const QString elsewhere = other.filePath("elsewhere.ubm");
  WriteFileSafely(elsewhere.toStdString(), "x");
  QFileDialog browsed(nullptr, "Browse", other.path());
  browsed.setFileMode(QFileDialog::ExistingFile);
  QTimer::singleShot(0, &browsed, [&] {
    browsed.selectFile(elsewhere);
    static_cast<QDialog&>(browsed).accept();
  });
  ASSERT_EQ(browsed.exec(), QDialog::Accepted);
  const auto again = choose(chosen);
  ASSERT_TRUE(again);
  EXPECT_EQ(startedIn, QDir(folder.path()).absolutePath());
  EXPECT_EQ(again->FileName, chosen.toStdString());
}

}  // namespace
}  // namespace ubic
