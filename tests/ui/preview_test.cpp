#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <optional>

#include "foundation/textfile.h"
#include "model/explain.h"
#include "model/valuetext.h"
#include "print/pdfpages.h"
#include "print/printpreview.h"
#include "ui/functform.h"
#include "ui/graphspage.h"
#include "ui/optionspage.h"
#include "ui/previewform.h"
#include "ui/rptform.h"
#include "ui/targetform.h"
#include "ui/textdimform.h"
#include "ui/uitext.h"
#include "ui_fixture.h"

namespace ubic {
namespace {

// The messages Qt writes to standard error while it lives, but for those of the test platform,
// which has no windows to size.
class TQtMessages {
 public:
  TQtMessages() : FOuter(qInstallMessageHandler(&Record)) { Log().clear(); }
  TQtMessages(const TQtMessages&) = delete;
  TQtMessages& operator=(const TQtMessages&) = delete;
  ~TQtMessages() { qInstallMessageHandler(FOuter); }
  static QStringList& Log() {
    static QStringList log;
    return log;
  }

 private:
  static void Record(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (!message.startsWith("This plugin does not support")) Log() << message;
  }
  QtMessageHandler FOuter;
};

class PreviewTest : public TUiTest {
 protected:
  TPreviewForm& Form() const { return Main->PreviewForm(); }
  TPrintPreview& Preview() const { return Form().Preview(); }
  QComboBox* ZoomBox() const { return Child<QComboBox>(&Form(), "ZoomBox"); }
  TTextDimForm* TextDim() const { return Child<TTextDimForm>(&Form(), "TextDim"); }
  QAction* Button(const char* name) const { return Child<QAction>(&Form(), name); }
  QString Status() const { return Child<QLabel>(&Form(), "StatusBar")->text(); }

  // Runs Command while Answer handles each modal dialog that comes up, until none is left.
  void WithDialogs(const std::function<void(QWidget*)>& answer,
                   const std::function<void()>& command) {
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&answer] {
      if (QWidget* modal = QApplication::activeModalWidget()) answer(modal);
    });
    timer.start();
    command();
  }

  // The texts of every page in the preview.
  QStringList PageTexts() const {
    QStringList texts;
    for (int page = 1; page <= Preview().PageCount(); ++page) {
      for (const TPageItem& item : Preview().GetPage(page).Items()) {
        if (const auto* text = std::get_if<TPageText>(&item)) texts << text->Text;
      }
    }
    return texts;
  }

  // How far the texts of the preview's pages reach beyond the right margin, in page dots.
  double TextOverflow() const {
    double overflow = -1e9;
    for (int page = 1; page <= Preview().PageCount(); ++page) {
      const TPrintPage& shown = Preview().GetPage(page);
      const double right =
          shown.Size().width() - Preview().Margins().Right.Value * shown.DotsPerInch() / 25.4;
      for (const TPageItem& item : shown.Items()) {
        if (const auto* text = std::get_if<TPageText>(&item)) {
          overflow = std::max(overflow, text->Origin.x() + text->Width - right);
        }
      }
    }
    return overflow;
  }

  // The first and the last white pixel of the picture's middle row: where the paper is.
  static std::pair<int, int> PaperSpan(const QImage& image) {
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, image.height() / 2) != Qt::white) continue;
      first = std::min(first, x);
      last = x;
    }
    return {first, last};
  }

  // The part of the picture's width that the paper spans.
  static double PaperShareOfWidth(const QImage& image) {
    const auto [first, last] = PaperSpan(image);
    return last >= first ? static_cast<double>(last - first + 1) / image.width() : 0;
  }

  // The page fills the view's width: the paper with its frame and shadow within the viewport,
  // near both of its edges, and no scroll bar across.
  void ExpectPageFitsTheWidth() const {
    EXPECT_FALSE(Preview().horizontalScrollBar()->isVisible());
    const QImage view = Preview().viewport()->grab().toImage();
    const auto [first, last] = PaperSpan(view);
    const int rightGap = view.width() - 1 - last;
    EXPECT_GT(first, 0);
    EXPECT_GT(rightGap, 0);
    // The frame is 6 pixels on either side; the rest is the zoom's rounding to a whole percent.
    const int slack = view.width() / 100 + 10;
    EXPECT_LT(first, slack);
    EXPECT_LT(rightGap, slack);
  }

  // Where the preview's keys go: the control that has the focus in its window.
  QWidget* Focused() const { return Form().focusWidget(); }

  // Opens the car model and shows its full report in the preview, without the modal loop.
  void ShowCarReport() {
    TModelForm* document = Main->CreateDocument(Example("car.ubm"));
    TReportStyle style;
    style.Font = DefaultReportFont();
    style.FitPageWidth = true;
    Preview().AddReport(MakeModelReport(&document->Model(), AllTextSections(), style));
    Form().PrepareShow();
    Form().show();
  }

  // A platform dialog's child of type T called Name; a failure of the test when it has none.
  template <class T>
  static T* DialogChild(QWidget* dialog, const char* name) {
    T* child = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  // Clicks the button of a dialog's button box that plays Role.
  static void ClickButton(QWidget* dialog, QDialogButtonBox::StandardButton role) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    QPushButton* button = buttons != nullptr ? buttons->button(role) : nullptr;
    ASSERT_NE(button, nullptr);
    button->click();
  }

  // The page-setup dialog's answer: Orientation's radio button and the four margins in
  // millimetres, then OK.
  static std::function<void(QWidget*)> AnswerPageSetup(const char* orientation,
                                                       const QMarginsF& margins) {
    return [orientation, margins](QWidget* dialog) {
      const std::pair<const char*, double> values[] = {{"leftMargin", margins.left()},
                                                       {"topMargin", margins.top()},
                                                       {"rightMargin", margins.right()},
                                                       {"bottomMargin", margins.bottom()}};
      auto* radio = DialogChild<QRadioButton>(dialog, orientation);
      if (radio != nullptr) radio->click();
      for (const auto& [name, value] : values) {
        if (auto* box = DialogChild<QDoubleSpinBox>(dialog, name)) box->setValue(value);
      }
      ClickButton(dialog, QDialogButtonBox::Ok);
    };
  }

  // Where the first page's first text, the page header's, begins: at the left and top margins.
  QPointF FirstTextOrigin() const {
    for (const TPageItem& item : Preview().GetPage(1).Items()) {
      if (const auto* text = std::get_if<TPageText>(&item)) return text->Origin;
    }
    return {};
  }
};

// The report offers the Evaluation page's method and prints its results under its name.
TEST_F(PreviewTest, TheReportEvaluatesByTheMethodChosen) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  Change(document, [](TUbicModel& model) {
    model.FindAttribute("Price")->SetOptionWeighted(0, {"01", {1, 3}});
  });
  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(2);
  QTest::keyClick(Child<QComboBox>(&document->EvaluationPage(), "MethodBox"), Qt::Key_Down);
  QString offered;
  QStringList texts;
  const auto answer = [&](QWidget* modal) {
    if (modal == &Main->RptForm()) {
      offered = Child<QComboBox>(&Main->RptForm(), "MethodBox")->currentText();
      Child<QPushButton>(&Main->RptForm(), "OKBtn")->click();
    } else if (modal == &Form()) {
      texts = PageTexts();
      Button("CloseBtn")->trigger();
    }
  };
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  EXPECT_EQ(offered, "prob");
  EXPECT_TRUE(texts.contains("Evaluation results (prob)")) << texts.join("|").toStdString();
  const QString price = ToQString(ValueText(Find(document, "Price")->Scale(), 1)) + "=0.75";
  EXPECT_TRUE(texts.contains(price)) << price.toStdString();
}

TEST_F(PreviewTest, TheReportCommandShowsTheTickedSections) {
  EXPECT_FALSE(Action("FileReport")->isEnabled());
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  ASSERT_TRUE(Action("FileReport")->isEnabled());
  // A chart on the Graphs page, which the report's last page shows.
  Child<TGraphsPage>(document, "GraphsPage")->ToggleAttribute(Find(document, "CAR"));
  int shownPages = 0;
  QString status;
  bool graphOnLastPage = false;
  double overflow = 0;
  double pageShare = 0;
  const auto answer = [&](QWidget* modal) {
    if (modal == &Main->RptForm()) {
      Child<QPushButton>(&Main->RptForm(), "OKBtn")->click();
    } else if (modal == &Form()) {
      pageShare = PaperShareOfWidth(Preview().viewport()->grab().toImage());
      shownPages = Preview().PageCount();
      overflow = TextOverflow();
      status = Status();
      const auto& items = Preview().GetPage(shownPages).Items();
      graphOnLastPage = std::any_of(items.begin(), items.end(), [](const TPageItem& item) {
        return std::holds_alternative<TPagePicture>(item);
      });
      Button("CloseBtn")->trigger();
    }
  };
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  EXPECT_GE(shownPages, 3);
  EXPECT_EQ(status, QString("Page 1/%1").arg(shownPages));
  // The page is shown as wide as the window lets it be.
  EXPECT_GT(pageShare, 0.85);
  // The chart of the Graphs page ends the report.
  EXPECT_TRUE(graphOnLastPage);
  // Every option's values are within the page: the evaluation tables fit its width.
  EXPECT_LT(overflow, 1);
  // The preview lets go of the report when it closes.
  EXPECT_EQ(Preview().PageCount(), 0);

  // Only the tree: fewer pages. No section at all: no preview.
  QListWidget* list = Child<QListWidget>(&Main->RptForm(), "RptList");
  for (int i = 1; i < list->count(); ++i) list->item(i)->setCheckState(Qt::Unchecked);
  const int allPages = shownPages;
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  EXPECT_LT(shownPages, allPages);
  list->item(0)->setCheckState(Qt::Unchecked);
  EXPECT_TRUE(Main->RptForm().Sections().Empty());
  shownPages = -1;
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  EXPECT_EQ(shownPages, -1);
}

// Without a graph on the Graphs page the dialog offers no Graphs section and says why; once there
// is a graph again, the entry comes back with the user's tick.
TEST_F(PreviewTest, TheGraphsEntryTellsWhyThereIsNoGraph) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  auto* page = Child<TGraphsPage>(document, "GraphsPage");
  QListWidget* list = Child<QListWidget>(&Main->RptForm(), "RptList");
  for (int i = 0; i < list->count(); ++i) {
    list->item(i)->setCheckState(i == 0 || i == 6 ? Qt::Checked : Qt::Unchecked);
  }
  QListWidgetItem* graphs = list->item(6);
  ASSERT_EQ(graphs->text(), "Graphs");
  struct {
    bool Enabled = false;
    Qt::CheckState Tick = Qt::PartiallyChecked;
    QString Tip;
    bool Picture = false;
  } seen;
  const auto answer = [&](QWidget* modal) {
    if (modal == &Main->RptForm()) {
      seen.Enabled = graphs->flags().testFlag(Qt::ItemIsEnabled);
      seen.Tick = graphs->checkState();
      seen.Tip = graphs->toolTip();
      Child<QPushButton>(&Main->RptForm(), "OKBtn")->click();
    } else if (modal == &Form()) {
      seen.Picture = false;
      for (int p = 1; p <= Preview().PageCount(); ++p) {
        for (const TPageItem& item : Preview().GetPage(p).Items()) {
          seen.Picture = seen.Picture || std::holds_alternative<TPagePicture>(item);
        }
      }
      Button("CloseBtn")->trigger();
    }
  };
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  EXPECT_FALSE(seen.Enabled);
  EXPECT_EQ(seen.Tick, Qt::Unchecked);
  EXPECT_EQ(seen.Tip, "No graph: tick attributes on the Graphs page's Attributes tab");
  EXPECT_FALSE(seen.Picture);
  EXPECT_EQ(Main->RptForm().Sections(), TReportSections(rsTree));

  page->ToggleAttribute(Find(document, "CAR"));
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  EXPECT_TRUE(seen.Enabled);
  EXPECT_EQ(seen.Tick, Qt::Checked) << "the user's tick is back";
  EXPECT_TRUE(seen.Tip.isEmpty());
  EXPECT_TRUE(seen.Picture);

  // A tick taken off stays off while the entry is away and back.
  graphs->setCheckState(Qt::Unchecked);
  page->ShowAllOptions(false);
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  EXPECT_FALSE(seen.Enabled);
  EXPECT_TRUE(seen.Tip.contains("hidden"));
  page->ShowAllOptions(true);
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  EXPECT_TRUE(seen.Enabled);
  EXPECT_EQ(seen.Tick, Qt::Unchecked);
  EXPECT_FALSE(seen.Picture);
}

TEST_F(PreviewTest, AnalysesAreSectionsToAskFor) {
  Main->CreateDocument(Example("car.ubm"));
  QListWidget* list = Child<QListWidget>(&Main->RptForm(), "RptList");
  ASSERT_EQ(list->count(), 11);
  for (int i = 7; i < list->count(); ++i) EXPECT_EQ(list->item(i)->checkState(), Qt::Unchecked);
  for (int i = 0; i < 7; ++i) list->item(i)->setCheckState(Qt::Unchecked);
  list->item(7)->setCheckState(Qt::Checked);
  list->item(8)->setCheckState(Qt::Checked);
  QStringList texts;
  const auto answer = [&](QWidget* modal) {
    if (modal == &Main->RptForm()) {
      Child<QPushButton>(&Main->RptForm(), "OKBtn")->click();
    } else if (modal == &Form()) {
      texts = PageTexts();
      Button("CloseBtn")->trigger();
    }
  };
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  EXPECT_TRUE(texts.contains("Sensitivity"));
  EXPECT_TRUE(texts.contains("Rule conflicts"));
  EXPECT_TRUE(texts.contains("No rule conflicts."));
  EXPECT_FALSE(texts.contains("Tree of attributes"));
}

TEST_F(PreviewTest, TheTargetsSectionAnswersTheTargetsKeptInTheTargetDialog) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  QListWidget* list = Child<QListWidget>(&Main->RptForm(), "RptList");
  for (int i = 0; i < list->count(); ++i) {
    const bool targets = list->item(i)->text() == "Targets";
    list->item(i)->setCheckState(targets ? Qt::Checked : Qt::Unchecked);
  }
  std::optional<TTargetQuestion> kept;
  QStringList texts;
  const auto answer = [&](QWidget* modal) {
    if (auto* target = dynamic_cast<TTargetForm*>(modal)) {
      kept = target->Question();
      Child<QCheckBox>(target, "ReportCheck")->click();
      target->reject();
    } else if (modal == &Main->RptForm()) {
      Child<QPushButton>(&Main->RptForm(), "OKBtn")->click();
    } else if (modal == &Form()) {
      texts = PageTexts();
      Button("CloseBtn")->trigger();
    }
  };
  // Without a kept target the section has nothing to say.
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  EXPECT_FALSE(texts.contains("Targets"));

  Child<QTabWidget>(document, "PageControl")->setCurrentIndex(2);
  auto* page = Child<TEvaluationPage>(document, "EvaluationPage");
  Child<TOptionGrid>(page, "Grid")->SetCurrent({2, 1});
  WithDialogs(answer, [page] { Child<QPushButton>(page, "TargetBtn")->click(); });
  ASSERT_TRUE(kept);
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  ASSERT_TRUE(texts.contains("Targets"));
  const TTargetAnswer expected = FindTargetChanges(*kept);
  ASSERT_FALSE(expected.Solutions.empty());
  // Every changed attribute with its solution's number and the value it takes, in order.
  qsizetype at = texts.indexOf("Targets");
  for (std::size_t s = 0; s < expected.Solutions.size(); ++s) {
    for (const TBasicChange& change : expected.Solutions[s].Changes) {
      const QStringList cells{QString::number(s + 1), ToQString(change.Attribute->GetName()),
                              ToQString(ValueText(change.Attribute->Scale(), change.To))};
      for (const QString& cell : cells) {
        at = texts.indexOf(cell, at + 1);
        ASSERT_GE(at, 0) << cell.toStdString();
      }
    }
  }
}

TEST_F(PreviewTest, TheExplanationSectionExplainsEveryOption) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  QListWidget* list = Child<QListWidget>(&Main->RptForm(), "RptList");
  ASSERT_EQ(list->count(), 11);
  for (int i = 0; i < list->count(); ++i) list->item(i)->setCheckState(Qt::Unchecked);
  list->item(10)->setCheckState(Qt::Checked);
  ASSERT_EQ(Main->RptForm().Sections(), TReportSections(rsExplanation));
  QStringList texts;
  int pages = 0;
  const auto answer = [&](QWidget* modal) {
    if (modal == &Main->RptForm()) {
      Child<QPushButton>(&Main->RptForm(), "OKBtn")->click();
    } else if (modal == &Form()) {
      texts = PageTexts();
      pages = Preview().PageCount();
      Button("CloseBtn")->trigger();
    }
  };
  WithDialogs(answer, [this] { Action("FileReport")->trigger(); });
  EXPECT_GE(pages, 1);
  EXPECT_TRUE(texts.contains("Explanation"));
  EXPECT_FALSE(texts.contains("Sensitivity"));
  const TUbicModel& model = document->Model();
  // Texts may break into lines, drawn one after the other.
  const QString all = texts.join(QLatin1Char(' '));
  for (int option = 0; option < model.OptionCount(); ++option) {
    EXPECT_TRUE(all.contains(ToQString(model.Options()[option])));
    const TExplanation explanation = ExplainOption(model, option);
    const QString origin = ToQString(RuleOriginText(explanation.Aggregates.front().Rules.front()));
    EXPECT_TRUE(all.contains(origin)) << origin.toStdString();
  }
}

TEST_F(PreviewTest, TheRuleEditorReportsTheRulesBeingEdited) {
  TModelForm* document = Main->CreateDocument(Example("car.ubm"));
  document->SelectAttribute(Find(document, "TECHNICAL"));
  TFunctForm& editor = *Child<TFunctForm>(document, "FunctForm");
  QStringList texts;
  bool reportAsked = false;
  bool reportDone = false;
  const auto answer = [&](QWidget* modal) {
    if (modal == &editor) {
      if (!reportAsked) {
        reportAsked = true;
        // Clicked once the answering timer returns: it does not fire again inside its own call,
        // so it could not answer the preview that the click shows.
        QTimer::singleShot(0, &editor, [&] {
          Child<QPushButton>(&editor, "ReportBtn")->click();
          reportDone = true;
        });
      } else if (reportDone) {
        Child<QPushButton>(&editor, "CancelBtn")->click();
      }
    } else if (modal == &Form()) {
      texts = PageTexts();
      Button("CloseBtn")->trigger();
    }
  };
  WithDialogs(answer, [document] { Child<QAction>(document, "ModFunct")->trigger(); });
  // The rules of TECHNICAL over its three inputs, not the whole model.
  for (const char* expected : {"TECHNICAL", "Safety", "Comfort", "Boot size"}) {
    EXPECT_TRUE(texts.contains(expected)) << expected;
  }
  EXPECT_FALSE(texts.contains("Running costs"));
  EXPECT_FALSE(editor.isVisible());
}

TEST_F(PreviewTest, KeysPageAndRenumber) {
  ShowCarReport();
  const int pages = Preview().PageCount();
  ASSERT_GE(pages, 2);
  QTest::keyClick(&Preview(), Qt::Key_PageDown);
  EXPECT_EQ(Preview().CurrentPage(), 2);
  EXPECT_TRUE(Button("PrevBtn")->isEnabled());
  QTest::keyClick(&Preview(), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Preview().CurrentPage(), pages);
  EXPECT_FALSE(Button("NextBtn")->isEnabled());
  EXPECT_EQ(Status(), QString("Page %1/%1").arg(pages));
  QTest::keyClick(&Preview(), Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(Preview().CurrentPage(), 1);
  // Shift+Page Down numbers the pages from 2: the header of the first page says so.
  QTest::keyClick(&Preview(), Qt::Key_PageDown, Qt::ShiftModifier);
  EXPECT_EQ(Preview().FirstPageNumber(), 2);
  ASSERT_EQ(Preview().PageCount(), pages);
  QStringList texts;
  for (const TPageItem& item : Preview().GetPage(1).Items()) {
    if (const auto* text = std::get_if<TPageText>(&item)) texts.append(text->Text);
  }
  EXPECT_TRUE(texts.contains("2"));
  EXPECT_FALSE(texts.contains("1"));
}

TEST_F(PreviewTest, TheZoomBoxTakesNumbersAndFits) {
  ShowCarReport();
  const int fitted = Preview().Zoom();
  EXPECT_EQ(ZoomBox()->currentText(), QString("%1%").arg(fitted));
  ZoomBox()->setEditText("abc");
  Questions.Answer(TAnswer::Ok);
  QFocusEvent leave(QEvent::FocusOut);
  QApplication::sendEvent(ZoomBox(), &leave);
  EXPECT_EQ(TakeAsked(), (std::vector<std::string>{"'abc' is not a valid integer value"}));
  EXPECT_EQ(Preview().Zoom(), fitted);
  EXPECT_EQ(ZoomBox()->currentText(), QString("%1%").arg(fitted));

  ZoomBox()->setEditText("80 %");
  QApplication::sendEvent(ZoomBox(), &leave);
  EXPECT_EQ(Preview().Zoom(), 80);
  ZoomBox()->activated(4);  // "100%"
  EXPECT_EQ(Preview().Zoom(), 100);
  ZoomBox()->activated(9);  // the whole page
  EXPECT_LE(Preview().PagePixels().height(), Preview().maximumViewportSize().height());
  // The box shows the zoom once its timer has fired.
  EXPECT_TRUE(Eventually(
      [this] { return ZoomBox()->currentText() == QString("%1%").arg(Preview().Zoom()); }));
}

TEST_F(PreviewTest, AFitFollowsTheWindowSize) {
  ShowCarReport();
  Form().resize(700, 800);
  ZoomBox()->activated(7);  // the page width
  EXPECT_TRUE(
      Eventually([&] { return ZoomBox()->currentText() == QString("%1%").arg(Preview().Zoom()); }));
  ExpectPageFitsTheWidth();
  // Leaving the box, which now shows the fitted zoom, keeps the fit.
  QFocusEvent leave(QEvent::FocusOut);
  QApplication::sendEvent(ZoomBox(), &leave);
  const int narrow = Preview().Zoom();
  // Maximised, the page keeps filling the width, and the box shows the new zoom.
  Form().resize(1300, 800);
  EXPECT_TRUE(Eventually([&] { return Preview().width() == 1300; }));
  EXPECT_GT(Preview().Zoom(), narrow);
  ExpectPageFitsTheWidth();
  EXPECT_TRUE(
      Eventually([&] { return ZoomBox()->currentText() == QString("%1%").arg(Preview().Zoom()); }));
  Form().resize(500, 800);
  EXPECT_TRUE(Eventually([&] { return Preview().width() == 500; }));
  EXPECT_LT(Preview().Zoom(), narrow);
  ExpectPageFitsTheWidth();

  // The whole page stays whole in a lower window.
  ZoomBox()->activated(9);
  Form().resize(900, 400);
  EXPECT_TRUE(Eventually([&] { return Preview().height() < 400; }));
  EXPECT_LE(Preview().PagePixels().height(), Preview().viewport()->height());
  EXPECT_FALSE(Preview().verticalScrollBar()->isVisible());

  // A zoom in percent stays as it is.
  ZoomBox()->activated(4);  // "100%"
  Form().resize(1000, 900);
  EXPECT_TRUE(Eventually([&] { return Preview().width() == 1000; }));
  EXPECT_EQ(Preview().Zoom(), 100);
}

TEST_F(PreviewTest, PagingKeysWorkWhereverTheFocusIs) {
  ShowCarReport();
  const int pages = Preview().PageCount();
  ASSERT_GE(pages, 3);
  // On opening, the page view has the focus.
  EXPECT_EQ(Focused(), &Preview());
  QTest::keyClick(&Preview(), Qt::Key_End);
  EXPECT_EQ(Preview().CurrentPage(), pages);
  QTest::keyClick(&Preview(), Qt::Key_Home);
  EXPECT_EQ(Preview().CurrentPage(), 1);

  ZoomBox()->setFocus();
  ASSERT_EQ(Focused(), ZoomBox());
  const int zoom = Preview().Zoom();
  QTest::keyClick(Focused(), Qt::Key_PageDown);
  EXPECT_EQ(Preview().CurrentPage(), 2);
  QTest::keyClick(Focused(), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Preview().CurrentPage(), pages);
  QTest::keyClick(Focused(), Qt::Key_PageUp);
  EXPECT_EQ(Preview().CurrentPage(), pages - 1);
  QTest::keyClick(Focused(), Qt::Key_Home);
  EXPECT_EQ(Preview().CurrentPage(), 1);
  QTest::keyClick(Focused(), Qt::Key_End);
  EXPECT_EQ(Preview().CurrentPage(), pages);
  // The keys did not pick another zoom on the way.
  EXPECT_EQ(Preview().Zoom(), zoom);
  EXPECT_EQ(Status(), QString("Page %1/%1").arg(pages));

  // Opened again, the focus is back on the page view.
  Form().hide();
  Form().show();
  EXPECT_EQ(Focused(), &Preview());
  QTest::keyClick(Focused(), Qt::Key_PageUp);
  EXPECT_EQ(Preview().CurrentPage(), pages - 1);
}

TEST_F(PreviewTest, EscapeClosesAnIdlePreview) {
  ShowCarReport();
  ASSERT_TRUE(Form().isVisible());
  QTest::keyClick(Focused(), Qt::Key_Escape);
  EXPECT_FALSE(Form().isVisible());
  Form().show();
  ZoomBox()->setFocus();
  QTest::keyClick(Focused(), Qt::Key_Escape);
  EXPECT_FALSE(Form().isVisible()) << "from the zoom box";
}

TEST_F(PreviewTest, SavesTextPagesAndThePicturesOfAPage) {
  ShowCarReport();
  // Text with the dimensions dialog, the extension added.
  Questions.ChooseFile(TFileChoice{TempFile("report"), 1});
  WithDialogs(
      [this](QWidget* modal) {
        if (modal == TextDim()) Child<QPushButton>(TextDim(), "OKBtn")->click();
      },
      [this] { Button("SaveBtn")->trigger(); });
  QFile text(QString::fromStdString(TempFile("report.txt")));
  ASSERT_TRUE(text.open(QIODevice::ReadOnly));
  const QByteArray content = text.readAll();
  EXPECT_TRUE(content.contains("CAR"));
  EXPECT_FALSE(content.contains('\f'));
  TakeAsked();

  Form().SaveTo(TempFile("page.svg"), 2);
  QSvgRenderer svg(QString::fromStdString(TempFile("page.svg")));
  EXPECT_TRUE(svg.isValid());
  EXPECT_NEAR(svg.viewBoxF().width() / svg.viewBoxF().height(), 210.0 / 297.0, 0.01);
  Preview().SetZoom(50);
  Form().SaveTo(TempFile("page.png"), 3);
  const QImage png(QString::fromStdString(TempFile("page.png")));
  EXPECT_NEAR(png.width(), 210 / 25.4 * Preview().logicalDpiX() / 2, 2);
  Form().SaveTo(TempFile("page.bmp"), 4);
  EXPECT_FALSE(QImage(QString::fromStdString(TempFile("page.bmp"))).isNull());
  Form().SaveTo(TempFile("all.pdf"), 5);
  QFile pdf(QString::fromStdString(TempFile("all.pdf")));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(4) == "%PDF");
}

TEST_F(PreviewTest, EverySaveNamesItsFileAndAsksBeforeReplacingIt) {
  ShowCarReport();
  const auto save = [this](int kind) {
    Questions.ChooseFile(TFileChoice{TempFile("old"), kind});
    WithDialogs(
        [this](QWidget* modal) {
          if (modal == TextDim()) Child<QPushButton>(TextDim(), "OKBtn")->click();
        },
        [this] { Button("SaveBtn")->trigger(); });
  };
  const char* extensions[] = {".txt", ".svg", ".png", ".bmp", ".pdf"};
  for (int kind = 1; kind <= 5; ++kind) {
    const std::string file = TempFile("old") + extensions[kind - 1];
    WriteFileSafely(file, "keep");
    for (const TAnswer answer : {TAnswer::No, TAnswer::Cancel}) {
      Questions.Answer(answer);
      save(kind);
      EXPECT_EQ(ReadFileText(file), "keep") << file;
    }
    EXPECT_EQ(TakeAsked().back(),
              "File \"" + file + "\" already exists. Do you want to overwrite the file?");
    Questions.Answer(TAnswer::Yes);
    save(kind);
    EXPECT_NE(ReadFileText(file), "keep") << file;
    TakeAsked();
  }
  // Nothing but the five files, each under the name its entry gives.
  EXPECT_EQ(QDir(Temp.path()).entryList(QDir::Files | QDir::Hidden).size(), 5);
}

// Printing to a file asks the program's own question before it replaces a file, and no box of
// the print dialog's; Escape, pressed where the keys go, stops the print; a print stopped or
// refused leaves the file that was there.
TEST_F(PreviewTest, APrintToAFileAsksOnceAndEscapeStopsIt) {
  ShowCarReport();
  const int pages = Preview().PageCount();
  ASSERT_GE(pages, 3);
  const std::string old = TempFile("old.pdf");
  WriteFileSafely(old, "old bytes");
  const std::string replace =
      "File \"" + old + "\" already exists. Do you want to overwrite the file?";
  int dialogBoxes = 0;
  // All pages into File through the print dialog.
  const auto print = [&](const std::string& file) {
    bool accepted = false;
    WithDialogs(
        [&](QWidget* modal) {
          if (qobject_cast<QMessageBox*>(modal) != nullptr) {
            ++dialogBoxes;
            ClickButton(modal, QDialogButtonBox::Yes);
          } else if (!accepted) {
            accepted = true;
            if (auto* edit = DialogChild<QLineEdit>(modal, "filename")) {
              edit->setText(QString::fromStdString(file));
            }
            // Clicked once the answering timer returns, so that it could answer a box.
            QTimer::singleShot(0, modal, [modal] { ClickButton(modal, QDialogButtonBox::Ok); });
          }
        },
        [this] { Button("PrintBtn")->trigger(); });
  };
  // The user cancels while the second page prints.
  std::function<void()> cancel;
  QObject::connect(Child<QProgressBar>(&Form(), "ProgressBar"), &QProgressBar::valueChanged,
                   &Form(), [&](int value) {
                     if (cancel && value == 2 &&
                         Child<QLabel>(&Form(), "ProgressMsg")->text().startsWith("Printing"))
                       cancel();
                   });

  const TQtMessages messages;
  // No: nothing is printed.
  Questions.Answer(TAnswer::No);
  print(old);
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{replace});
  EXPECT_EQ(ReadFileText(old), "old bytes");

  cancel = [this] { Button("CancelBtn")->trigger(); };
  Questions.Answer(TAnswer::Yes);
  print(old);
  EXPECT_EQ(TakeAsked(), (std::vector<std::string>{replace, "Printing aborted."}));
  EXPECT_EQ(ReadFileText(old), "old bytes");

  const std::string none = TempFile("none.pdf");
  QWidget* escaped = nullptr;
  cancel = [&escaped] {
    escaped = QApplication::focusWidget();
    if (escaped != nullptr) QTest::keyClick(escaped, Qt::Key_Escape);
  };
  print(none);
  ASSERT_NE(escaped, nullptr) << "the keys went to no window";
  EXPECT_EQ(escaped->window(), &Form());
  EXPECT_EQ(TakeAsked(), (std::vector<std::string>{"Printing aborted."}));
  EXPECT_TRUE(Form().isVisible()) << "Escape stopped the printing, not the preview";
  EXPECT_FALSE(QFile::exists(QString::fromStdString(none)));
  // Nothing half-printed is left beside them.
  EXPECT_EQ(QDir(Temp.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

  cancel = nullptr;
  Questions.Answer(TAnswer::Yes);
  print(old);
  EXPECT_EQ(TakeAsked(), std::vector<std::string>{replace});
  EXPECT_EQ(test::PdfPageCount(QString::fromStdString(old)), pages);
  EXPECT_EQ(dialogBoxes, 0) << "the print dialog asked on its own";
  EXPECT_EQ(TQtMessages::Log(), QStringList()) << "nothing on standard error";
}

TEST_F(PreviewTest, ThePrintDialogPrintsTheChosenPagesInCopies) {
  ShowCarReport();
  ASSERT_GE(Preview().PageCount(), 3);
  const QString printed = QString::fromStdString(TempFile("printed.pdf"));
  const auto answer = [&printed](QWidget* dialog) {
    auto* file = DialogChild<QLineEdit>(dialog, "filename");
    auto* range = DialogChild<QRadioButton>(dialog, "printRange");
    auto* from = DialogChild<QSpinBox>(dialog, "from");
    auto* to = DialogChild<QSpinBox>(dialog, "to");
    auto* copies = DialogChild<QSpinBox>(dialog, "copies");
    auto* collate = DialogChild<QCheckBox>(dialog, "collate");
    if (!file || !range || !from || !to || !copies || !collate) {
      ClickButton(dialog, QDialogButtonBox::Cancel);
      return;
    }
    file->setText(printed);
    range->click();
    to->setValue(3);
    from->setValue(2);
    copies->setValue(2);
    collate->setChecked(true);
    ClickButton(dialog, QDialogButtonBox::Ok);
  };
  WithDialogs(answer, [this] { Button("PrintBtn")->trigger(); });
  EXPECT_TRUE(TakeAsked().empty());
  // Pages 2 and 3, twice.
  EXPECT_EQ(test::PdfPageCount(printed), 4);
  EXPECT_EQ(Preview().Copies(), 2);
  // Printing leaves the preview's own range alone.
  EXPECT_EQ(Preview().PrintFrom(), 1);

  // Cancelled: nothing printed.
  const QString cancelled = QString::fromStdString(TempFile("cancelled.pdf"));
  WithDialogs(
      [&cancelled](QWidget* dialog) {
        if (auto* file = DialogChild<QLineEdit>(dialog, "filename")) file->setText(cancelled);
        ClickButton(dialog, QDialogButtonBox::Cancel);
      },
      [this] { Button("PrintBtn")->trigger(); });
  EXPECT_FALSE(QFile::exists(cancelled));
}

TEST_F(PreviewTest, PageSetupLaysTheReportsOutAgain) {
  ShowCarReport();
  const int portraitPages = Preview().PageCount();
  const QSize portrait = Preview().GetPage(1).Size();
  ASSERT_LT(portrait.width(), portrait.height());
  const double dotsPerMm = Preview().GetPage(1).DotsPerInch() / 25.4;
  const QPointF portraitOrigin = FirstTextOrigin();
  EXPECT_NEAR(portraitOrigin.x(), 20 * dotsPerMm, 1);
  // The car's five options take two tables across a portrait page and one across a landscape one.
  const qsizetype portraitHeadings = PageTexts().count("Attribute");

  {
    const TQtMessages messages;
    WithDialogs(AnswerPageSetup("landscape", QMarginsF(40, 30, 15, 15)),
                [this] { Button("PageSetupBtn")->trigger(); });
    EXPECT_EQ(TQtMessages::Log(), QStringList()) << "nothing on standard error";
  }
  EXPECT_TRUE(TakeAsked().empty());
  EXPECT_EQ(Preview().GetReport(0).Orientation(), orLandscape);
  const QSize landscape = Preview().GetPage(1).Size();
  EXPECT_EQ(landscape, portrait.transposed());
  EXPECT_NEAR(Preview().Margins().Left.Value, 40, 0.01);
  EXPECT_NEAR(Preview().Margins().Bottom.Value, 15, 0.01);
  EXPECT_NEAR(FirstTextOrigin().x(), 40 * dotsPerMm, 1);
  EXPECT_GT(FirstTextOrigin().y(), portraitOrigin.y());
  EXPECT_NE(Preview().PageCount(), portraitPages);
  EXPECT_EQ(PageTexts().count("Attribute"), portraitHeadings - 1);
  EXPECT_EQ(Status(), QString("Page 1/%1").arg(Preview().PageCount()));

  // Margins wider than the sheet are refused and the preview stays as it was.
  const int pages = Preview().PageCount();
  const QPointF origin = FirstTextOrigin();
  Questions.Answer(TAnswer::Ok);
  WithDialogs(AnswerPageSetup("landscape", QMarginsF(160, 30, 160, 15)),
              [this] { Button("PageSetupBtn")->trigger(); });
  EXPECT_EQ(TakeAsked(), (std::vector<std::string>{"The margins leave no room on the page."}));
  EXPECT_EQ(Preview().PageCount(), pages);
  EXPECT_EQ(Preview().GetPage(1).Size(), landscape);
  EXPECT_EQ(FirstTextOrigin(), origin);
  EXPECT_NEAR(Preview().Margins().Left.Value, 40, 0.01);
}

}  // namespace
}  // namespace ubic
