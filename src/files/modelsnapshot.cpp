#include "modelsnapshot.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "modelfile.h"

namespace ubic {

namespace {

// Attribute is TUbicAttribute or const TUbicAttribute.
template <typename Attribute>
void AppendPreOrder(Attribute& attribute, std::vector<Attribute*>& list) {
  for (int i = 0; i < attribute.InputCount(); ++i) {
    list.push_back(attribute.Input(i));
    AppendPreOrder(*attribute.Input(i), list);
  }
}

}  // namespace

std::vector<TUbicAttribute*> PreOrderAttributes(TUbicModel& model) {
  std::vector<TUbicAttribute*> list;
  AppendPreOrder(*model.Root(), list);
  return list;
}

std::vector<const TUbicAttribute*> PreOrderAttributes(const TUbicModel& model) {
  std::vector<const TUbicAttribute*> list;
  AppendPreOrder(*model.Root(), list);
  return list;
}

TModelSnapshot::TModelSnapshot(const TUbicModel& model)
    : FDocument(ModelDocument(model, false)),
      FName(model.GetName()),
      FDescription(model.GetDescription()),
      FOptionSelection(model.OptionSelection()),
      FNeedsEvaluation(model.NeedsEvaluation()) {
  const TUbicScale* lastScale = model.LastScale();
  const std::vector<const TUbicAttribute*> attributes = PreOrderAttributes(model);
  FOptionTextLengths.reserve(attributes.size() * model.OptionCount());
  for (std::size_t i = 0; i < attributes.size(); ++i) {
    const TUbicAttribute& attribute = *attributes[i];
    FOptionValueCounts.push_back(attribute.OptionValues().Count());
    for (int k = 0; k < attribute.OptionValues().Count(); ++k) {
      FOptionTexts += attribute.OptionValues()[k];
      FOptionTextLengths.push_back(attribute.OptionValues()[k].size());
    }
    if (attribute.HasOptionWeights()) {
      FOptionWeights.emplace_back(static_cast<int>(i), attribute.OptionWeights().Strings());
    }
    if (lastScale != nullptr && attribute.Scale() == lastScale) {
      FLastScaleOwner = static_cast<int>(i);
    }
    if (attribute.Funct() != nullptr && !attribute.Funct()->UseWeights()) {
      FUnusedWeights.push_back(attribute.Funct()->Weights());
    }
  }
}

bool TModelSnapshot::SameFileAs(const TModelSnapshot& other) const {
  return FOptionValueCounts == other.FOptionValueCounts && FOptionWeights == other.FOptionWeights &&
         FOptionTextLengths == other.FOptionTextLengths && FOptionTexts == other.FOptionTexts &&
         SameXml(*FDocument, *other.FDocument);
}

bool TModelSnapshot::SameModelAs(const TModelSnapshot& other) const {
  return FName == other.FName && FDescription == other.FDescription &&
         FOptionSelection == other.FOptionSelection && FLastScaleOwner == other.FLastScaleOwner &&
         FUnusedWeights == other.FUnusedWeights && SameFileAs(other);
}

void TModelSnapshot::Restore(TUbicModel& model) const {
  ReadModelDocument(model, *FDocument);
  model.SetName(FName);
  model.SetDescription(FDescription);
  model.SetOptionSelection(FOptionSelection);
  const std::vector<TUbicAttribute*> attributes = PreOrderAttributes(model);
  model.SetLastScale(FLastScaleOwner ? attributes[*FLastScaleOwner]->Scale() : nullptr);
  auto weights = FUnusedWeights.begin();
  std::size_t position = 0;
  auto length = FOptionTextLengths.begin();
  auto count = FOptionValueCounts.begin();
  const std::string_view texts = FOptionTexts;
  for (TUbicAttribute* attribute : attributes) {
    attribute->OptionValues().AppendStrings(*count++, [&](int) {
      const std::string_view text = texts.substr(position, *length);
      position += *length++;
      return text;
    });
    TUbicFunction* function = attribute->Funct();
    if (function != nullptr && !function->UseWeights()) function->SetWeights(*weights++);
  }
  for (const auto& [position, fields] : FOptionWeights) {
    TStrList list;
    list.Assign(fields);
    attributes[static_cast<std::size_t>(position)]->TakeOptionWeights(0, list);
  }
  model.SetNeedsEvaluation(FNeedsEvaluation);
}

}  // namespace ubic
