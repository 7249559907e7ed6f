#include <gtest/gtest.h>

#include "tool.h"

namespace ubic::test {
namespace {

// 2025-12-08 09:00:00 UTC.
const std::string kFixedDate = "SOURCE_DATE_EPOCH=1765184400";

std::string Golden(const std::string& name) {
  return ReadBytes(std::string(UBIC_GOLDEN_DIR) + "/" + name);
}

class CliReport : public ::testing::Test {
 protected:
  TToolRun Run(const std::vector<std::string>& args) { return RunTool(Folder, args, {kFixedDate}); }
  TTempFolder Folder;
};

TEST_F(CliReport, MatchesTheReportsOfTheExamples) {
  // By default the page is as wide as the widest line: every option column is there.
  const TToolRun car = Run({"report", Example("car.ubm")});
  EXPECT_EQ(car.Status, 0) << car.Err;
  EXPECT_EQ(car.Err, "");
  EXPECT_EQ(car.Out, Golden("car-report.txt"));

  const TToolRun raw =
      Run({"report", Example("applicant.ubm"), "--raw", "--width", "100", "--height", "40"});
  EXPECT_EQ(raw.Out, Golden("applicant-report-raw.txt"));
  EXPECT_EQ(raw.Err, "");
  EXPECT_EQ(std::count(raw.Out.begin(), raw.Out.end(), '\f'), 3);
  EXPECT_NE(raw.Out.find("\r\n\xC3\xC4QUALIFICATIONS"), std::string::npos);

  const std::string file = Folder.File("home.txt");
  const TToolRun home = Run({"report", Example("home.ubm"), "--sections", "evaluation,tree",
                             "--width", "120", "-o", file});
  EXPECT_EQ(home.Out, "");
  EXPECT_EQ(ReadBytes(file), Golden("home-tree-evaluation.txt"));
}

TEST_F(CliReport, AnExplicitWidthBreaksTextsAndCutsOnlyWhatCannotBreak) {
  // The option names and the values break into lines to fit 80 characters.
  const TToolRun narrow = Run({"report", Example("car.ubm"), "--width", "80"});
  EXPECT_EQ(narrow.Status, 0);
  EXPECT_EQ(narrow.Err, "");
  EXPECT_NE(narrow.Out.find("\n                   Hatchback  Estate       Coupe        City Car\n"),
            std::string::npos)
      << narrow.Out;
  EXPECT_NE(
      narrow.Out.find("\n└─TECHNICAL        adequate   good         adequate     adequate     "
                      "adequate;\n"
                      "                                                                     "
                      "good\n"),
      std::string::npos);
  // The attribute names do not break: a page narrower than they are cuts them, and says so.
  const TToolRun tiny = Run({"report", Example("car.ubm"), "--width", "20"});
  EXPECT_EQ(tiny.Err.rfind("warning: ", 0), 0u) << tiny.Err;
  EXPECT_NE(tiny.Err.find(" lines are cut at the page width 20; --width 102 shows them whole\n"),
            std::string::npos)
      << tiny.Err;
  for (const char* whole : {"102", "0"}) {
    const TToolRun run = Run({"report", Example("car.ubm"), "--width", whole});
    EXPECT_EQ(run.Err, "") << whole;
    EXPECT_NE(run.Out.find("  acceptable; good\n"), std::string::npos) << whole;
  }
}

TEST_F(CliReport, RefusesBadArguments) {
  const std::string model = Example("car.ubm");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"report", model, "--sections", "tree,graphs"}, "error: Unknown section \"graphs\"\n"},
      {{"report", model, "--sections", ""}, "error: Unknown section \"\"\n"},
      {{"report", model, "--width", "-3"}, "error: Bad number \"-3\" for --width (0 to 10000)\n"},
      {{"report", model, "--height", "x"}, "error: Bad number \"x\" for --height (0 to 1000000)\n"},
  };
  for (const auto& [args, message] : cases) {
    const TToolRun run = Run(args);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, message);
    EXPECT_EQ(run.Out, "");
  }
  const TToolRun epoch = RunTool(Folder, {"report", model}, {"SOURCE_DATE_EPOCH=soon"});
  EXPECT_EQ(epoch.Err, "error: Bad SOURCE_DATE_EPOCH \"soon\"\n");
  EXPECT_EQ(Run({"report", model, "--raw", "extra"}).Status, 2);
}

}  // namespace
}  // namespace ubic::test
