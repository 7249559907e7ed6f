#pragma once

#include <QScrollArea>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "modelreports/modelreport.h"
#include "printformatter.h"
#include "printsink.h"

class QPrinter;

namespace ubic {

class TPreviewPaintBox;

// Holds reports, lays them out for the printer and shows one page at a time at a zoom on a
// shaded background; prints page ranges in copies, collated or not, and saves the reports as
// text. Page numbers run on from one report to the next.
class TPrintPreview : public QScrollArea {
  Q_OBJECT

 public:
  using TPageEvent = TFormatter::TPageEvent;
  // (pages printed so far, pages to print)
  using TPrintEvent = std::function<void(int printed, int total)>;

  explicit TPrintPreview(QWidget* parent = nullptr);
  ~TPrintPreview() override;

  // Takes the report, and the graphs its graph section draws (which must live while it is laid
  // out again), and lays it out after the pages there are.
  void AddReport(std::unique_ptr<TReport> report,
                 std::shared_ptr<const TReportGraphs> graphs = nullptr);
  void Clear();
  void Reformat();

  int ReportCount() const { return static_cast<int>(FReports.size()); }
  TReport& GetReport(int index) const {
    return *FReports.at(static_cast<std::size_t>(index)).Report;
  }
  int PageCount() const { return static_cast<int>(FPages.size()); }
  // Page N, 1-based.
  const TPrintPage& GetPage(int n) const { return *FPages.at(static_cast<std::size_t>(n - 1)); }
  const TPrintPage* CurrentPrintPage() const;
  // The report that holds page N; nil when none does.
  TReport* ReportOfPage(int n) const;

  int CurrentPage() const { return FCurrentPage; }
  void SetCurrentPage(int n);
  void NextPage() { SetCurrentPage(FCurrentPage + 1); }
  void PrevPage() { SetCurrentPage(FCurrentPage - 1); }
  int FirstPageNumber() const { return FFirstPageNumber; }
  void SetFirstPageNumber(int n);
  const TPageMargins& Margins() const { return FMargins; }
  // In millimetres.
  void SetMargins(double left, double top, double right, double bottom);

  int Zoom() const { return FZoom; }
  // A zoom in percent; it stays when the window is resized.
  void SetZoom(int percent);
  // The fits are redone whenever the control is resized, until another zoom is chosen.
  void FitWidth();
  void FitHeight();
  void FitPage();
  // The current page's size on the screen at the zoom.
  QSize PagePixels() const;

  QPrinter& Printer() const { return *FPrinter; }
  // Where printing goes; the printer unless another is set.
  void SetSink(std::unique_ptr<TPrintSink> sink) { FSink = std::move(sink); }
  // Lays the reports out again when another printer has been chosen since.
  void UpdatePrinter();

  int PrintFrom() const { return FPrintFrom; }
  int PrintTo() const { return FPrintTo; }
  void SetPrintFrom(int page);
  void SetPrintTo(int page);
  bool Collate() const { return FCollate; }
  void SetCollate(bool value) { FCollate = value; }
  int Copies() const { return FCopies; }
  void SetCopies(int value) { FCopies = std::max(1, value); }
  bool Aborted() const { return FAborted; }
  bool Printing() const { return FPrinting; }
  void Print();
  void PrintRange(int from, int to);
  void Abort() { FAborted = true; }

  // Every report as UTF-8 text (box-drawing characters for trees and rules, LF line ends) Width
  // characters wide, Height lines a page (0: one endless page each);
  // a form feed between reports only when the pages have a height.
  void SaveAsText(const std::string& fileName, int width, int height);

  void SetOnNewPage(TPageEvent handler) { FOnNewPage = std::move(handler); }
  void SetOnProgress(TPageEvent handler) { FOnProgress = std::move(handler); }
  void SetOnPrintPage(TPrintEvent handler) { FOnPrintPage = std::move(handler); }
  void SetOnPagePrinted(TPrintEvent handler) { FOnPagePrinted = std::move(handler); }

  // Paints the page as the preview shows it (used by the paint box).
  void PaintPage(QPainter& painter, const QRect& box) const;

 signals:
  void PageChanged();
  // Also when a fit is redone for a new size of the control.
  void ZoomChanged();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum class TFit { None, Width, Height, Page };

  struct TReportEntry {
    std::unique_ptr<TReport> Report;
    std::shared_ptr<const TReportGraphs> Graphs;
  };

  void FormatReport(TReport& report);
  void ClampCurrentPage();
  void UpdateView();
  void Fit(TFit fit);
  void ApplyFit();
  int FittedZoom(int dir) const;
  void ApplyZoom(int percent);
  double ScreenRatio(int dir) const;
  int PageDots(int dir) const;
  void PrintOnePage(int page, bool first, int printed, int total);

  std::vector<TReportEntry> FReports;
  std::vector<std::unique_ptr<TPrintPage>> FPages;
  int FCurrentPage = 0;
  int FFirstPageNumber = 1;
  TPageMargins FMargins;
  int FZoom = 50;
  TFit FFit = TFit::None;
  int FShadowSize = 5;
  std::unique_ptr<QPrinter> FPrinter;
  QString FPrinterName;
  std::unique_ptr<TPrintSink> FSink;
  int FPrintFrom = 1;
  int FPrintTo = -1;
  bool FCollate = true;
  int FCopies = 1;
  bool FAborted = false;
  bool FPrinting = false;
  TOrientation FDocumentOrientation = orPortrait;
  TPageEvent FOnNewPage;
  TPageEvent FOnProgress;
  TPrintEvent FOnPrintPage;
  TPrintEvent FOnPagePrinted;
  TPreviewPaintBox* FPaintBox;
};

}  // namespace ubic
