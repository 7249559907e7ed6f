#include "reportpdf.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <exception>
#include <stdexcept>
#include <string>

#include "chartgraphs.h"
#include "document/document.h"
#include "foundation/textfile.h"
#include "modelreports/modelreport.h"
#include "printformatter.h"
#include "printsink.h"
#include "reports/report.h"

namespace ubic {

namespace {

std::runtime_error CannotWrite(const QString& fileName) {
  return std::runtime_error("cannot write " + fileName.toStdString());
}

QPageSize PageSizeOf(const TPrintPage& page) {
  const double dots = page.DotsPerInch();
  return QPageSize(QSizeF(page.Size().width() * 25.4 / dots, page.Size().height() * 25.4 / dots),
                   QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

// The chosen sections of a comma-separated list of section names.
TReportSections ParseSections(const QString& list) {
  TReportSections sections;
  for (const QString& name : list.split(',')) {
    const std::optional<TReportSection> section = ReportSectionNamed(name.toStdString());
    if (!section) throw std::runtime_error("unknown section \"" + name.toStdString() + "\"");
    sections = sections | *section;
  }
  return sections;
}

struct TPdfRequest {
  QString Output;
  QString Model;
  TReportSections Sections = DefaultPdfSections();
};

TPdfRequest ParseRequest(const QStringList& arguments) {
  TPdfRequest request;
  QStringList operands;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--sections") && i + 1 < arguments.size()) {
      request.Sections = ParseSections(arguments[++i]);
    } else if (arguments[i].startsWith(QLatin1String("--"))) {
      throw std::runtime_error("unknown option " + arguments[i].toStdString());
    } else {
      operands.append(arguments[i]);
    }
  }
  if (operands.size() != 2)
    throw std::runtime_error("usage: ubic --report-pdf OUT.pdf MODEL [--sections LIST]");
  request.Output = operands[0];
  request.Model = operands[1];
  return request;
}

// The graph of the model's top attributes, as the Graphs page shows it first.
void FillGraphs(TModelGraphs& graphs, const TUbicModel& model) {
  std::vector<const TUbicAttribute*> top;
  for (int i = 0; i < model.Root()->InputCount(); ++i) top.push_back(model.Root()->Input(i));
  graphs.Update(model, top, -1, TGraphSettings());
}

void WriteModelPdf(const TPdfRequest& request) {
  // Opened as the desktop program opens it, evaluated; the import's remarks do not concern a
  // report.
  std::string remarks;
  const std::unique_ptr<TUbicDocument> document =
      TUbicDocument::Open(request.Model.toStdString(), remarks);
  const TUbicModel& model = document->Model();
  TModelGraphs graphs;
  FillGraphs(graphs, model);
  const TChartReportGraphs reportGraphs(graphs, QSize(640, 480));
  TReportStyle style;
  style.FitPageWidth = true;
  const std::unique_ptr<TReport> report =
      MakeModelReport(&model, request.Sections, style, &reportGraphs);
  if (!report) throw std::runtime_error("the model has nothing to report");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  TPrintFormatter formatter(report.get(), printer, TPageMargins());
  formatter.Execute();
  std::vector<const TPrintPage*> pages;
  for (const auto& page : formatter.Pages()) pages.push_back(page.get());
  WritePdf(request.Output, pages, DocumentTitle(*report));
}

}  // namespace

TReportSections DefaultPdfSections() {
  return AllTextSections() | rsGraphs;
}

void WritePdf(const QString& fileName, const std::vector<const TPrintPage*>& pages,
              const QString& title) {
  TSafeFileWriter file(fileName.toStdString());
  QFile partial(QString::fromStdString(file.WritePath()));
  if (!partial.open(QIODevice::WriteOnly)) throw CannotWrite(fileName);
  {
    QPdfWriter writer(&partial);
    writer.setTitle(title);
    writer.setCreator(PdfCreator());
    writer.setResolution(pages.empty() ? 1200 : pages.front()->DotsPerInch());
    writer.setPageMargins(QMarginsF());
    QPainter painter;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      writer.setPageSize(PageSizeOf(*pages[i]));
      if (i == 0) {
        if (!painter.begin(&writer)) throw std::runtime_error("cannot write PDF");
      } else {
        writer.newPage();
      }
      pages[i]->Print(painter);
    }
    if (painter.isActive()) painter.end();
  }
  partial.close();
  if (partial.error() != QFileDevice::NoError) throw CannotWrite(fileName);
  file.Commit();
}

int RunReportPdf(const QStringList& arguments, std::FILE* err) {
  try {
    WriteModelPdf(ParseRequest(arguments));
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(err, "error: %s\n", error.what());
    return 1;
  }
}

}  // namespace ubic
