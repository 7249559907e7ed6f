#include "printpreview.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <stdexcept>

#include "foundation/checkedint.h"
#include "foundation/textfile.h"
#include "reports/textformatter.h"

namespace ubic {

// The surface the page is painted on, as large as the page and its shadow at the zoom.
class TPreviewPaintBox : public QWidget {
 public:
  explicit TPreviewPaintBox(TPrintPreview& preview) : FPreview(preview) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    FPreview.PaintPage(painter, rect());
  }

 private:
  TPrintPreview& FPreview;
};

namespace {

constexpr int kScrollStep = 16;
constexpr int kNoPrinterDots = 1000;

std::runtime_error ReportOfPageFailed(int page) {
  return std::runtime_error("TPrintPreview: ReportOfPage(" + std::to_string(page) + ") failed");
}

}  // namespace

TPrintPreview::TPrintPreview(QWidget* parent)
    : QScrollArea(parent),
      FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      FPrinterName(FPrinter->printerName()),
      FSink(std::make_unique<TPrinterSink>(*FPrinter)),
      FPaintBox(new TPreviewPaintBox(*this)) {
  setWidget(FPaintBox);
  setAlignment(Qt::AlignCenter);
  horizontalScrollBar()->setSingleStep(kScrollStep);
  verticalScrollBar()->setSingleStep(kScrollStep);
  UpdateView();
}

TPrintPreview::~TPrintPreview() = default;

void TPrintPreview::AddReport(std::unique_ptr<TReport> report,
                              std::shared_ptr<const TReportGraphs> graphs) {
  FReports.push_back({std::move(report), std::move(graphs)});
  FormatReport(*FReports.back().Report);
  ClampCurrentPage();
}

void TPrintPreview::Clear() {
  FPages.clear();
  FReports.clear();
  FFirstPageNumber = 1;
  ClampCurrentPage();
}

void TPrintPreview::Reformat() {
  FPages.clear();
  for (const TReportEntry& entry : FReports) FormatReport(*entry.Report);
  ClampCurrentPage();
  UpdateView();
}

void TPrintPreview::FormatReport(TReport& report) {
  TPrintFormatter formatter(&report, *FPrinter, FMargins);
  formatter.SetFirstPageNumber(CheckedAdd(PageCount(), FFirstPageNumber));
  formatter.SetOnNewPage(FOnNewPage);
  formatter.SetOnProgress(FOnProgress);
  formatter.Execute();
  std::vector<std::unique_ptr<TPrintPage>> pages = formatter.HandOverPages();
  if (pages.empty()) {
    report.SetPageRange(0, 0);
    return;
  }
  report.SetPageRange(PageCount() + 1, PageCount() + static_cast<int>(pages.size()));
  for (auto& page : pages) FPages.push_back(std::move(page));
}

const TPrintPage* TPrintPreview::CurrentPrintPage() const {
  // While the reports are laid out again, a repaint may come before the page is back.
  return FCurrentPage > 0 && FCurrentPage <= PageCount() ? &GetPage(FCurrentPage) : nullptr;
}

TReport* TPrintPreview::ReportOfPage(int n) const {
  for (const TReportEntry& entry : FReports) {
    if (entry.Report->FirstPage() <= n && n <= entry.Report->LastPage()) return entry.Report.get();
  }
  return nullptr;
}

void TPrintPreview::ClampCurrentPage() {
  SetCurrentPage(FCurrentPage);
}

void TPrintPreview::SetCurrentPage(int n) {
  const int clamped = PageCount() == 0 ? 0 : std::clamp(n, 1, PageCount());
  if (clamped == FCurrentPage) return;
  FCurrentPage = clamped;
  UpdateView();
  emit PageChanged();
}

void TPrintPreview::SetFirstPageNumber(int n) {
  if (n == FFirstPageNumber) return;
  FFirstPageNumber = n;
  Reformat();
}

void TPrintPreview::SetMargins(double left, double top, double right, double bottom) {
  FMargins.Left = {static_cast<float>(left), suMillimetres};
  FMargins.Top = {static_cast<float>(top), suMillimetres};
  FMargins.Right = {static_cast<float>(right), suMillimetres};
  FMargins.Bottom = {static_cast<float>(bottom), suMillimetres};
  Reformat();
}

int TPrintPreview::PageDots(int dir) const {
  if (const TPrintPage* page = CurrentPrintPage()) {
    return dir == kHorizontal ? page->Size().width() : page->Size().height();
  }
  const QSize sheet = FPrinter->pageLayout().fullRectPixels(FPrinter->resolution()).size();
  const int dots = dir == kHorizontal ? sheet.width() : sheet.height();
  return dots > 0 ? dots : kNoPrinterDots;
}

double TPrintPreview::ScreenRatio(int) const {
  const TPrintPage* page = CurrentPrintPage();
  const int dots = page != nullptr ? page->DotsPerInch() : FPrinter->resolution();
  return static_cast<double>(dots) / FPaintBox->logicalDpiX();
}

QSize TPrintPreview::PagePixels() const {
  const auto pixels = [this](int dir) {
    return RoundHalfToEven(PageDots(dir) * FZoom / ScreenRatio(dir) / 100.0);
  };
  return {pixels(kHorizontal), pixels(kVertical)};
}

void TPrintPreview::SetZoom(int percent) {
  FFit = TFit::None;
  ApplyZoom(percent);
}

void TPrintPreview::ApplyZoom(int percent) {
  const int zoom = std::max(1, percent);
  const bool changed = zoom != FZoom;
  FZoom = zoom;
  UpdateView();
  if (changed) emit ZoomChanged();
}

void TPrintPreview::FitWidth() {
  Fit(TFit::Width);
}

void TPrintPreview::FitHeight() {
  Fit(TFit::Height);
}

void TPrintPreview::FitPage() {
  Fit(TFit::Page);
}

void TPrintPreview::Fit(TFit fit) {
  FFit = fit;
  ApplyFit();
}

void TPrintPreview::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  // A maximised or resized window keeps the page fitted as the user asked.
  ApplyFit();
}

// The zoom that makes the page and its shadow frame as wide (or high) as the client area less
// the scroll bar that the other direction then needs, so that no scroll bar appears across it.
int TPrintPreview::FittedZoom(int dir) const {
  const QSize client = maximumViewportSize();
  const int room = (dir == kHorizontal ? client.width() : client.height()) -
                   style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 2 * (FShadowSize + 1);
  return static_cast<int>(ScreenRatio(dir) * room * 100 / PageDots(dir));
}

void TPrintPreview::ApplyFit() {
  switch (FFit) {
    case TFit::None:
      return;
    case TFit::Width:
      ApplyZoom(FittedZoom(kHorizontal));
      return;
    case TFit::Height:
      ApplyZoom(FittedZoom(kVertical));
      return;
    case TFit::Page: {
      const QSize page = PagePixels();
      const QSize client = maximumViewportSize();
      const bool byHeight = static_cast<double>(page.width()) / page.height() <=
                            static_cast<double>(client.width()) / client.height();
      ApplyZoom(FittedZoom(byHeight ? kVertical : kHorizontal));
      return;
    }
  }
}

void TPrintPreview::UpdateView() {
  const QSize page = PagePixels();
  const int frame = 2 * (FShadowSize + 1);
  FPaintBox->resize(page.width() + frame, page.height() + frame);
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  FPaintBox->update();
}

void TPrintPreview::PaintPage(QPainter& painter, const QRect& box) const {
  QLinearGradient gradient(box.topLeft(), box.bottomLeft());
  gradient.setColorAt(0, Qt::black);
  gradient.setColorAt(1, palette().color(QPalette::Window));
  painter.fillRect(box, gradient);
  const QSize size = PagePixels();
  const QRect page(QPoint((box.width() - size.width()) / 2, (box.height() - size.height()) / 2),
                   size);
  if (FShadowSize > 0) {
    const QColor shadow = palette().color(QPalette::Shadow);
    painter.fillRect(page.translated(FShadowSize, FShadowSize), shadow);
  }
  painter.fillRect(page, Qt::white);
  painter.setPen(Qt::black);
  painter.drawRect(page.adjusted(0, 0, -1, -1));
  if (const TPrintPage* current = CurrentPrintPage()) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    current->Render(painter, page);
  }
}

void TPrintPreview::UpdatePrinter() {
  if (FPrinter->printerName() == FPrinterName) return;
  FPrinterName = FPrinter->printerName();
  Reformat();
}

void TPrintPreview::SetPrintFrom(int page) {
  FPrintFrom = page;
  if (FPrintTo > 0 && FPrintFrom > FPrintTo) FPrintTo = FPrintFrom;
}

void TPrintPreview::SetPrintTo(int page) {
  FPrintTo = page;
  if (FPrintTo >= 0 && FPrintTo < FPrintFrom) FPrintFrom = FPrintTo;
}

void TPrintPreview::PrintRange(int from, int to) {
  const int oldFrom = FPrintFrom;
  const int oldTo = FPrintTo;
  FPrintFrom = from;
  FPrintTo = to;
  try {
    Print();
  } catch (...) {
    FPrintFrom = oldFrom;
    FPrintTo = oldTo;
    throw;
  }
  FPrintFrom = oldFrom;
  FPrintTo = oldTo;
}

void TPrintPreview::Print() {
  if (FPrinting || PageCount() == 0) return;
  if (FSink->InDocument()) FSink->EndDocument();
  const int from = std::max(1, FPrintFrom);
  int to = FPrintTo < 0 || FPrintTo > PageCount() ? PageCount() : FPrintTo;
  to = std::max(to, from);
  // A range the reports do not have is refused before anything is printed.
  if (ReportOfPage(from) == nullptr) throw ReportOfPageFailed(from);
  const int total = CheckedMultiply(to - from + 1, FCopies);
  FSink->BeginJob();
  FPrinting = true;
  FAborted = false;
  try {
    int printed = 0;
    const int outer = FCollate ? FCopies : 1;
    const int inner = FCollate ? 1 : FCopies;
    for (int copy = 0; copy < outer; ++copy) {
      for (int page = from; page <= to; ++page) {
        for (int repeat = 0; repeat < inner; ++repeat) {
          PrintOnePage(page, printed == 0, printed + 1, total);
          ++printed;
        }
      }
    }
    if (FSink->InDocument()) {
      if (FAborted) {
        FSink->AbortDocument();
      } else {
        FSink->EndDocument();
      }
    }
    FSink->EndJob(!FAborted);
  } catch (...) {
    if (FSink->InDocument()) FSink->AbortDocument();
    FSink->EndJob(false);
    FPrinting = false;
    throw;
  }
  FPrinting = false;
}

void TPrintPreview::PrintOnePage(int page, bool first, int printed, int total) {
  if (FAborted) return;
  const TReport* report = ReportOfPage(page);
  if (report == nullptr) throw ReportOfPageFailed(page);
  if (first || !FSink->InDocument() || FDocumentOrientation != report->Orientation()) {
    if (FSink->InDocument()) FSink->EndDocument();
    FSink->BeginDocument(DocumentTitle(*report), report->Orientation());
    FDocumentOrientation = report->Orientation();
  } else {
    FSink->NewPage();
  }
  if (FOnPrintPage) FOnPrintPage(printed, total);
  if (!FAborted) FSink->PrintPage(GetPage(page));
  if (FOnPagePrinted) FOnPagePrinted(printed, total);
}

void TPrintPreview::SaveAsText(const std::string& fileName, int width, int height) {
  std::string text;
  for (std::size_t i = 0; i < FReports.size(); ++i) {
    TTextFormatter formatter(FReports[i].Report.get(), {width, height});
    formatter.SetOnNewPage(FOnNewPage);
    formatter.SetOnProgress(FOnProgress);
    formatter.Execute();
    text += formatter.Utf8PagesText();
    if (height > 0 && i + 1 < FReports.size()) text += '\f';
  }
  WriteFileSafely(fileName, text);
}

}  // namespace ubic
