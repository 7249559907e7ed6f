#include <gtest/gtest.h>

#include <string>

#include "cli/tool.h"
#include "foundation/version.h"
#include "modelreports/modelreport.h"
#include "print/pdfpages.h"

namespace ubic::test {
namespace {

// Runs the desktop program with nothing but the locale in its environment: no display.
TToolRun RunWithoutDisplay(const TTempFolder& folder, const std::vector<std::string>& args,
                           const std::vector<std::string>& environment = {}) {
  return RunProgram(UBIC_PATH, folder, args, environment, true);
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(Program, HelpAndVersionNeedNoDisplay) {
  const TTempFolder folder;
  const TToolRun help = RunWithoutDisplay(folder, {"--help"});
  EXPECT_EQ(help.Status, 0) << help.Err;
  EXPECT_TRUE(Has(help.Out, "usage: ubic [FILE...]")) << help.Out;
  EXPECT_TRUE(Has(help.Out, "ubic --report-pdf OUT.pdf MODEL [--sections LIST]")) << help.Out;
  EXPECT_TRUE(Has(help.Out, "--version")) << help.Out;
  EXPECT_EQ(help.Err, "");

  const TToolRun version = RunWithoutDisplay(folder, {"--version"});
  EXPECT_EQ(version.Status, 0) << version.Err;
  EXPECT_EQ(version.Out, std::string("ubic ") + kVersionText + "\n");
}

// Every section --report-pdf takes is named in the help, whatever line it falls on.
TEST(Program, HelpNamesEverySectionTheReportTakes) {
  const TTempFolder folder;
  const TToolRun help = RunWithoutDisplay(folder, {"--help"});
  std::string words;
  for (const char c : help.Out) {
    if (c != ' ' || (!words.empty() && words.back() != ' ')) words += c == '\n' ? ' ' : c;
  }
  std::string names = ReportSectionNames(NamedReportSections());
  EXPECT_TRUE(Has(words, "separated by commas: " + names + ".")) << help.Out;
  for (const char* name : {"sensitivity", "conflicts", "explanation", "graphs"}) {
    EXPECT_TRUE(ReportSectionNamed(name).has_value()) << name;
    EXPECT_TRUE(Has(names, name)) << name;
  }
}

TEST(Program, WithoutADisplayItSaysWhatServesInstead) {
  const TTempFolder folder;
  for (const auto& [args, environment] :
       {std::pair<std::vector<std::string>, std::vector<std::string>>{{}, {}},
        {{Example("car.ubm")}, {}},
        {{}, {"QT_QPA_PLATFORM=xcb"}},
        {{"-platform", "wayland"}, {"DISPLAY="}}}) {
    const TToolRun run = RunWithoutDisplay(folder, args, environment);
    EXPECT_EQ(run.Status, 1) << run.Err;
    EXPECT_TRUE(Has(run.Err, "no display")) << run.Err;
    EXPECT_TRUE(Has(run.Err, "ubic-cli")) << run.Err;
    EXPECT_TRUE(Has(run.Err, "--report-pdf")) << run.Err;
    EXPECT_EQ(run.Out, "");
  }
}

TEST(Program, WritesAReportPdfWithoutADisplay) {
  const TTempFolder folder;
  const std::string out = folder.File("car.pdf");
  const TToolRun run = RunWithoutDisplay(folder, {"--report-pdf", out, Example("car.ubm")});
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_GE(PdfPageCount(QString::fromStdString(out)), 2);
  EXPECT_EQ(PdfInfo(QString::fromStdString(out), "Title"), QStringLiteral("CAR"));
}

}  // namespace
}  // namespace ubic::test
