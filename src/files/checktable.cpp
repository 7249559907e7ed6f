#include "checktable.h"

#include "model/conflicts.h"

namespace ubic {
namespace {

const char* GapKindText(TModelGapKind kind) {
  switch (kind) {
    case TModelGapKind::NoFunction:
      return "no function";
    case TModelGapKind::NoScale:
      return "no scale";
    case TModelGapKind::ValueNames:
      return "value names";
    case TModelGapKind::MissingValues:
      return "values missing";
  }
  return "";
}

std::string OptionNames(const TUbicModel& model, const std::vector<int>& options) {
  std::string names;
  for (const int k : options) {
    if (!names.empty()) names += ", ";
    names += model.Options()[k];
  }
  return names;
}

}  // namespace

int CheckRows(const TUbicModel& model, const std::function<void(const TTableRow&)>& emit,
              TTextForm form) {
  auto row = [&](const std::string& kind, const std::string& attribute,
                 const std::string& details) {
    emit(FormedRow({kind, attribute, details}, form));
  };
  row("Kind", "Attribute", "Details");
  int findings = 0;
  const std::vector<TModelGap> gaps = ModelGaps(model);
  std::vector<const TUbicAttribute*> attributes;
  model.Root()->CollectAttributes(attributes);
  for (const TUbicAttribute* attribute : attributes) {
    if (const TUbicFunction* function = attribute->Funct()) {
      for (const TRuleConflict& conflict : RuleConflicts(*function)) {
        row("conflict", attribute->GetName(), ConflictText(*function, conflict));
        ++findings;
      }
    }
    for (const TModelGap& gap : gaps) {
      if (gap.Attribute != attribute) continue;
      const bool names = gap.Kind == TModelGapKind::ValueNames;
      row(GapKindText(gap.Kind), attribute->GetName(),
          names ? gap.Problem : OptionNames(model, gap.Options));
      ++findings;
    }
  }
  return findings;
}

}  // namespace ubic
