#include "targettable.h"

#include "foundation/cp1250.h"
#include "model/valuetext.h"

namespace ubic {
namespace {

std::string FromText(const TBasicChange& change) {
  return Cp1250ToUtf8(ValueSetText(change.Attribute->Scale(), change.From));
}

std::string ToText(const TBasicChange& change) {
  return Cp1250ToUtf8(ValueText(change.Attribute->Scale(), change.To));
}

}  // namespace

void TargetRows(const TTargetAnswer& answer, const std::function<void(const TTableRow&)>& emit,
                TTextForm form) {
  auto row = [&](std::initializer_list<std::string> texts) {
    TTableRow cells;
    for (const std::string& text : texts) cells.push_back(Formed(text, form));
    emit(cells);
  };
  row({"Solution", "Attribute", "From", "To"});
  for (std::size_t s = 0; s < answer.Solutions.size(); ++s) {
    for (const TBasicChange& change : answer.Solutions[s].Changes) {
      row({std::to_string(s + 1), Cp1250ToUtf8(change.Attribute->GetName()), FromText(change),
           ToText(change)});
    }
  }
}

std::string TargetSolutionText(const TTargetSolution& solution) {
  std::string text;
  for (const TBasicChange& change : solution.Changes) {
    if (!text.empty()) text += "; ";
    text += Cp1250ToUtf8(change.Attribute->GetName()) + ": " + FromText(change) + " → " +
            ToText(change);
  }
  return text;
}

std::string TargetText(const TTargetQuestion& question) {
  const TUbicAttribute& attribute = *question.Attribute;
  const char* direction =
      question.Direction == TTargetDirection::AtLeast ? " at least " : " at most ";
  return Cp1250ToUtf8(attribute.GetName()) + direction +
         Cp1250ToUtf8(ValueText(attribute.Scale(), question.Value));
}

}  // namespace ubic
