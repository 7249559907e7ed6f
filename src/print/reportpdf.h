#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <vector>

#include "modelreports/modelreport.h"
#include "printpage.h"

namespace ubic {

// Writes Pages as a PDF file titled Title; the file appears only when it is complete. Raises
// std::runtime_error when it cannot be written.
void WritePdf(const QString& fileName, const std::vector<const TPrintPage*>& pages,
              const QString& title);

// The sections of a PDF report when none are asked for.
TReportSections DefaultPdfSections();

// The headless command "--report-pdf OUT.pdf MODEL [--sections LIST]" (Arguments without the
// program name and the option itself): writes the model's report as PDF. Returns the exit status,
// and writes "error: " and the reason to Err on failure.
int RunReportPdf(const QStringList& arguments, std::FILE* err);

}  // namespace ubic
