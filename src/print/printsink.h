#pragma once

#include <QString>
#include <memory>

#include "printpage.h"
#include "reports/report.h"

class QPrinter;

namespace ubic {

// Where printed pages go: a printer, or a recorder in tests. A job is one or more documents, each
// of one or more pages; a failure raises std::runtime_error.
class TPrintSink {
 public:
  virtual ~TPrintSink() = default;
  virtual void BeginDocument(const QString& title, TOrientation orientation) = 0;
  virtual void NewPage() = 0;
  virtual void PrintPage(const TPrintPage& page) = 0;
  virtual void EndDocument() = 0;
  virtual void AbortDocument() = 0;
  virtual bool InDocument() const = 0;
};

// Prints onto a Qt printer, each page scaled from its resolution to the printer's.
class TPrinterSink : public TPrintSink {
 public:
  explicit TPrinterSink(QPrinter& printer);
  ~TPrinterSink() override;

  void BeginDocument(const QString& title, TOrientation orientation) override;
  void NewPage() override;
  void PrintPage(const TPrintPage& page) override;
  void EndDocument() override;
  void AbortDocument() override;
  bool InDocument() const override;

 private:
  QPrinter& FPrinter;
  std::unique_ptr<class QPainter> FPainter;
};

}  // namespace ubic
