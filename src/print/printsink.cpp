#include "printsink.h"

#include <QPainter>
#include <QPrinter>
#include <stdexcept>

#include "foundation/cp1250.h"
#include "foundation/version.h"

namespace ubic {

QString PdfCreator() {
  return QStringLiteral("Ubic ") + QLatin1String(kVersionText);
}

QString DocumentTitle(const TReport& report) {
  return QString::fromStdString(Cp1250ToUtf8(report.Title()));
}

TPrinterSink::TPrinterSink(QPrinter& printer) : FPrinter(printer) {}

TPrinterSink::~TPrinterSink() = default;

void TPrinterSink::BeginJob() {
  FOutputFile = FPrinter.outputFileName();
  if (FOutputFile.isEmpty()) return;
  FFile = std::make_unique<TSafeFileWriter>(FOutputFile.toStdString());
  FPrinter.setOutputFileName(QString::fromStdString(FFile->WritePath()));
}

void TPrinterSink::EndJob(bool completed) {
  if (!FFile) return;
  // Dropped without Commit, the temporary file goes.
  const std::unique_ptr<TSafeFileWriter> file = std::move(FFile);
  const bool painted = EndPainting();
  FPrinter.setOutputFileName(FOutputFile);
  if (!completed) return;
  if (!painted)
    throw std::runtime_error(Utf8ToCp1250(QObject::tr("The printer failed.").toStdString()));
  file->Commit();
}

void TPrinterSink::BeginDocument(const QString& title, TOrientation orientation) {
  const QPageLayout::Orientation layout =
      orientation == orLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  FInDocument = true;
  // A file would start afresh with every document: the documents of a job printed to a file
  // follow one another in it, each from a new page.
  if (FPainter) {
    FPrinter.setPageOrientation(layout);
    NewPage();
    return;
  }
  FPrinter.setDocName(title);
  FPrinter.setCreator(PdfCreator());
  FPrinter.setFullPage(true);
  FPrinter.setPageOrientation(layout);
  FPainter = std::make_unique<QPainter>();
  if (!FPainter->begin(&FPrinter)) {
    FPainter.reset();
    FInDocument = false;
    throw std::runtime_error(Utf8ToCp1250(QObject::tr("The printer cannot print.").toStdString()));
  }
}

void TPrinterSink::NewPage() {
  if (!FPrinter.newPage())
    throw std::runtime_error(
        Utf8ToCp1250(QObject::tr("The printer cannot start a new page.").toStdString()));
}

void TPrinterSink::PrintPage(const TPrintPage& page) {
  page.Print(*FPainter);
}

void TPrinterSink::EndDocument() {
  FInDocument = false;
  if (!FFile && !EndPainting())
    throw std::runtime_error(Utf8ToCp1250(QObject::tr("The printer failed.").toStdString()));
}

void TPrinterSink::AbortDocument() {
  FInDocument = false;
  FPrinter.abort();
  EndPainting();
}

bool TPrinterSink::InDocument() const {
  return FInDocument;
}

bool TPrinterSink::EndPainting() {
  if (!FPainter) return true;
  const bool done = FPainter->end();
  FPainter.reset();
  return done;
}

}  // namespace ubic
