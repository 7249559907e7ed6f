#include "commands.h"

#include <exception>
#include <map>

#include "clierror.h"
#include "csv.h"
#include "files/modelio.h"
#include "foundation/cp1250.h"
#include "foundation/textfile.h"
#include "model/valuecode.h"
#include "optionsfile.h"

namespace ubic::cli {
namespace {

constexpr const char* kVersion = "ubic-cli 0.1.0";

constexpr const char* kUsage =
    "usage: ubic-cli evaluate MODEL [--options OPTIONS.csv] [--csv]\n"
    "       ubic-cli convert INPUT OUTPUT\n"
    "       ubic-cli stats MODEL\n"
    "       ubic-cli --help | --version\n";

constexpr const char* kHelp =
    "ubic-cli: the command-line companion of Ubic, for qualitative multi-attribute decision\n"
    "models.\n"
    "\n"
    "Models are read and written by their file's extension: .xml is a jKIV XML model, .kvx a KVX\n"
    "interchange file, anything else the program's own format (.ubm).\n"
    "\n"
    "Commands:\n"
    "  evaluate MODEL [--options OPTIONS.csv] [--csv]\n"
    "      Evaluates every option and prints one row per attribute and one column per option.\n"
    "      --options  replaces the model's options by those of a CSV file: a header row whose\n"
    "                 first field is a label and whose other fields name basic attributes, then\n"
    "                 one row per option: its name and a value per column (a value name, several\n"
    "                 joined by \";\" for a set, \"*\" or nothing for undefined).\n"
    "      --csv      prints CSV instead of an aligned table.\n"
    "  convert INPUT OUTPUT\n"
    "      Reads INPUT and writes it as OUTPUT, each in the format of its extension.\n"
    "  stats MODEL\n"
    "      Prints the counts of attributes, scales, functions and options.\n"
    "  --help      Prints this text.\n"
    "  --version   Prints the version.\n"
    "\n"
    "Warnings about what a format could not carry go to standard error as \"warning: \" lines.\n"
    "Exit status: 0 on success, 1 after an error, 2 for a command line that is not understood.\n";

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
    if (arg.size() < 2 || arg.rfind("--", 0) != 0) {
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
  std::size_t start = 0;
  while (start < remarks.size()) {
    std::size_t end = remarks.find_first_of("\r\n", start);
    if (end == std::string::npos) end = remarks.size();
    if (end > start) {
      std::fprintf(err, "warning: %s\n", Cp1250ToUtf8(remarks.substr(start, end - start)).c_str());
    }
    start = end + 1;
  }
}

std::unique_ptr<TUbicModel> Open(const std::string& fileName, std::FILE* err) {
  TOpenedModel opened = OpenModel(fileName);
  PrintRemarks(opened.Remarks, err);
  return std::move(opened.Model);
}

// A stored value text as the user reads it: value names joined by ";", "*" when undefined.
std::string CellText(const TUbicAttribute& attribute, const std::string& text) {
  if (text.empty() || text == "*") return "*";
  const TUbicDiscreteScale* scale = attribute.DiscreteScale();
  if (scale == nullptr) return Cp1250ToUtf8(text);
  std::string names;
  for (const char code : text) {
    if (!names.empty()) names += ';';
    const int index = ValueIndexOf(code);
    names += index >= 0 && index < scale->Count() ? Cp1250ToUtf8(scale->ValueName(index))
                                                  : std::to_string(index + 1);
  }
  return names;
}

// The results as rows of cells: a header row, then one row per attribute in pre-order. Each row
// is handed to Emit as soon as it is made, so that a large result need not be held whole.
template <class Emit>
void EvaluationRows(const TUbicModel& model, bool indent, Emit emit) {
  std::vector<std::string> row{"Attribute"};
  for (int k = 0; k < model.OptionCount(); ++k) row.push_back(Cp1250ToUtf8(model.Options()[k]));
  emit(row);
  std::vector<TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  for (const TUbicAttribute* attribute : attributes) {
    const std::string margin(indent ? 2 * (attribute->Level() - 1) : 0, ' ');
    row.assign(1, margin + Cp1250ToUtf8(attribute->GetName()));
    for (int k = 0; k < model.OptionCount(); ++k) {
      row.push_back(CellText(*attribute, attribute->OptionText(k)));
    }
    emit(row);
  }
}

// Characters, not bytes, decide the width of a column.
std::size_t DisplayWidth(const std::string& text) {
  std::size_t width = 0;
  for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return width;
}

void PrintTable(const std::vector<std::vector<std::string>>& rows, std::FILE* out) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], DisplayWidth(row[c]));
  }
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      line += row[c];
      if (c + 1 < row.size()) line += std::string(widths[c] - DisplayWidth(row[c]) + 2, ' ');
    }
    std::fprintf(out, "%s\n", line.c_str());
  }
}

int Evaluate(const TCommandLine& line, std::FILE* out, std::FILE* err) {
  std::unique_ptr<TUbicModel> model = Open(line.Operands[0], err);
  if (const auto options = line.Options.find("--options"); options != line.Options.end()) {
    ReplaceOptions(*model, ReadFileText(options->second), options->second);
  }
  model->EvaluateAll();
  if (line.Options.count("--csv") != 0) {
    EvaluationRows(*model, false, [out](const auto& row) { std::fputs(CsvRecord(row).c_str(), out); });
  } else {
    std::vector<std::vector<std::string>> rows;
    EvaluationRows(*model, true, [&rows](const auto& row) { rows.push_back(row); });
    PrintTable(rows, out);
  }
  return 0;
}

int Convert(const TCommandLine& line, std::FILE*, std::FILE* err) {
  std::unique_ptr<TUbicModel> model = Open(line.Operands[0], err);
  PrintRemarks(SaveModel(*model, line.Operands[1]), err);
  return 0;
}

int Stats(const TCommandLine& line, std::FILE* out, std::FILE* err) {
  std::unique_ptr<TUbicModel> model = Open(line.Operands[0], err);
  std::fprintf(out, "%s\n", model->Statistics().Text().c_str());
  return 0;
}

int RunCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  if (args.size() == 1 && args[0] == "--help") {
    std::fputs(kHelp, out);
    return 0;
  }
  if (args.size() == 1 && args[0] == "--version") {
    std::fprintf(out, "%s\n", kVersion);
    return 0;
  }
  const TCommandLine line =
      Parse(args, {{"evaluate", {{"--options", true}, {"--csv", false}}}, {"convert", {}}, {"stats", {}}},
            {{"evaluate", 1}, {"convert", 2}, {"stats", 1}});
  if (line.Command == "evaluate") return Evaluate(line, out, err);
  if (line.Command == "convert") return Convert(line, out, err);
  return Stats(line, out, err);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  try {
    return RunCommand(args, out, err);
  } catch (const EUsageError& e) {
    std::fprintf(err, "ubic-cli: %s\n%s", e.what(), kUsage);
    return 2;
  } catch (const ECliError& e) {
    std::fprintf(err, "error: %s\n", e.what());
  } catch (const std::exception& e) {
    // The model's own messages are Windows-1250 text.
    std::fprintf(err, "error: %s\n", Cp1250ToUtf8(e.what()).c_str());
  }
  return 1;
}

}  // namespace ubic::cli
