#pragma once

#include <QString>
#include <memory>

#include "foundation/textfile.h"
#include "printpage.h"
#include "reports/report.h"

class QPrinter;

namespace ubic {

// The creator every PDF file of the program names: "Ubic" and its version.
QString PdfCreator();
// The report's title as its printed document and PDF file are titled.
QString DocumentTitle(const TReport& report);

// Where printed pages go: a printer, or a recorder in tests. A job is one or more documents, each
// of one or more pages; a failure raises std::runtime_error.
class TPrintSink {
 public:
  virtual ~TPrintSink() = default;
  // Around the documents of a job; Completed is false when the job was aborted or failed.
  virtual void BeginJob() {}
  virtual void EndJob(bool completed) { static_cast<void>(completed); }
  virtual void BeginDocument(const QString& title, TOrientation orientation) = 0;
  virtual void NewPage() = 0;
  virtual void PrintPage(const TPrintPage& page) = 0;
  virtual void EndDocument() = 0;
  virtual void AbortDocument() = 0;
  virtual bool InDocument() const = 0;
};

// Prints onto a Qt printer, each page scaled from its resolution to the printer's. A job printed
// to a file goes to a temporary file beside it, which takes the file's place only when the job
// completes: an aborted or failed job leaves the file that was there before, or none. All the
// documents of such a job go into the one file, titled as the first one.
class TPrinterSink : public TPrintSink {
 public:
  explicit TPrinterSink(QPrinter& printer);
  ~TPrinterSink() override;

  void BeginJob() override;
  void EndJob(bool completed) override;
  void BeginDocument(const QString& title, TOrientation orientation) override;
  void NewPage() override;
  void PrintPage(const TPrintPage& page) override;
  void EndDocument() override;
  void AbortDocument() override;
  bool InDocument() const override;

 private:
  // Ends the painting that goes on; false when the printer failed.
  bool EndPainting();

  QPrinter& FPrinter;
  std::unique_ptr<class QPainter> FPainter;
  bool FInDocument = false;
  // The printer's output file while a job writes the temporary file in its place.
  QString FOutputFile;
  std::unique_ptr<TSafeFileWriter> FFile;
};

}  // namespace ubic
