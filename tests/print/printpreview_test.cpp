#include "print/printpreview.h"
#include "print/pagesetup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "foundation/textfile.h"
#include "foundation/version.h"
#include "print/pdfpages.h"
#include "print/reportpdf.h"
#include "print_fixture.h"
#include "reports/report.h"
#include "reports/treechars.h"

namespace ubic::test {
namespace {

// A report of Pages pages: sections of 40 lines, too many for two to share a page either way.
std::unique_ptr<TReport> PagedReport(const std::string& title, int pages,
                                     TOrientation orientation = orPortrait) {
  auto report = std::make_unique<TReport>();
  report->SetTitle(title);
  report->SetOrientation(orientation);
  TRptLine* header = report->PageHeader().AddLine();
  header->AddText("Page ");
  header->AddMacro("PAGE");
  for (int i = 1; i <= pages; ++i) {
    TRptSection* section = report->AddSection(title + std::to_string(i));
    section->AddLine()->AddText(title + " " + std::to_string(i));
    for (int line = 1; line < 40; ++line) section->AddLine()->AddText("-");
  }
  return report;
}

// Records what a print job does, naming each page by its position in the preview.
class TRecordingSink : public TPrintSink {
 public:
  explicit TRecordingSink(const TPrintPreview& preview, std::vector<std::string>& log)
      : FPreview(preview), FLog(log) {}
  void BeginDocument(const QString& title, TOrientation orientation) override {
    FLog.push_back("begin " + title.toStdString() + (orientation == orLandscape ? " L" : " P"));
    FOpen = true;
  }
  void NewPage() override {}
  void PrintPage(const TPrintPage& page) override {
    for (int n = 1; n <= FPreview.PageCount(); ++n) {
      if (&FPreview.GetPage(n) == &page) FLog.push_back(std::to_string(n));
    }
  }
  void EndDocument() override {
    FLog.push_back("end");
    FOpen = false;
  }
  void AbortDocument() override {
    FLog.push_back("abort");
    FOpen = false;
  }
  bool InDocument() const override { return FOpen; }

 private:
  const TPrintPreview& FPreview;
  std::vector<std::string>& FLog;
  bool FOpen = false;
};

using TLog = std::vector<std::string>;

class PrintPreviewTest : public testing::Test {
 protected:
  PrintPreviewTest() {
    Preview.resize(600, 800);
    Preview.SetSink(std::make_unique<TRecordingSink>(Preview, Log));
  }
  void AddTwoReports(TOrientation second = orPortrait) {
    Preview.AddReport(PagedReport("a", 3));
    Preview.AddReport(PagedReport("b", 2, second));
  }
  QStringList PageTexts(int n) const { return TextsOf(Preview.GetPage(n)); }

  TPrintPreview Preview;
  TLog Log;
};

TEST_F(PrintPreviewTest, PagesOfTwoReportsAreNumberedOnAndFindTheirReport) {
  EXPECT_EQ(Preview.CurrentPage(), 0);
  Preview.Print();
  EXPECT_TRUE(Log.empty());
  AddTwoReports();
  ASSERT_EQ(Preview.PageCount(), 5);
  EXPECT_EQ(Preview.CurrentPage(), 1);
  EXPECT_TRUE(PageTexts(4).contains("4"));
  EXPECT_TRUE(PageTexts(4).contains("b 1"));
  EXPECT_EQ(Preview.ReportOfPage(4), &Preview.GetReport(1));
  EXPECT_EQ(Preview.ReportOfPage(3), &Preview.GetReport(0));
  EXPECT_EQ(Preview.ReportOfPage(6), nullptr);

  Preview.SetCurrentPage(9);
  EXPECT_EQ(Preview.CurrentPage(), 5);
  Preview.SetFirstPageNumber(2);
  EXPECT_TRUE(PageTexts(1).contains("2"));
  EXPECT_TRUE(PageTexts(5).contains("6"));
  Preview.Clear();
  EXPECT_EQ(Preview.PageCount(), 0);
  EXPECT_EQ(Preview.CurrentPage(), 0);
  EXPECT_EQ(Preview.FirstPageNumber(), 1);
}

TEST_F(PrintPreviewTest, CopiesPrintCollatedOrPageByPage) {
  AddTwoReports();
  Preview.SetCopies(2);
  Preview.PrintRange(2, 3);
  EXPECT_EQ(Log, (TLog{"begin a P", "2", "3", "2", "3", "end"}));
  Log.clear();
  Preview.SetCollate(false);
  Preview.PrintRange(2, 3);
  EXPECT_EQ(Log, (TLog{"begin a P", "2", "2", "3", "3", "end"}));
  // The range was for one print only.
  EXPECT_EQ(Preview.PrintFrom(), 1);
  EXPECT_EQ(Preview.PrintTo(), -1);
}

TEST_F(PrintPreviewTest, AnOrientationChangeStartsAnotherDocument) {
  AddTwoReports(orLandscape);
  EXPECT_GT(Preview.GetPage(4).Size().width(), Preview.GetPage(4).Size().height());
  EXPECT_LT(Preview.GetPage(3).Size().width(), Preview.GetPage(3).Size().height());
  Preview.Print();
  EXPECT_EQ(Log, (TLog{"begin a P", "1", "2", "3", "end", "begin b L", "4", "5", "end"}));
}

TEST_F(PrintPreviewTest, RangesOutsideTheReportsAreRefusedAndAbortStops) {
  AddTwoReports();
  EXPECT_THROW(Preview.PrintRange(7, 9), std::runtime_error);
  EXPECT_TRUE(Log.empty());
  EXPECT_FALSE(Preview.Printing());
  // A range past the end prints to the last page.
  Preview.PrintRange(4, 40);
  EXPECT_EQ(Log, (TLog{"begin b P", "4", "5", "end"}));
  Log.clear();
  Preview.SetOnPagePrinted([this](int printed, int) {
    if (printed == 2) Preview.Abort();
  });
  Preview.Print();
  EXPECT_TRUE(Preview.Aborted());
  EXPECT_EQ(Log, (TLog{"begin a P", "1", "2", "abort"}));
  // Still usable afterwards.
  Log.clear();
  Preview.SetOnPagePrinted(nullptr);
  Preview.PrintRange(5, 5);
  EXPECT_EQ(Log, (TLog{"begin b P", "5", "end"}));
}

TEST_F(PrintPreviewTest, PrintFromAndToMoveEachOtherAlong) {
  Preview.SetPrintTo(3);
  Preview.SetPrintFrom(5);
  EXPECT_EQ(Preview.PrintTo(), 5);
  Preview.SetPrintTo(2);
  EXPECT_EQ(Preview.PrintFrom(), 2);
}

TEST_F(PrintPreviewTest, ZoomSizesThePageAndFitsTheWindow) {
  AddTwoReports();
  Preview.SetZoom(100);
  const QSize full = Preview.PagePixels();
  // An A4 page at 100 % is its real size on the screen.
  EXPECT_NEAR(full.width(), 210 / 25.4 * Preview.logicalDpiX(), 2);
  Preview.SetZoom(50);
  EXPECT_NEAR(Preview.PagePixels().width(), full.width() / 2.0, 1);
  Preview.FitWidth();
  EXPECT_LE(Preview.PagePixels().width(), Preview.maximumViewportSize().width());
  EXPECT_GT(Preview.PagePixels().width(), Preview.maximumViewportSize().width() - 40);
  // A window wider than the page's proportions fits the height.
  Preview.resize(1600, 500);
  Preview.FitPage();
  EXPECT_LE(Preview.PagePixels().height(), Preview.maximumViewportSize().height());
  EXPECT_GT(Preview.PagePixels().height(), Preview.maximumViewportSize().height() - 40);
}

TEST(PageSetup, MarginsMustLeaveRoomOnThePage) {
  const auto printer = MakePrinter();
  EXPECT_TRUE(MarginsFitPage(*printer, QMarginsF(20, 15, 10, 10)));
  EXPECT_FALSE(MarginsFitPage(*printer, QMarginsF(150, 15, 60, 10)));
  EXPECT_FALSE(MarginsFitPage(*printer, QMarginsF(20, 200, 10, 97)));
  EXPECT_FALSE(MarginsFitPage(*printer, QMarginsF(-1, 15, 10, 10)));
  printer->setPageOrientation(QPageLayout::Landscape);
  EXPECT_TRUE(MarginsFitPage(*printer, QMarginsF(150, 15, 60, 10)));
}

std::string ReadFile(const QString& name) {
  QFile file(name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll().toStdString();
}

TEST_F(PrintPreviewTest, SavesTheReportsAsText) {
  AddTwoReports();
  QTemporaryDir dir;
  const QString endless = dir.filePath("endless.txt");
  Preview.SaveAsText(endless.toStdString(), 80, 0);
  const std::string one = ReadFile(endless);
  EXPECT_EQ(std::count(one.begin(), one.end(), '\f'), 0);
  EXPECT_NE(one.find("a 3"), std::string::npos);
  EXPECT_NE(one.find("b 2"), std::string::npos);
  const QString paged = dir.filePath("paged.txt");
  Preview.SaveAsText(paged.toStdString(), 80, 50);
  const std::string pages = ReadFile(paged);
  // Pages of 50 lines: a form feed between the pages of a report and one between the reports.
  EXPECT_EQ(std::count(pages.begin(), pages.end(), '\f'), 4);
  const std::size_t second = pages.find("b 1");
  EXPECT_LT(pages.find("a 3"), pages.rfind('\f', second));
}

TEST_F(PrintPreviewTest, SavesTreesAndRulesAsUtf8BoxDrawing) {
  auto report = std::make_unique<TReport>();
  const std::string branch{kTreeVertical, kTreeBranch};
  const std::string last{kTreeEmpty, kTreeLastBranch};
  for (const std::string& prefix : {std::string(1, kTreeBranch), branch, last}) {
    TRptLine* line = report->AddLine();
    line->AddTree(prefix);
    line->AddText("\x8Aola");
  }
  Preview.AddReport(std::move(report));
  QTemporaryDir dir;
  const QString name = dir.filePath("tree.txt");
  Preview.SaveAsText(name.toStdString(), 20, 0);
  const std::string bytes = ReadFile(name);
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString text = decoder.decode(QByteArray::fromStdString(bytes));
  EXPECT_FALSE(decoder.hasError()) << bytes;
  EXPECT_EQ(text, QString::fromUtf8("\u251C\u2500\u0160ola\n"
                                    "\u2502 \u251C\u2500\u0160ola\n"
                                    "  \u2514\u2500\u0160ola\n"));
}

TEST_F(PrintPreviewTest, ExportedPagesAreTitledAndNameTheProgram) {
  Preview.AddReport(PagedReport("Tra\xE8nice", 2));
  QTemporaryDir dir;
  const QString name = dir.filePath("pages.pdf");
  WritePdf(name, {&Preview.GetPage(1), &Preview.GetPage(2)}, DocumentTitle(Preview.GetReport(0)));
  EXPECT_EQ(PdfPageCount(name), 2);
  EXPECT_EQ(PdfInfo(name, "Title"), QString::fromUtf8("Tra\u010Dnice"));
  EXPECT_EQ(PdfInfo(name, "Creator"), QStringLiteral("Ubic ") + QLatin1String(kVersionText));
}

TEST_F(PrintPreviewTest, APrintToAFileReplacesItOnlyWhenComplete) {
  AddTwoReports(orLandscape);
  QTemporaryDir dir;
  const QString target = dir.filePath("job.pdf");
  WriteFileSafely(target.toStdString(), "old bytes");
  QPrinter& printer = Preview.Printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(target);
  Preview.SetSink(std::make_unique<TPrinterSink>(printer));

  // A job that fails on its fourth page, then one aborted there: the old file stays.
  Preview.SetOnPagePrinted([](int printed, int) {
    if (printed == 4) throw std::runtime_error("no paper");
  });
  EXPECT_THROW(Preview.Print(), std::runtime_error);
  EXPECT_EQ(ReadFile(target).substr(0, 20), "old bytes");
  Preview.SetOnPagePrinted([this](int printed, int) {
    if (printed == 4) Preview.Abort();
  });
  Preview.Print();
  EXPECT_EQ(ReadFile(target).substr(0, 20), "old bytes");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
  EXPECT_EQ(printer.outputFileName(), target);

  // Completed, both documents of the job replace it, the second one's pages across.
  Preview.SetOnPagePrinted(nullptr);
  Preview.Print();
  EXPECT_EQ(PdfPageCount(target), 5);
  static const QRegularExpression kMediaBox(
      QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
  int across = 0;
  for (auto box = kMediaBox.globalMatch(QString::fromStdString(ReadFile(target))); box.hasNext();) {
    const QRegularExpressionMatch match = box.next();
    if (match.captured(1).toDouble() > match.captured(2).toDouble()) ++across;
  }
  EXPECT_EQ(across, 2);
  // The file is titled as the job's first report.
  EXPECT_EQ(PdfInfo(target, "Title"), QStringLiteral("a"));
  EXPECT_EQ(PdfInfo(target, "Creator"), PdfCreator());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
}  // namespace ubic::test
