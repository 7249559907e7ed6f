#include "printsink.h"

#include <QPainter>
#include <QPrinter>
#include <stdexcept>

namespace ubic {

TPrinterSink::TPrinterSink(QPrinter& printer) : FPrinter(printer) {}

TPrinterSink::~TPrinterSink() = default;

void TPrinterSink::BeginDocument(const QString& title, TOrientation orientation) {
  FPrinter.setDocName(title);
  FPrinter.setFullPage(true);
  FPrinter.setPageOrientation(orientation == orLandscape ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
  FPainter = std::make_unique<QPainter>();
  if (!FPainter->begin(&FPrinter)) {
    FPainter.reset();
    throw std::runtime_error("The printer cannot print.");
  }
}

void TPrinterSink::NewPage() {
  if (!FPrinter.newPage()) throw std::runtime_error("The printer cannot start a new page.");
}

void TPrinterSink::PrintPage(const TPrintPage& page) {
  page.Print(*FPainter);
}

void TPrinterSink::EndDocument() {
  const bool done = FPainter->end();
  FPainter.reset();
  if (!done) throw std::runtime_error("The printer failed.");
}

void TPrinterSink::AbortDocument() {
  FPrinter.abort();
  if (FPainter) FPainter->end();
  FPainter.reset();
}

bool TPrinterSink::InDocument() const {
  return FPainter != nullptr;
}

}  // namespace ubic
