#include "print/reportpdf.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "foundation/version.h"
#include "print/pdfpages.h"

namespace ubic::test {
namespace {

struct TRun {
  int Status;
  std::string Errors;
};

TRun RunCommand(const QStringList& arguments) {
  std::FILE* err = std::tmpfile();
  TRun run{RunReportPdf(arguments, err), {}};
  std::rewind(err);
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, err) != nullptr) run.Errors += buffer;
  std::fclose(err);
  return run;
}

TEST(ReportPdf, WritesTheReportOfEveryExample) {
  QTemporaryDir dir;
  for (const char* example : {"car.ubm", "home.ubm", "applicant.ubm"}) {
    const QString out = dir.filePath(QString::fromLatin1(example) + ".pdf");
    const TRun run = RunCommand({out, QStringLiteral(UBIC_EXAMPLES_DIR "/") + example});
    EXPECT_EQ(run.Status, 0) << run.Errors;
    EXPECT_GE(PdfPageCount(out), 2) << example;
  }
  // Only the leftovers of a failed run would remain beside the reports.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST(ReportPdf, TheFileIsTitledWithTheModelAndNamesTheProgram) {
  QTemporaryDir dir;
  const QString out = dir.filePath("car.pdf");
  ASSERT_EQ(RunCommand({out, QStringLiteral(UBIC_EXAMPLES_DIR "/car.ubm")}).Status, 0);
  EXPECT_EQ(PdfInfo(out, "Title"), QStringLiteral("CAR"));
  EXPECT_EQ(PdfInfo(out, "Creator"), QStringLiteral("Ubic ") + QLatin1String(kVersionText));
}

TEST(ReportPdf, ChosenSectionsMakeAShorterReport) {
  QTemporaryDir dir;
  const QString model = QStringLiteral(UBIC_EXAMPLES_DIR "/car.ubm");
  ASSERT_EQ(RunCommand({dir.filePath("all.pdf"), model}).Status, 0);
  ASSERT_EQ(RunCommand({dir.filePath("tree.pdf"), model, "--sections", "tree"}).Status, 0);
  EXPECT_LT(PdfPageCount(dir.filePath("tree.pdf")), PdfPageCount(dir.filePath("all.pdf")));
}

TEST(ReportPdf, TheAnalysesAreSectionsByName) {
  QTemporaryDir dir;
  const QString model = QStringLiteral(UBIC_EXAMPLES_DIR "/car.ubm");
  ASSERT_EQ(RunCommand({dir.filePath("tree.pdf"), model, "--sections", "tree"}).Status, 0);
  const int treePages = PdfPageCount(dir.filePath("tree.pdf"));
  for (const char* analysis : {"sensitivity", "conflicts", "explanation"}) {
    const QString out = dir.filePath(QString::fromLatin1(analysis) + ".pdf");
    const TRun run = RunCommand({out, model, "--sections", QString("tree,") + analysis});
    EXPECT_EQ(run.Status, 0) << run.Errors;
    EXPECT_GE(PdfPageCount(out), treePages) << analysis;
  }
  // The explanations of five options add pages to the tree.
  EXPECT_GT(PdfPageCount(dir.filePath("explanation.pdf")), treePages);
}

TEST(ReportPdf, BadInputWritesNothing) {
  QTemporaryDir dir;
  const QString bad = dir.filePath("bad.ubm");
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("this is not a model");
  file.close();
  const QString out = dir.filePath("out.pdf");
  for (const QStringList& arguments :
       {QStringList{out, bad}, QStringList{out, dir.filePath("missing.ubm")},
        QStringList{out, QStringLiteral(UBIC_EXAMPLES_DIR "/car.ubm"), "--sections", "trees"},
        QStringList{out}}) {
    const TRun run = RunCommand(arguments);
    EXPECT_EQ(run.Status, 1) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.Errors.rfind("error: ", 0), 0U) << run.Errors;
    EXPECT_FALSE(QFile::exists(out));
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
}  // namespace ubic::test
