#include "reporttargets.h"

#include <algorithm>

#include "model/valuetext.h"

namespace ubic {

namespace {

bool SameQuestion(const TTargetQuestion& a, const TTargetQuestion& b) {
  return a.Option == b.Option && a.Attribute == b.Attribute && a.Direction == b.Direction &&
         a.Value == b.Value;
}

// The option at Hint when it still has that name, else the first one of that name; -1 for none.
int OptionNamed(const TUbicModel& model, const std::string& name, int hint) {
  if (hint < model.OptionCount() && model.Options()[hint] == name) return hint;
  for (int k = 0; k < model.OptionCount(); ++k) {
    if (model.Options()[k] == name) return k;
  }
  return -1;
}

int ValueNamed(const TUbicScale& scale, const std::string& name) {
  for (int v = 0; v < scale.Count(); ++v) {
    if (ValueText(&scale, v) == name) return v;
  }
  return -1;
}

}  // namespace

TReportTargets::TKept TReportTargets::Kept(const TUbicModel& model,
                                           const TTargetQuestion& question) {
  return {model.Options()[question.Option],
          question.Option,
          question.Attribute->GetName(),
          question.Direction,
          ValueText(question.Attribute->Scale(), question.Value),
          question.Limit};
}

std::optional<TTargetQuestion> TReportTargets::Asked(const TUbicModel& model, const TKept& kept) {
  TTargetQuestion question;
  question.Option = OptionNamed(model, kept.Option, kept.OptionIndex);
  question.Attribute = model.FindAttribute(kept.Attribute);
  if (question.Option < 0 || question.Attribute == nullptr ||
      question.Attribute->Scale() == nullptr) {
    return std::nullopt;
  }
  question.Value = ValueNamed(*question.Attribute->Scale(), kept.Value);
  if (question.Value < 0) return std::nullopt;
  question.Direction = kept.Direction;
  question.Limit = kept.Limit;
  return question;
}

bool TReportTargets::Contains(const TUbicModel& model, const TTargetQuestion& question) const {
  return std::any_of(FKept.begin(), FKept.end(), [&](const TKept& kept) {
    const std::optional<TTargetQuestion> asked = Asked(model, kept);
    return asked && SameQuestion(*asked, question);
  });
}

void TReportTargets::Add(const TUbicModel& model, const TTargetQuestion& question) {
  if (!Contains(model, question)) FKept.push_back(Kept(model, question));
}

void TReportTargets::Remove(const TUbicModel& model, const TTargetQuestion& question) {
  std::erase_if(FKept, [&](const TKept& kept) {
    const std::optional<TTargetQuestion> asked = Asked(model, kept);
    return asked && SameQuestion(*asked, question);
  });
}

std::vector<TTargetQuestion> TReportTargets::Questions(const TUbicModel& model) const {
  std::vector<TTargetQuestion> questions;
  for (const TKept& kept : FKept) {
    if (std::optional<TTargetQuestion> asked = Asked(model, kept)) questions.push_back(*asked);
  }
  return questions;
}

}  // namespace ubic
