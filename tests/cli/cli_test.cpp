#include <gtest/gtest.h>

#include <algorithm>

#include "../files/test_models.h"
#include "../model/random_model.h"
#include "files/modelio.h"
#include "foundation/version.h"
#include "tool.h"

namespace ubic::test {
namespace {

class Cli : public ::testing::Test {
 protected:
  TToolRun Run(const std::vector<std::string>& args) { return RunTool(Folder, args); }
  std::string Options(const std::string& csv) {
    const std::string file = Folder.File("options.csv");
    WriteBytes(file, csv);
    return file;
  }
  TTempFolder Folder;
};

TEST_F(Cli, EvaluatesAsCsvAndTable) {
  const TToolRun csv = Run({"evaluate", Example("car.ubm"), "--csv"});
  EXPECT_EQ(csv.Status, 0) << csv.Err;
  EXPECT_EQ(csv.Err, "");
  EXPECT_EQ(csv.Out.substr(0, csv.Out.find('\n', csv.Out.find('\n') + 1) + 1),
            "Attribute,Compact Hatchback,Family Estate,Sports Coupe,Electric City Car,Used SUV\n"
            "CAR,good,good,unacceptable,acceptable,acceptable;good\n");
  EXPECT_NE(csv.Out.find("\nSafety,high,high,high,high,medium;high\n"), std::string::npos);

  const TToolRun table = Run({"evaluate", Example("car.ubm")});
  EXPECT_EQ(table.Status, 0);
  EXPECT_NE(table.Out.find("\n    Price          up to 15000 "), std::string::npos) << table.Out;
}

// A spreadsheet set to a decimal comma writes semicolons, and quotes a set because of them: the
// tool reads that as it reads commas.
TEST_F(Cli, ReplacesOptionsFromCsv) {
  for (const std::string csv : {"\xEF\xBB\xBFName,Safety,Price,Comfort\r\n"
                                "\"Van, used\",low,over 35000,basic\r\n"
                                "Mixed,high;medium,*,\r\n"
                                "Blank,,,\r\n",
                                "Name;Safety;Price;Comfort\r\n"
                                "Van, used;LOW ;over 35000;basic\r\n"
                                "Mixed;\"high;medium\";*;\r\n"
                                "Blank;;;\r\n"}) {
    const std::string file = Options(csv);
    const TToolRun run = Run({"evaluate", Example("car.ubm"), "--options", file, "--csv"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("Attribute,\"Van, used\",Mixed,Blank\n"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\nSafety,low,medium;high,*\n"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\nRunning costs,*,*,*\n"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\nPrice,over 35000,*,*\n"), std::string::npos) << run.Out;
  }
}

// The options exported are the options file evaluate --options reads: the evaluation of the
// model's own options comes out again.
TEST_F(Cli, ExportedOptionsReadBack) {
  const std::string model = Example("car.ubm");
  const std::string file = Folder.File("exported.csv");
  const TToolRun exported = Run({"export-options", model, "-o", file});
  ASSERT_EQ(exported.Status, 0) << exported.Err;
  const std::string csv = ReadBytes(file);
  EXPECT_EQ(csv.substr(0, csv.find('\n', csv.find('\n') + 1) + 1),
            "Option,Price,Running costs,Safety,Comfort,Boot size\n"
            "Compact Hatchback,up to 15000,low,high,basic,small\n");
  EXPECT_EQ(Run({"export-options", model}).Out, csv);
  const TToolRun own = Run({"evaluate", model, "--csv"});
  const TToolRun read = Run({"evaluate", model, "--options", file, "--csv"});
  EXPECT_EQ(read.Status, 0) << read.Err;
  EXPECT_EQ(read.Out, own.Out);
  EXPECT_NE(Run({"--help"}).Out.find("export-options MODEL"), std::string::npos);
}

TEST_F(Cli, OptionFileErrorsNameTheirLine) {
  const std::string model = Example("car.ubm");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "error: Missing header (FILE line 1)\n"},
      {"x,Safety,Nothing\n", "error: Unknown attribute \"Nothing\" (FILE line 1)\n"},
      {"x,Safety,safety\n", "error: Attribute \"safety\" has a column already (FILE line 1)\n"},
      {"x,Safety\na,high\nb,high,low\n",
       "error: The row has 3 fields, the header 2 (FILE line 3)\n"},
      {"x;Safety;Price\na;high\n", "error: The row has 2 fields, the header 3 (FILE line 2)\n"},
      {"x,Safety\n\"a\nb\",high\nc,top\n",
       "error: Unknown attribute value \"Safety\": \"top\" (FILE line 4)\n"},
      {"x,Safety\n\"open,high\n", "error: Unterminated quoted field (FILE line 2)\n"},
  };
  for (const auto& [csv, message] : cases) {
    const std::string file = Options(csv);
    const TToolRun run = Run({"evaluate", model, "--options", file, "--csv"});
    EXPECT_EQ(run.Status, 1) << csv;
    std::string expected = message;
    expected.replace(expected.find("FILE"), 4, file);
    EXPECT_EQ(run.Err, expected);
    EXPECT_EQ(run.Out, "");
  }
}

TEST_F(Cli, StatsAndConvert) {
  const TToolRun stats = Run({"stats", Example("applicant.ubm")});
  EXPECT_EQ(stats.Out,
            "Attributes: 8 (5 basic, 3 complex)   |   Scales: 8   |   Functions: 3   |   "
            "Options: 5\n");
  const std::string copy = Folder.File("copy.UBM");
  EXPECT_EQ(Run({"convert", Example("home.ubm"), copy}).Status, 0);
  EXPECT_EQ(ReadBytes(copy), ReadBytes(Example("home.ubm")));
}

// Results a file stores are data like any other: blank or stale ones cross a conversion as they
// are, so that every pair of formats gives what reading and writing alone give.
TEST_F(Cli, ConvertWritesWhatItReadsForEveryPairOfFormats) {
  std::vector<std::string> sources = {Example("car.ubm"), Example("applicant.ubm"),
                                      Example("home.ubm")};
  for (unsigned seed = 1; seed <= 6; ++seed) {
    TRandomModel random(seed, {.TopLevel = 2, .Varied = true});
    std::vector<TUbicAttribute*> attributes;
    random.Model.Root()->CollectAttributes(attributes);
    for (TUbicAttribute* attribute : attributes) {
      if (attribute->IsBasic() || random.Model.OptionCount() == 0) continue;
      attribute->SetOptionText(0, seed % 2 ? "" : "0");
    }
    sources.push_back(Folder.File("random" + std::to_string(seed) + ".ubm"));
    SaveModel(random.Model, sources.back());
  }
  const std::vector<std::string> extensions = {".ubm", ".xml", ".kvx"};
  for (const std::string& source : sources) {
    for (const std::string& from : extensions) {
      const std::string input = Folder.File("input" + from);
      SaveModel(*OpenModel(source).Model, input);
      const TOpenedModel read = OpenModel(input);
      for (const std::string& to : extensions) {
        const std::string output = Folder.File("output" + to);
        const TToolRun run = Run({"convert", input, output});
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(ReadBytes(output), ExportModel(*read.Model, FormatOfFile(output)).Bytes)
            << source << " " << from << " to " << to;
      }
    }
  }
}

TEST_F(Cli, ConvertsBetweenFormatsWithWarnings) {
  const std::string kvx = Folder.File("car.KVX");
  const TToolRun exported = Run({"convert", Example("car.ubm"), kvx});
  EXPECT_EQ(exported.Status, 0) << exported.Err;
  EXPECT_EQ(ReadBytes(kvx).rfind(" KIV I1.5\r\n", 0), 0u);
  // The KVX export names its losses as warnings, and the conversion still succeeds.
  EXPECT_EQ(exported.Err,
            "warning: The function of \"COSTS\" uses weights, which the KVX file can not hold; it "
            "will read back without them.\n"
            "warning: The option \"Used SUV\" has for \"Safety\" a set of values, the first of the "
            "file, which reading the KVX file turns into any value (\"*\").\n");
  // A model that the file holds whole converts without a word.
  const std::string lossless = Folder.File("lossless.kvx");
  EXPECT_EQ(Run({"convert", kvx, Folder.File("back.ubm")}).Status, 0);
  const TToolRun again = Run({"convert", Folder.File("back.ubm"), lossless});
  EXPECT_EQ(again.Status, 0);
  EXPECT_EQ(again.Err, "");
  // The set of two values of one option comes back only in part, and the tool says so.
  const TToolRun imported = Run({"convert", kvx, Folder.File("back.ubm")});
  EXPECT_EQ(imported.Status, 0);
  EXPECT_EQ(imported.Err,
            "warning: The file includes distributed option values, Ubic will use then only "
            "partially.\n");
  // The jKIV export names what the format loses.
  const TToolRun lossy = Run({"convert", Example("car.ubm"), Folder.File("car.xml")});
  EXPECT_EQ(lossy.Status, 0);
  EXPECT_NE(lossy.Err.find("warning: The option \"Used SUV\" has for \"Safety\" a value the jKIV "
                           "file can not hold (a set of values or none of its scale); the file "
                           "says \"*\".\n"),
            std::string::npos)
      << lossy.Err;
  EXPECT_NE(lossy.Err.find("warning: The function of \"TECHNICAL\" has rules with an interval"),
            std::string::npos);
  const TToolRun jkiv = Run({"convert", Example("home.ubm"), Folder.File("home.xml")});
  EXPECT_EQ(jkiv.Status, 0);
  EXPECT_EQ(ReadBytes(Folder.File("home.xml")).rfind("<MODEL>\r\n", 0), 0u);
  EXPECT_EQ(Run({"stats", Folder.File("home.xml")}).Out, Run({"stats", Example("home.ubm")}).Out);
}

TEST_F(Cli, FailedReadWritesNothing) {
  const std::string broken = Folder.File("broken.ubm");
  WriteBytes(broken, "<?xml version=\"1.0\"?>\r\n<Ubic>\r\n  <ATTRIBUTE>\r\n    <NAME>x\r\n");
  const std::string target = Folder.File("out.ubm");
  const TToolRun run = Run({"convert", broken, target});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err, "error: Error reading XML around line 5: Missing tag \"</NAME>\"\n");
  EXPECT_FALSE(std::filesystem::exists(target));

  const TToolRun missing = Run({"stats", Folder.File("none.ubm")});
  EXPECT_EQ(missing.Status, 1);
  EXPECT_EQ(missing.Err.rfind("error: Cannot open file \"" + Folder.File("none.ubm") + "\"", 0), 0u)
      << missing.Err;
}

TEST_F(Cli, UsageHelpAndVersion) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                               {"bogus"},
                                               {"stats"},
                                               {"stats", "a", "b"},
                                               {"evaluate", "m", "--colour"},
                                               {"evaluate", "m", "--options"}}) {
    const TToolRun run = Run(args);
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("usage: ubic-cli evaluate"), std::string::npos);
  }
  const TToolRun help = Run({"--help"});
  EXPECT_EQ(help.Status, 0);
  for (const char* command : {"evaluate MODEL", "convert INPUT OUTPUT", "stats MODEL", "--options",
                              "--csv", "--version"}) {
    EXPECT_NE(help.Out.find(command), std::string::npos) << command;
  }
  const TToolRun shortHelp = Run({"-h"});
  EXPECT_EQ(shortHelp.Status, 0);
  EXPECT_EQ(shortHelp.Out, help.Out);
  EXPECT_EQ(Run({"--version"}).Out, std::string("ubic-cli ") + kVersionText + "\n");
}

TEST_F(Cli, OutputThatCannotBeWrittenIsAnError) {
  const std::string model = Example("car.ubm");
  // Rows of several parts, written while the next part is evaluated.
  std::string manyOptions = "Name,Price\n";
  for (int k = 0; k < 10000; ++k) manyOptions += "Car " + std::to_string(k) + ",up to 15000\n";
  const std::string options = Options(manyOptions);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"report", model},
        {"evaluate", model},
        {"evaluate", model, "--csv"},
        {"evaluate", model, "--options", options, "--rows", "--csv"},
        {"stats", model},
        {"--help"}}) {
    std::string command = ShellQuoted(UBIC_CLI_PATH);
    for (const std::string& arg : args) command += " " + ShellQuoted(arg);
    const std::string err = Folder.File("stderr.txt");
    const int status = std::system((command + " >/dev/full 2>" + err).c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << args[0];
    EXPECT_EQ(ReadBytes(err), "error: Cannot write the output: No space left on device\n")
        << args[0];
  }
}

TEST_F(Cli, RowsLayoutOnePerOption) {
  const TToolRun csv = Run({"evaluate", Example("car.ubm"), "--rows", "--csv"});
  ASSERT_EQ(csv.Status, 0) << csv.Err;
  EXPECT_EQ(csv.Out.substr(0, csv.Out.find('\n', csv.Out.find('\n') + 1) + 1),
            "Option,CAR,COSTS,Price,Running costs,TECHNICAL,Safety,Comfort,Boot size\n"
            "Compact Hatchback,good,low,up to 15000,low,adequate,high,basic,small\n");
  EXPECT_NE(csv.Out.find("\nUsed SUV,acceptable;good,medium,up to 15000,high,adequate;good,"
                         "medium;high,comfortable,large\n"),
            std::string::npos);

  const std::string file = Options("Name,Safety,Price\n\"Van, used\",low,over 35000\n");
  const std::string out = Folder.File("rows.txt");
  const TToolRun plain =
      Run({"evaluate", Example("car.ubm"), "--options", file, "--rows", "-o", out});
  ASSERT_EQ(plain.Status, 0) << plain.Err;
  EXPECT_EQ(plain.Out, "");
  EXPECT_EQ(
      ReadBytes(out),
      "Option     CAR           COSTS  Price       Running costs  TECHNICAL  Safety  Comfort  "
      "Boot size\n"
      "Van, used  unacceptable  high   over 35000  *              poor       low     *        "
      "*\n");
  EXPECT_NE(Run({"--help"}).Out.find("--rows"), std::string::npos);
}

// A faulty line far into a large file is reported with its line; an output file is left as it
// was, and on standard output only whole rows of the options before it have been written.
TEST_F(Cli, RowsStopAtAFaultyLineOfALargeFile) {
  std::string csv = "Name,Safety,Price\n";
  for (int k = 0; k < 30'000; ++k) {
    csv += "option " + std::to_string(k) + (k == 19'999 ? ",top,low\n" : ",low,over 35000\n");
  }
  const std::string file = Options(csv);
  const std::string out = Folder.File("rows.csv");
  WriteBytes(out, "old");
  const std::string model = Example("car.ubm");
  const TToolRun toFile = Run({"evaluate", model, "--options", file, "--rows", "--csv", "-o", out});
  EXPECT_EQ(toFile.Status, 1);
  EXPECT_EQ(toFile.Err,
            "error: Unknown attribute value \"Safety\": \"top\" (" + file + " line 20001)\n");
  EXPECT_EQ(ReadBytes(out), "old");
  EXPECT_EQ(Folder.FileCount(), 4);  // the options, the old output and the captured streams

  const TToolRun toStdout = Run({"evaluate", model, "--options", file, "--rows", "--csv"});
  EXPECT_EQ(toStdout.Status, 1);
  EXPECT_EQ(toStdout.Err, toFile.Err);
  const std::string row = "option 0,unacceptable,high,over 35000,*,poor,low,*,*\n";
  ASSERT_EQ(toStdout.Out.rfind("Option,CAR,", 0), 0u) << toStdout.Out.substr(0, 200);
  EXPECT_EQ(toStdout.Out.find("option 19999,"), std::string::npos);
  EXPECT_EQ(toStdout.Out.back(), '\n');
  EXPECT_NE(toStdout.Out.find(row), std::string::npos);
}

// A rule whose interval reaches below the first value keeps that code: shown as its number.
TEST_F(Cli, IntervalsBelowTheFirstValueAreShown) {
  for (const auto& [high, expected] : {std::pair{'0', "T,0;a\n"}, std::pair{'1', "T,0;a;b\n"}}) {
    TUbicModel model;
    auto top = MakeAttribute("T", {"a", "b"});
    top->AddInput(MakeAttribute("I", {"p", "q"}));
    TUbicFunction& function = AddFunction(*top);
    function.SetRuleCodes(0, '/', high);
    function.SetRuleCodes(1, '1', '1');
    model.Root()->AddInput(std::move(top));
    model.FindAttribute("I")->SetOptionValue(model.AddOption("o"), 0);
    const std::string file = Folder.File("low.ubm");
    SaveToFile(model, file);
    const TToolRun run = Run({"evaluate", file, "--csv"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("\n" + std::string(expected)), std::string::npos) << run.Out;
  }
}

TEST_F(Cli, SensitivityOfOneOptionOrOfAll) {
  const std::string model = Example("car.ubm");
  const TToolRun one = Run({"sensitivity", model, "--option", "Compact Hatchback", "--csv"});
  ASSERT_EQ(one.Status, 0) << one.Err;
  EXPECT_EQ(one.Out.substr(0, one.Out.find('\n', one.Out.find('\n') + 1) + 1),
            "Option,Attribute,From,To,CAR\nCompact Hatchback,,,,good\n");
  EXPECT_EQ(one.Out.find("Used SUV"), std::string::npos);

  const TToolRun all = Run({"sensitivity", model});
  ASSERT_EQ(all.Status, 0) << all.Err;
  EXPECT_EQ(all.Out.rfind("Option ", 0), 0U) << all.Out;
  EXPECT_NE(all.Out.find("\nUsed SUV "), std::string::npos) << all.Out;

  const TToolRun unknown = Run({"sensitivity", model, "--option", "Nothing"});
  EXPECT_EQ(unknown.Status, 1);
  EXPECT_EQ(unknown.Err, "error: No option \"Nothing\"\n");

  const TToolRun report = Run({"report", model, "--sections", "evaluation,sensitivity"});
  ASSERT_EQ(report.Status, 0) << report.Err;
  EXPECT_LT(report.Out.find("Evaluation results"), report.Out.find("Sensitivity"));
  EXPECT_NE(Run({"--help"}).Out.find("sensitivity MODEL"), std::string::npos);
}

// The car example with the rules of CAR entered as Low gives them, first to last.
std::string CarWithRules(const TTempFolder& folder, const std::string& low) {
  std::string model = ReadBytes(Example("car.ubm"));
  const std::string original = "<LOW>023012001</LOW>";
  model.replace(model.find(original), original.size(), "<LOW>" + low + "</LOW>");
  const std::string file = folder.File("car.ubm");
  WriteBytes(file, model);
  return file;
}

TEST_F(Cli, CheckListsConflictsAndGaps) {
  const TToolRun clean = Run({"check", Example("car.ubm")});
  EXPECT_EQ(clean.Status, 0) << clean.Err;
  EXPECT_EQ(clean.Out, "Kind  Attribute  Details\n");

  const TToolRun missing = Run({"check", Example("applicant.ubm"), "--csv"});
  EXPECT_EQ(missing.Status, 3);
  EXPECT_EQ(missing.Out, "Kind,Attribute,Details\nvalues missing,Teamwork,Eva Horvat\n");

  // The worst costs and technique made excellent, the best made unacceptable.
  const std::string conflicting = CarWithRules(Folder, "320012001");
  const TToolRun conflicts = Run({"check", conflicting, "--csv"});
  EXPECT_EQ(conflicts.Status, 3);
  EXPECT_EQ(conflicts.Out.substr(0, conflicts.Out.find('\n', 24) + 1),
            "Kind,Attribute,Details\nconflict,CAR,\"low; adequate -> good, though better than low; "
            "poor -> excellent in TECHNICAL\"\n");
  EXPECT_EQ(std::count(conflicts.Out.begin(), conflicts.Out.end(), '\n'), 7);

  const TToolRun report = Run({"report", conflicting, "--sections", "evaluation,conflicts"});
  ASSERT_EQ(report.Status, 0) << report.Err;
  EXPECT_LT(report.Out.find("Evaluation results"), report.Out.find("Rule conflicts"));
  EXPECT_NE(report.Out.find("\nlow; good -> unacceptable  high; good -> acceptable        COSTS"),
            std::string::npos)
      << report.Out;
  const TToolRun none = Run({"report", Example("car.ubm"), "--sections", "conflicts"});
  EXPECT_NE(none.Out.find("No rule conflicts."), std::string::npos) << none.Out;
}

// A file may hold value names that no editor accepts: it still opens, and the check names them.
TEST_F(Cli, CheckNamesScalesWithValueNamesThatCanNotStand) {
  std::string model = ReadBytes(Example("car.ubm"));
  for (const auto& [from, to] :
       {std::pair<std::string, std::string>{"acceptable", ""}, {"medium", "Low "}}) {
    const std::string name = "<NAME>" + from + "</NAME>";
    model.replace(model.find(name), name.size(), "<NAME>" + to + "</NAME>");
  }
  const std::string file = Folder.File("names.ubm");
  WriteBytes(file, model);
  const TToolRun check = Run({"check", file, "--csv"});
  EXPECT_EQ(check.Status, 3) << check.Err;
  EXPECT_EQ(check.Out,
            "Kind,Attribute,Details\nvalue names,CAR,Value 2 has no name\nvalue names,COSTS,"
            "\"Values 1 \"\"low\"\" and 2 \"\"Low \"\" differ only in letter case or blanks\"\n");
  EXPECT_EQ(Run({"evaluate", file}).Status, 0);
}

TEST_F(Cli, TargetListsTheSmallestChanges) {
  const std::string model = Example("car.ubm");
  const TToolRun text = Run({"target", model, "--option", "Sports Coupe", "--at-least", "good"});
  EXPECT_EQ(text.Status, 0) << text.Err;
  EXPECT_EQ(text.Out,
            "1. Price: over 35000 → 15000-25000; Boot size: small → medium\n"
            "2. Price: over 35000 → up to 15000; Running costs: high → low\n");
  const TToolRun limited =
      Run({"target", model, "--option", "Sports Coupe", "--at-least", "good", "--limit", "1"});
  EXPECT_EQ(limited.Out,
            "1. Price: over 35000 → 15000-25000; Boot size: small → medium\nand 1 more\n");
  const TToolRun csv =
      Run({"target", model, "--option", "Sports Coupe", "--at-least", "good", "--csv"});
  EXPECT_EQ(csv.Out,
            "Solution,Attribute,From,To\n1,Price,over 35000,15000-25000\n1,Boot size,small,medium\n"
            "2,Price,over 35000,up to 15000\n2,Running costs,high,low\n");

  const TToolRun reached =
      Run({"target", model, "--option", "Compact Hatchback", "--at-least", "good", "--csv"});
  EXPECT_EQ(reached.Status, 0);
  EXPECT_EQ(reached.Out, "Solution,Attribute,From,To\n");
  EXPECT_EQ(Run({"target", model, "--option", "Compact Hatchback", "--at-least", "good"}).Out,
            "Compact Hatchback already reaches CAR at least good.\n");
  const TToolRun set =
      Run({"target", model, "--option", "Used SUV", "--attribute", "Safety", "--at-most", "low"});
  EXPECT_EQ(set.Out, "1. Safety: medium;high → low\n");

  // Without a rule that gives excellent, nothing can.
  const TToolRun unreachable = Run({"target", CarWithRules(Folder, "012012001"), "--option",
                                    "Sports Coupe", "--at-least", "excellent"});
  EXPECT_EQ(unreachable.Status, 3);
  EXPECT_EQ(unreachable.Out, "");
  EXPECT_EQ(unreachable.Err,
            "No change of basic values makes Sports Coupe reach CAR at least excellent.\n");

  EXPECT_EQ(Run({"target", model, "--option", "Sports Coupe"}).Status, 2);
  const TToolRun badValue = Run({"target", model, "--option", "Sports Coupe", "--at-most", "x"});
  EXPECT_EQ(badValue.Status, 1);
  EXPECT_EQ(badValue.Err, "error: Unknown attribute value \"CAR\": \"x\"\n");
  EXPECT_NE(Run({"--help"}).Out.find("target MODEL --option NAME"), std::string::npos);
}

TEST_F(Cli, ExplainSaysWhyAnOptionHasItsValues) {
  const TToolRun csv = Run({"explain", Example("car.ubm"), "--option", "Sports Coupe", "--csv"});
  ASSERT_EQ(csv.Status, 0) << csv.Err;
  EXPECT_EQ(csv.Out.substr(0, csv.Out.find("aggregate,COSTS")),
            "Kind,Attribute,Value,Details\n"
            "aggregate,CAR,unacceptable,\"COSTS=high, TECHNICAL=adequate: high; adequate -> "
            "unacceptable (rule 8, entered)\"\n"
            "step,CAR,acceptable,COSTS: high -> medium\n"
            "step,CAR,acceptable,TECHNICAL: adequate -> good\n");
  EXPECT_NE(csv.Out.find("\nstrong,Safety,high,\nstrong,Comfort,comfortable,\nweak,Price,over "
                         "35000,\n"),
            std::string::npos)
      << csv.Out;
  // A set matches several rules, each named with how it came.
  const TToolRun set = Run({"explain", Example("car.ubm"), "--option", "Used SUV"});
  ASSERT_EQ(set.Status, 0) << set.Err;
  EXPECT_NE(set.Out.find("medium; adequate -> acceptable (rule 5, entered); medium; good -> good "
                         "(rule 6, entered)"),
            std::string::npos)
      << set.Out;
  EXPECT_EQ(Run({"explain", Example("car.ubm")}).Status, 2);
}

}  // namespace
}  // namespace ubic::test

namespace ubic::test {
namespace {

// Top (bad, ok, good) of X and Y (lo, hi): (lo,lo) bad, (lo,hi) bad:ok, (hi,lo) ok, (hi,hi) good.
// With an option, "first": X weighted lo=1;hi=4 and Y lo;hi.
std::string TwoInputsModel(const TTempFolder& folder, bool withOption = false) {
  TUbicModel model;
  auto top = MakeAttribute("Top", {"bad", "ok", "good"});
  top->AddInput(MakeAttribute("X", {"lo", "hi"}));
  top->AddInput(MakeAttribute("Y", {"lo", "hi"}));
  TUbicFunction& function = AddFunction(*top);
  SetRule(function, 0, 0, 0, true);
  SetRule(function, 1, 0, 1, true);
  SetRule(function, 2, 1, 1, true);
  SetRule(function, 3, 2, 2, true);
  if (withOption) {
    top->Input(0)->SetOptionWeighted(0, {"01", {1, 4}});
    top->Input(1)->SetOptionText(0, "01");
  }
  model.Root()->AddInput(std::move(top));
  if (withOption) model.AddOption("first");
  const std::string file = folder.File("two.ubm");
  SaveModel(model, file);
  return file;
}

TEST_F(Cli, EvaluatesByTheMethodChosen) {
  const std::string model = TwoInputsModel(Folder);
  const std::string options = Options("Option,X,Y\nfirst,hi=4;lo=1,lo;hi\nsecond,lo,hi=0.3;lo=0\n");
  const TToolRun prob = Run({"evaluate", model, "--options", options, "--method", "prob", "--csv"});
  ASSERT_EQ(prob.Status, 0) << prob.Err;
  EXPECT_EQ(prob.Out,
            "Attribute (prob),first,second\n"
            "Top,bad=0.15;ok=0.45;good=0.4,bad=0.5;ok=0.5\n"
            "X,lo=0.2;hi=0.8,lo=1\n"
            "Y,lo=0.5;hi=0.5,hi=1\n");
  const TToolRun fuzzy =
      Run({"evaluate", model, "--options", options, "--method", "fuzzy", "--rows", "--csv"});
  ASSERT_EQ(fuzzy.Status, 0) << fuzzy.Err;
  EXPECT_EQ(fuzzy.Out,
            "Option (fuzzy),Top,X,Y\n"
            "first,bad=0.25;ok=1;good=1,lo=0.25;hi=1,lo=1;hi=1\n"
            "second,bad=1;ok=1,lo=1,hi=1\n");
  const TToolRun table = Run({"evaluate", model, "--options", options, "--method", "prob"});
  EXPECT_EQ(table.Out.substr(0, table.Out.find('\n', table.Out.find('\n') + 1) + 1),
            "Attribute (prob)  first                      second\n"
            "Top               bad=0.15;ok=0.45;good=0.4  bad=0.5;ok=0.5\n");
  // Sets as always: the weights are the sets of their values.
  const TToolRun sets = Run({"evaluate", model, "--options", options, "--method", "sets", "--csv"});
  EXPECT_EQ(sets.Out, "Attribute,first,second\nTop,*,bad;ok\nX,lo;hi,lo\nY,lo;hi,hi\n");

  const TToolRun unknown = Run({"evaluate", model, "--method", "maybe"});
  EXPECT_EQ(unknown.Status, 2);
  EXPECT_NE(unknown.Err.find("unknown method \"maybe\""), std::string::npos) << unknown.Err;
}

TEST_F(Cli, ReportsTheResultsOfTheMethodChosen) {
  const std::string model = TwoInputsModel(Folder, true);
  const TToolRun prob = Run({"report", model, "--sections", "evaluation", "--method", "prob"});
  ASSERT_EQ(prob.Status, 0) << prob.Err;
  EXPECT_NE(prob.Out.find("\nEvaluation results (prob)\n"), std::string::npos) << prob.Out;
  EXPECT_NE(prob.Out.find("bad=0.15; ok=0.45; good=0.4\n"), std::string::npos) << prob.Out;
  EXPECT_NE(prob.Out.find("lo=0.2; hi=0.8\n"), std::string::npos) << prob.Out;
  const TToolRun sets = Run({"report", model, "--sections", "evaluation"});
  EXPECT_NE(sets.Out.find("\nEvaluation results\n"), std::string::npos) << sets.Out;
  EXPECT_EQ(sets.Out.find("="), std::string::npos) << sets.Out;
  EXPECT_EQ(Run({"report", model, "--method", "maybe"}).Status, 2);
}

}  // namespace
}  // namespace ubic::test
