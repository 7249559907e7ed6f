// Reads a model file, evaluates its options and prints the model: its tree with the scales, the
// rule tables, the weights and the results. A stand-in for the command-line tool.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "files/modelfile.h"
#include "foundation/cp1250.h"
#include "foundation/utils.h"

using namespace ubic;

namespace {

void Print(const std::string& text) { std::printf("%s\n", Cp1250ToUtf8(text).c_str()); }

std::string ValueNames(const TUbicAttribute& attribute, const std::string& valueSet) {
  const TUbicDiscreteScale* scale = attribute.DiscreteScale();
  if (valueSet.empty() || scale == nullptr) return "undefined";
  if (valueSet == "*") return "any";
  std::string names;
  for (const char code : valueSet) {
    const int index = static_cast<unsigned char>(code) - '0';
    if (!names.empty()) names += " or ";
    names += index >= 0 && index < scale->Count() ? scale->ValueName(index) : "?";
  }
  return names;
}

std::string Interval(const TUbicFunction& function, int rule) {
  std::string codes;
  for (int v = function.RuleLow(rule); v <= function.RuleHigh(rule); ++v) codes += char('0' + v);
  return codes;
}

void PrintRules(const TUbicAttribute& attribute) {
  const TUbicFunction& f = *attribute.Funct();
  Print("  " + f.StatisticsText());
  for (int r = 0; r < f.RuleCount(); ++r) {
    std::string line = "    ";
    for (int i = 0; i < attribute.InputCount(); ++i) {
      line += Format("%-16s", ValueNames(*attribute.Input(i), std::string(1, char('0' + f.RuleInput(i, r)))));
    }
    line += "-> " + ValueNames(attribute, Interval(f, r)) + (f.RuleEntered(r) ? "" : "  (completed)");
    Print(line);
  }
}

void PrintAttribute(TUbicAttribute& attribute) {
  const std::string indent(2 * (attribute.Level() - 1), ' ');
  const std::string scale = attribute.Scale() != nullptr ? attribute.Scale()->ScaleText() : "";
  Print(indent + attribute.GetName() + "   [" + scale + "]");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ubic-demo MODEL.ubm\n");
    return 2;
  }
  TUbicModel model;
  try {
    LoadFromFile(model, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "error: %s\n", Cp1250ToUtf8(e.what()).c_str());
    return 1;
  }
  model.EvaluateAll();
  std::vector<TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);

  Print("Model: " + model.DisplayName());
  Print(model.Statistics().Text());
  Print("");
  for (TUbicAttribute* attribute : attributes) PrintAttribute(*attribute);
  for (TUbicAttribute* attribute : attributes) {
    if (attribute->Funct() == nullptr) continue;
    Print("");
    attribute->Funct()->CalcWeights(true);
    Print("Rules of " + attribute->GetName() + " (weights " +
          FloatArrayToText(attribute->Funct()->LocalWeights()) + ")");
    PrintRules(*attribute);
  }
  Print("");
  Print("Evaluation:");
  const TUbicAttribute& top = *model.FirstAttribute();
  for (int k = 0; k < model.OptionCount(); ++k) {
    Print(Format("  %-24s %s", model.Options()[k], ValueNames(top, top.OptionText(k))));
  }
  return 0;
}
