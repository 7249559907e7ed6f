#include "commands.h"

#include <algorithm>
#include <exception>
#include <future>
#include <map>
#include <optional>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "clierror.h"
#include "document/document.h"
#include "files/checktable.h"
#include "files/csv.h"
#include "files/evaluationtable.h"
#include "files/explaintable.h"
#include "files/modelio.h"
#include "files/optionscsv.h"
#include "files/sensitivitytable.h"
#include "files/targettable.h"
#include "foundation/cp1250.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "foundation/version.h"
#include "modelreports/modelreport.h"
#include "textreport.h"

namespace ubic::cli {
namespace {

constexpr const char* kUsage =
    "usage: ubic-cli evaluate MODEL [--options OPTIONS.csv] [--method M] [--rows] [--csv]\n"
    "                         [-o FILE]\n"
    "       ubic-cli export-options MODEL [-o FILE]\n"
    "       ubic-cli convert INPUT OUTPUT\n"
    "       ubic-cli report MODEL [--sections LIST] [--method M] [--width N] [--height N] [--raw]\n"
    "                       [-o FILE]\n"
    "       ubic-cli stats MODEL\n"
    "       ubic-cli sensitivity MODEL [--option NAME] [--csv]\n"
    "       ubic-cli check MODEL [--csv]\n"
    "       ubic-cli target MODEL --option NAME [--attribute NAME] (--at-least V | --at-most V)\n"
    "                       [--limit N] [--csv]\n"
    "       ubic-cli explain MODEL --option NAME [--csv]\n"
    "       ubic-cli --help | -h | --version\n";

constexpr const char* kHelp =
    "ubic-cli: the command-line companion of Ubic, for qualitative multi-attribute decision\n"
    "models.\n"
    "\n"
    "Models are read and written by their file's extension: .xml is a jKIV XML model, .kvx a KVX\n"
    "interchange file, anything else the program's own format (.ubm).\n"
    "\n"
    "Commands:\n"
    "  evaluate MODEL [--options OPTIONS.csv] [--method M] [--rows] [--csv] [-o FILE]\n"
    "      Evaluates every option and prints one row per attribute and one column per option.\n"
    "      --options  replaces the model's options by those of a CSV file: a header row whose\n"
    "                 first field is a label and whose other fields name basic attributes, then\n"
    "                 one row per option: its name and a value per column (a value name, several\n"
    "                 joined by \";\" for a set, \"*\" or nothing for undefined). Fields are\n"
    "                 separated by commas, semicolons or tabs, as the header has them, and every\n"
    "                 row has as many as the header. Names match regardless of blanks around\n"
    "                 them and letter case, unless that leaves a choice. A value may instead\n"
    "                 give weights, \"name=weight\" joined by \";\" (\"low=0.2;medium=0.8\").\n"
    "      --method   how uncertain values are evaluated: sets (the default) as the sets of\n"
    "                 their values of positive weight; prob as probabilities, an input's\n"
    "                 weights divided by their sum, a set or undefined value giving its values\n"
    "                 equal weights, a rule's interval sharing its combination's probability\n"
    "                 equally; fuzzy as degrees, weights divided by their maximum, a\n"
    "                 combination taking its inputs' least degree and a value the greatest of\n"
    "                 the combinations that reach it. prob and fuzzy print each value as\n"
    "                 \"name=weight\" for the values of positive weight, rounded to 4\n"
    "                 decimals, and name the method in the first cell of the header.\n"
    "      --rows     prints one row per option instead: its name and its value on every\n"
    "                 attribute, under a header of \"Option\" and the attributes' names. The\n"
    "                 options file is read, evaluated and written a part at a time, so that any\n"
    "                 number of options fits in little memory; after an error the rows before\n"
    "                 the faulty line may have been printed.\n"
    "      --csv      prints CSV instead of an aligned table.\n"
    "      -o FILE    writes to FILE instead of standard output; after an error FILE is left\n"
    "                 as it was.\n"
    "  export-options MODEL [-o FILE]\n"
    "      Prints the model's options as the CSV file that evaluate --options reads: a header of\n"
    "      \"Option\" and the basic attributes' names, then one row per option.\n"
    "      -o FILE    writes to FILE instead of standard output.\n"
    "  convert INPUT OUTPUT\n"
    "      Reads INPUT and writes it as OUTPUT, each in the format of its extension.\n"
    "  report MODEL [--sections LIST] [--method M] [--width N] [--height N] [--raw] [-o FILE]\n"
    "      Evaluates the model and prints its report as text.\n"
    "      --sections  the sections, comma-separated, in any order: tree, scales,\n"
    "                  descriptions, rules, weights, evaluation, sensitivity, conflicts,\n"
    "                  explanation (default: all but the last three).\n"
    "      --method    how the evaluation section treats uncertain values: sets (the\n"
    "                  default), prob or fuzzy, as for evaluate; the section names it.\n"
    "      --width     characters per line: texts break to fit, what cannot is cut at the\n"
    "                  page edge (default: as wide as the widest line needs, 80 at least;\n"
    "                  0: as long as the text).\n"
    "      --height    lines per page (default 0: one endless page); pages are separated\n"
    "                  by form feeds.\n"
    "      --raw       the bytes of the older text reports: Windows-1250 text,\n"
    "                  code-page-437 tree characters, CR LF line ends.\n"
    "      -o FILE     writes the report to FILE instead of standard output.\n"
    "      The date in the page header is SOURCE_DATE_EPOCH when that is set.\n"
    "  stats MODEL\n"
    "      Prints the counts of attributes, scales, functions and options.\n"
    "  sensitivity MODEL [--option NAME] [--csv]\n"
    "      What if: for each option, every basic attribute whose value is a single value is\n"
    "      moved one value down and one value up (where its scale has one), and the values of\n"
    "      the top-level attributes that result are printed, one row per change, after a row\n"
    "      of the option's values as they are.\n"
    "      --option  only the option of this name (the first one if several share it).\n"
    "      --csv     prints CSV instead of an aligned table.\n"
    "  check MODEL [--csv]\n"
    "      Lists what may keep the model from its answers, one row each: the rule conflicts of\n"
    "      every function (an entered rule whose inputs are at least as good as another's in\n"
    "      every input, yet whose value is lower), attributes without a scale, aggregates\n"
    "      without a function, and basic attributes with options whose value is undefined.\n"
    "      Exits with 3 when it found something.\n"
    "      --csv     prints CSV instead of an aligned table.\n"
    "  target MODEL --option NAME [--attribute NAME] (--at-least V | --at-most V) [--limit N]\n"
    "         [--csv]\n"
    "      What would it take: the smallest changes of basic values that make the option's\n"
    "      value of the attribute (every value of a set) at least or at most the value V by\n"
    "      its scale's order. The solutions change the fewest basic attributes; of those with\n"
    "      the same attributes, one that moves an attribute further than another is left\n"
    "      out. They are ordered by their steps on the scales, then by the tree.\n"
    "      --option     the option of this name.\n"
    "      --attribute  the attribute of this name (default: the first top-level one).\n"
    "      --limit      lists at most N solutions (default 20) and says how many more there are.\n"
    "      --csv        prints CSV with the header Solution,Attribute,From,To and a row per\n"
    "                   changed attribute; no rows when the option already reaches the target.\n"
    "      Exits with 3, saying so, when no change reaches the target.\n"
    "  explain MODEL --option NAME [--csv]\n"
    "      Why the option has its values: for every aggregate attribute its inputs' values and\n"
    "      the rules that decided it, entered or completed (and how); the inputs whose one\n"
    "      step down or up changes it; the basic attributes of good values (strong) and of\n"
    "      bad ones (weak). The columns are Kind, Attribute, Value and Details.\n"
    "      --csv     prints CSV instead of an aligned table.\n"
    "  --help, -h  Prints this text.\n"
    "  --version   Prints the version.\n"
    "\n"
    "Warnings about what a format could not carry go to standard error as \"warning: \" lines.\n"
    "Exit status: 0 on success, 1 after an error, 2 for a command line that is not understood,\n"
    "3 when check found something or no change reaches the target.\n";

// The command line, checked against what each command accepts.
struct TCommandLine {
  std::string Command;
  std::vector<std::string> Operands;
  std::map<std::string, std::string> Options;  // option name -> value ("" for a flag)
};

TCommandLine Parse(const std::vector<std::string>& args,
                   const std::map<std::string, std::map<std::string, bool>>& accepted,
                   const std::map<std::string, std::size_t>& operandCount) {
  if (args.empty()) throw EUsageError("no command given");
  TCommandLine line{args[0], {}, {}};
  const auto options = accepted.find(line.Command);
  if (options == accepted.end()) throw EUsageError("unknown command \"" + line.Command + "\"");
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') {
      line.Operands.push_back(arg);
      continue;
    }
    const auto option = options->second.find(arg);
    if (option == options->second.end()) throw EUsageError("unknown option \"" + arg + "\"");
    if (option->second && i + 1 >= args.size()) {
      throw EUsageError("option \"" + arg + "\" needs a value");
    }
    line.Options[arg] = option->second ? args[++i] : std::string();
  }
  if (line.Operands.size() != operandCount.at(line.Command)) {
    throw EUsageError("wrong number of arguments for \"" + line.Command + "\"");
  }
  return line;
}

void PrintRemarks(const std::string& remarks, std::FILE* err) {
  for (const std::string& line : SplitLines(remarks)) {
    if (!line.empty()) std::fprintf(err, "warning: %s\n", Cp1250ToUtf8(line).c_str());
  }
}

// The model of a file as the desktop program opens it: read by its extension and evaluated.
std::unique_ptr<TUbicDocument> Open(const std::string& fileName, std::FILE* err) {
  std::string remarks;
  std::unique_ptr<TUbicDocument> document = TUbicDocument::Open(fileName, remarks);
  PrintRemarks(remarks, err);
  return document;
}

// Where a command's output goes: standard output, or a file that is written whole or not at all.
class TOutput {
 public:
  TOutput(const TCommandLine& line, std::FILE* out) : FOut(out) {
    if (const auto file = line.Options.find("-o"); file != line.Options.end()) {
      FFile = std::make_unique<TSafeFileWriter>(file->second);
    }
  }

  void Write(const std::string& text) {
    if (FFile) {
      FFile->Write(text);
    } else if (std::fwrite(text.data(), 1, text.size(), FOut) != text.size()) {
      // Said here: errno is the writing thread's own.
      throw ECliError(std::string("Cannot write the output: ") + std::strerror(errno));
    }
  }
  // Writes Text on a thread of its own while the caller makes the next part. Text comes back
  // empty, with the room of a part written before. An error of the writing is raised by the next
  // call of WriteAside or Finish.
  void WriteAside(std::string& text) {
    Wait();
    std::swap(FAside, text);
    text.clear();
    FWriting = std::async(std::launch::async, [this] { Write(FAside); });
  }
  // Without this, an output file is left as it was.
  void Finish() {
    Wait();
    if (FFile) FFile->Commit();
  }

 private:
  void Wait() {
    if (FWriting.valid()) FWriting.get();
  }

  std::FILE* FOut;
  std::unique_ptr<TSafeFileWriter> FFile;
  std::string FAside;
  // Last, so that a part still being written is waited for before the rest goes.
  std::future<void> FWriting;
};

// Options pass through the model this many at a time in the rows layout.
constexpr int kRowsPart = 4096;

// One row per option, written a part at a time: the options file is read a part at a time too.
// The method of --method; nothing for "sets", which keeps the model's own evaluation.
std::optional<TEvaluationMethod> DistributionMethod(const TCommandLine& line) {
  const auto option = line.Options.find("--method");
  if (option == line.Options.end()) return {};
  const std::optional<TEvaluationMethod> method = EvaluationMethodNamed(option->second);
  if (!method) {
    throw EUsageError("unknown method \"" + option->second + "\" (sets, prob or fuzzy)");
  }
  if (*method == TEvaluationMethod::Sets) return {};
  return method;
}

void EvaluateRows(TUbicModel& model, const TCommandLine& line, TOutput& output) {
  const bool csv = line.Options.count("--csv") != 0;
  std::optional<TMethodResults> results;
  if (const auto method = DistributionMethod(line)) {
    results.emplace(model, *method, csv);
  }
  TOptionRowsWriter rows(model, csv, results ? &*results : nullptr);
  std::string text;
  auto writePart = [&] {
    if (results) {
      results->Evaluate();
    } else {
      model.EvaluateAll();
    }
    rows.AppendRows(text);
    output.WriteAside(text);
  };
  const auto options = line.Options.find("--options");
  if (options == line.Options.end()) {
    writePart();
    return;
  }
  std::ifstream stream = OpenFileForReading(options->second);
  TOptionsFileReader reader(model, stream, options->second, kRowsPart);
  bool any = false;
  while (reader.ReadOptions()) {
    writePart();
    any = true;
  }
  if (!any) writePart();  // the header alone
}

void EvaluateColumns(TUbicModel& model, const TCommandLine& line, TOutput& output) {
  if (const auto options = line.Options.find("--options"); options != line.Options.end()) {
    std::ifstream stream = OpenFileForReading(options->second);
    ReplaceOptions(model, stream, options->second);
  }
  std::optional<TMethodResults> results;
  if (const auto method = DistributionMethod(line)) {
    results.emplace(model, *method);
    results->Evaluate();
  } else {
    model.EvaluateAll();
  }
  const TMethodResults* shown = results ? &*results : nullptr;
  if (line.Options.count("--csv") != 0) {
    EvaluationCsv(
        model, [&output](const std::string& record) { output.Write(record); }, shown);
  } else {
    std::vector<TTableRow> rows;
    EvaluationRows(
        model, true, [&rows](const TTableRow& row) { rows.push_back(row); }, nullptr, shown);
    output.Write(AlignedTable(rows));
  }
}

// The options evaluated pass through a model of the tool's own, read from the file: no
// document's model is changed, and nothing is saved.
int Evaluate(const TCommandLine& line, std::FILE* out, std::FILE* err) {
  const TOpenedModel opened = OpenModel(line.Operands[0]);
  PrintRemarks(opened.Remarks, err);
  TOutput output(line, out);
  if (line.Options.count("--rows") != 0) {
    EvaluateRows(*opened.Model, line, output);
  } else {
    EvaluateColumns(*opened.Model, line, output);
  }
  output.Finish();
  return 0;
}

int ExportOptions(const TCommandLine& line, std::FILE* out, std::FILE* err) {
  const std::unique_ptr<TUbicDocument> document = Open(line.Operands[0], err);
  TOutput output(line, out);
  OptionsCsv(document->Model(), [&output](const std::string& record) { output.Write(record); });
  output.Finish();
  return 0;
}

// A conversion reads and writes and changes nothing in between: the results a file stores, stale
// or missing ones too, reach the other format as they are.
int Convert(const TCommandLine& line, std::FILE*, std::FILE* err) {
  const TOpenedModel opened = OpenModel(line.Operands[0]);
  PrintRemarks(opened.Remarks, err);
  PrintRemarks(SaveModel(*opened.Model, line.Operands[1]), err);
  return 0;
}

TReportSections ParseSections(const std::string& list) {
  TReportSections sections;
  std::string rest = list;
  std::string name;
  do {
    SplitAt(rest, ',', name);
    // The tool draws no graphs.
    const std::optional<TReportSection> section = ReportSectionNamed(name);
    if (!section || *section == rsGraphs) throw ECliError("Unknown section \"" + name + "\"");
    sections = sections | *section;
  } while (!rest.empty());
  return sections;
}

// A page size: a whole number from 0 up to a bound that keeps a page's lines in memory; unset
// when the option is not given.
std::optional<int> ParseSize(const TCommandLine& line, const std::string& option, int most) {
  const auto found = line.Options.find(option);
  if (found == line.Options.end()) return std::nullopt;
  const std::string& text = found->second;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || value < 0 || value > most) {
    throw ECliError("Bad number \"" + text + "\" for " + option + " (0 to " + std::to_string(most) +
                    ")");
  }
  return static_cast<int>(value);
}

// The time printed in the page header: SOURCE_DATE_EPOCH (seconds since 1970, UTC) when it is
// set, so that a report can be made again byte for byte; the local time otherwise.
TDateTime ReportTime() {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch == nullptr) return TDateTime::Now();
  char* end = nullptr;
  errno = 0;
  const long long seconds = std::strtoll(epoch, &end, 10);
  std::tm utc{};
  const auto time = static_cast<std::time_t>(seconds);
  if (*epoch == '\0' || *end != '\0' || errno != 0 || seconds < 0 ||
      gmtime_r(&time, &utc) == nullptr) {
    throw ECliError("Bad SOURCE_DATE_EPOCH \"" + std::string(epoch) + "\"");
  }
  return {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, 0};
}

int Report(const TCommandLine& line, std::FILE* out, std::FILE* err) {
  const auto sections = line.Options.find("--sections");
  const TReportSections chosen =
      sections == line.Options.end() ? AllTextSections() : ParseSections(sections->second);
  TTextReportLayout layout;
  layout.Width = ParseSize(line, "--width", 10'000);
  layout.Height = ParseSize(line, "--height", 1'000'000).value_or(0);
  layout.Raw = line.Options.count("--raw") != 0;
  TReportStyle style;
  style.Created = ReportTime();
  style.Method = DistributionMethod(line).value_or(TEvaluationMethod::Sets);

  const std::unique_ptr<TUbicDocument> document = Open(line.Operands[0], err);
  const TUbicModel* const model = &document->Model();
  const std::unique_ptr<TReport> report = MakeModelReport(model, chosen, style);
  const TTextReport text = FormatTextReport(*report, layout, style.Created);
  TOutput output(line, out);
  output.Write(text.Text);
  output.Finish();
  if (text.CutLines > 0) {
    std::fprintf(err,
                 "warning: %d lines are cut at the page width %d; --width %d shows them whole\n",
                 text.CutLines, text.Width, text.WholeWidth);
  }
  return 0;
}

int Stats(const TCommandLine& line, std::FILE* out, std::FILE* err) {
  const std::unique_ptr<TUbicDocument> document = Open(line.Operands[0], err);
  std::fprintf(out, "%s\n", document->Model().Statistics().Text().c_str());
  return 0;
}

std::vector<int> ChosenOptions(const TUbicModel& model, const TCommandLine& line) {
  const auto name = line.Options.find("--option");
  std::vector<int> options;
  for (int k = 0; k < model.OptionCount(); ++k) {
    if (name == line.Options.end()) {
      options.push_back(k);
    } else if (Cp1250ToUtf8(model.Options()[k]) == name->second) {
      return {k};
    }
  }
  if (name != line.Options.end()) throw ECliError("No option \"" + name->second + "\"");
  return options;
}

int Sensitivity(const TCommandLine& line, std::FILE* out, std::FILE* err) {
  const std::unique_ptr<TUbicDocument> document = Open(line.Operands[0], err);
  const TUbicModel* const model = &document->Model();
  const std::vector<int> options = ChosenOptions(*model, line);
  TOutput output(line, out);
  if (line.Options.count("--csv") != 0) {
    SensitivityRows(
        *model, options, [&output](const TTableRow& row) { output.Write(JoinCsvFields(row)); },
        &CsvField);
  } else {
    std::vector<TTableRow> rows;
    SensitivityRows(*model, options, [&rows](const TTableRow& row) { rows.push_back(row); });
    output.Write(AlignedTable(rows));
  }
  output.Finish();
  return 0;
}

// The exit status of a check that found something, and of a target that nothing reaches.
constexpr int kFoundSomething = 3;

int Check(const TCommandLine& line, std::FILE* out, std::FILE* err) {
  const std::unique_ptr<TUbicDocument> document = Open(line.Operands[0], err);
  TOutput output(line, out);
  int findings = 0;
  if (line.Options.count("--csv") != 0) {
    findings = CheckRows(
        document->Model(), [&output](const TTableRow& row) { output.Write(JoinCsvFields(row)); },
        &CsvField);
  } else {
    std::vector<TTableRow> rows;
    findings = CheckRows(document->Model(), [&rows](const TTableRow& row) { rows.push_back(row); });
    output.Write(AlignedTable(rows));
  }
  output.Finish();
  return findings > 0 ? kFoundSomething : 0;
}

std::string Utf8Option(const TCommandLine& line, const std::string& option) {
  const auto found = line.Options.find(option);
  return found != line.Options.end() ? Utf8ToCp1250(found->second) : std::string();
}

TTargetQuestion TargetQuestion(const TUbicModel& model, const TCommandLine& line) {
  if (line.Options.count("--option") == 0) throw EUsageError("target needs --option");
  const bool atLeast = line.Options.count("--at-least") != 0;
  if (atLeast == (line.Options.count("--at-most") != 0)) {
    throw EUsageError("target needs one of --at-least and --at-most");
  }
  TTargetQuestion question;
  question.Option = ChosenOptions(model, line).front();
  const auto name = line.Options.find("--attribute");
  question.Attribute = name == line.Options.end()
                           ? model.FirstAttribute()
                           : model.FindAttribute(Utf8Option(line, name->first));
  if (question.Attribute == nullptr || question.Attribute->Scale() == nullptr) {
    throw ECliError(name == line.Options.end()
                        ? std::string("The model has no attribute with a scale")
                        : "No attribute \"" + name->second + "\" with a scale");
  }
  question.Direction = atLeast ? TTargetDirection::AtLeast : TTargetDirection::AtMost;
  question.Value = TUbicAttribute::ValueIndex(
      question.Attribute, Utf8Option(line, atLeast ? "--at-least" : "--at-most"));
  question.Limit = ParseSize(line, "--limit", 1'000'000).value_or(20);
  return question;
}

std::string TargetLines(const TUbicModel& model, const TTargetQuestion& question,
                        const TTargetAnswer& answer) {
  const std::string target = TargetText(question);
  const std::string option = Cp1250ToUtf8(model.Options()[question.Option]);
  if (answer.Outcome == TTargetOutcome::Reached)
    return option + " already reaches " + target + ".\n";
  std::string text;
  for (std::size_t s = 0; s < answer.Solutions.size(); ++s) {
    text += std::to_string(s + 1) + ". " + TargetSolutionText(answer.Solutions[s]) + "\n";
  }
  if (answer.More > 0) text += "and " + std::to_string(answer.More) + " more\n";
  return text;
}

int Target(const TCommandLine& line, std::FILE* out, std::FILE* err) {
  const std::unique_ptr<TUbicDocument> document = Open(line.Operands[0], err);
  const TUbicModel& model = document->Model();
  const TTargetQuestion question = TargetQuestion(model, line);
  const TTargetAnswer answer = FindTargetChanges(question);
  TOutput output(line, out);
  if (line.Options.count("--csv") != 0) {
    TargetRows(
        answer, [&output](const TTableRow& row) { output.Write(JoinCsvFields(row)); }, &CsvField);
  } else if (answer.Outcome != TTargetOutcome::Unreachable) {
    output.Write(TargetLines(model, question, answer));
  }
  output.Finish();
  if (answer.Outcome != TTargetOutcome::Unreachable) return 0;
  std::fprintf(err, "No change of basic values makes %s reach %s.\n",
               Cp1250ToUtf8(model.Options()[question.Option]).c_str(),
               TargetText(question).c_str());
  return kFoundSomething;
}

int Explain(const TCommandLine& line, std::FILE* out, std::FILE* err) {
  if (line.Options.count("--option") == 0) throw EUsageError("explain needs --option");
  const std::unique_ptr<TUbicDocument> document = Open(line.Operands[0], err);
  const TUbicModel& model = document->Model();
  const TExplanation explanation = ExplainOption(model, ChosenOptions(model, line).front());
  TOutput output(line, out);
  if (line.Options.count("--csv") != 0) {
    ExplanationRows(
        explanation, [&output](const TTableRow& row) { output.Write(JoinCsvFields(row)); },
        &CsvField);
  } else {
    output.Write(ExplanationText(explanation));
  }
  output.Finish();
  return 0;
}

int RunCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kHelp, out);
    return 0;
  }
  if (args.size() == 1 && args[0] == "--version") {
    std::fprintf(out, "ubic-cli %s\n", kVersionText);
    return 0;
  }
  const TCommandLine line = Parse(args,
                                  {{"evaluate",
                                    {{"--options", true},
                                     {"--method", true},
                                     {"--rows", false},
                                     {"--csv", false},
                                     {"-o", true}}},
                                   {"export-options", {{"-o", true}}},
                                   {"convert", {}},
                                   {"report",
                                    {{"--sections", true},
                                     {"--method", true},
                                     {"--width", true},
                                     {"--height", true},
                                     {"--raw", false},
                                     {"-o", true}}},
                                   {"stats", {}},
                                   {"sensitivity", {{"--option", true}, {"--csv", false}}},
                                   {"check", {{"--csv", false}}},
                                   {"target",
                                    {{"--option", true},
                                     {"--attribute", true},
                                     {"--at-least", true},
                                     {"--at-most", true},
                                     {"--limit", true},
                                     {"--csv", false}}},
                                   {"explain", {{"--option", true}, {"--csv", false}}}},
                                  {{"evaluate", 1},
                                   {"export-options", 1},
                                   {"convert", 2},
                                   {"report", 1},
                                   {"stats", 1},
                                   {"sensitivity", 1},
                                   {"check", 1},
                                   {"target", 1},
                                   {"explain", 1}});
  if (line.Command == "evaluate") return Evaluate(line, out, err);
  if (line.Command == "export-options") return ExportOptions(line, out, err);
  if (line.Command == "convert") return Convert(line, out, err);
  if (line.Command == "report") return Report(line, out, err);
  if (line.Command == "sensitivity") return Sensitivity(line, out, err);
  if (line.Command == "check") return Check(line, out, err);
  if (line.Command == "target") return Target(line, out, err);
  if (line.Command == "explain") return Explain(line, out, err);
  return Stats(line, out, err);
}

// Everything written must have reached its destination: a full disk or a closed pipe is an
// error, not a success.
void FlushOutput(std::FILE* out) {
  if (std::fflush(out) != 0 || std::ferror(out) != 0) {
    throw ECliError(std::string("Cannot write the output: ") + std::strerror(errno));
  }
}

}  // namespace

int Run(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  try {
    const int status = RunCommand(args, out, err);
    FlushOutput(out);
    return status;
  } catch (const EUsageError& e) {
    std::fprintf(err, "ubic-cli: %s\n%s", e.what(), kUsage);
    return 2;
  } catch (const ECliError& e) {
    std::fprintf(err, "error: %s\n", e.what());
  } catch (const EOptionsFileError& e) {
    std::fprintf(err, "error: %s\n", e.what());
  } catch (const std::exception& e) {
    // The model's own messages are Windows-1250 text.
    std::fprintf(err, "error: %s\n", Cp1250ToUtf8(e.what()).c_str());
  }
  return 1;
}

}  // namespace ubic::cli
