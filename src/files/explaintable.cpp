#include "explaintable.h"

#include "foundation/translation.h"
#include "model/conflicts.h"
#include "model/valuetext.h"

namespace ubic::ubicstr {

// Decides an aggregate attribute that has no function yet.
constexpr const char* NoFunction = UBIC_TEXT("no function");

}  // namespace ubic::ubicstr

namespace ubic {
namespace {

std::string InputsText(const TAggregateExplanation& aggregate) {
  std::string text;
  for (int i = 0; i < aggregate.Attribute->InputCount(); ++i) {
    const TUbicAttribute& input = *aggregate.Attribute->Input(i);
    if (i > 0) text += ", ";
    text += input.GetName() + "=" + ValueSetText(input.Scale(), aggregate.InputValues[i]);
  }
  return text;
}

}  // namespace

std::string DecidingRulesText(const TAggregateExplanation& aggregate) {
  const TUbicFunction* function = aggregate.Attribute->Funct();
  if (function == nullptr) return Translated(ubicstr::NoFunction);
  std::string text;
  for (const TDecidingRule& rule : aggregate.Rules) {
    if (!text.empty()) text += "; ";
    text += RuleText(*function, rule.Rule) + " (" + RuleOriginText(rule) + ")";
  }
  return text;
}

std::string InputStepText(const TUbicAttribute& aggregate, const TInputStep& step) {
  const TUbicAttribute& input = *aggregate.Input(step.Input);
  return input.GetName() + ": " + ValueText(input.Scale(), step.From) + " -> " +
         ValueText(input.Scale(), step.To);
}

void ExplanationRows(const TExplanation& explanation,
                     const std::function<void(const TTableRow&)>& emit, TTextForm form) {
  auto row = [&](const std::string& kind, const std::string& attribute, const std::string& value,
                 const std::string& details) {
    emit(FormedRow({kind, attribute, value, details}, form));
  };
  row("Kind", "Attribute", "Value", "Details");
  for (const TAggregateExplanation& aggregate : explanation.Aggregates) {
    const TUbicAttribute& attribute = *aggregate.Attribute;
    row("aggregate", attribute.GetName(), ValueSetText(attribute.Scale(), aggregate.Value),
        InputsText(aggregate) + ": " + DecidingRulesText(aggregate));
    for (const TInputStep& step : aggregate.Steps) {
      row("step", attribute.GetName(), ValueSetText(attribute.Scale(), step.Result),
          InputStepText(attribute, step));
    }
  }
  for (const auto& [kind, basics] :
       {std::pair{"strong", &explanation.Strong}, std::pair{"weak", &explanation.Weak}}) {
    for (const TUbicAttribute* basic : *basics) {
      row(kind, basic->GetName(),
          ValueSetText(basic->Scale(), basic->OptionText(explanation.Option)), "");
    }
  }
}

std::string ExplanationText(const TExplanation& explanation) {
  std::vector<TTableRow> rows;
  ExplanationRows(explanation, [&rows](const TTableRow& row) { rows.push_back(row); });
  return AlignedTable(rows);
}

}  // namespace ubic
