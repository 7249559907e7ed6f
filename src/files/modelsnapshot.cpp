#include "modelsnapshot.h"

#include <algorithm>
#include <functional>

#include "modelfile.h"

namespace ubic {

namespace {

void AppendPreOrder(TUbicAttribute& attribute, std::vector<TUbicAttribute*>& list) {
  for (int i = 0; i < attribute.InputCount(); ++i) {
    list.push_back(attribute.Input(i));
    AppendPreOrder(*attribute.Input(i), list);
  }
}

}  // namespace

std::vector<TUbicAttribute*> PreOrderAttributes(const TUbicModel& model) {
  std::vector<TUbicAttribute*> list;
  AppendPreOrder(*model.Root(), list);
  return list;
}

TModelSnapshot::TModelSnapshot(TUbicModel& model)
    : FDocument(ModelDocument(model, false)),
      FName(model.GetName()),
      FDescription(model.GetDescription()),
      FOptionSelection(model.OptionSelection()) {
  const TUbicScale* lastScale = model.LastScale();
  const std::vector<TUbicAttribute*> attributes = PreOrderAttributes(model);
  FOptionTextLengths.reserve(attributes.size() * model.OptionCount());
  for (std::size_t i = 0; i < attributes.size(); ++i) {
    const TUbicAttribute& attribute = *attributes[i];
    FOptionValueCounts.push_back(attribute.OptionValues().Count());
    for (int k = 0; k < attribute.OptionValues().Count(); ++k) {
      FOptionTexts += attribute.OptionValues()[k];
      FOptionTextLengths.push_back(attribute.OptionValues()[k].size());
    }
    if (lastScale != nullptr && attribute.Scale() == lastScale) {
      FLastScaleOwner = static_cast<int>(i);
    }
    if (attribute.Funct() != nullptr && !attribute.Funct()->UseWeights()) {
      FUnusedWeights.push_back(attribute.Funct()->Weights());
    }
  }
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
  for (TUbicAttribute* attribute : attributes) {
    for (int k = *count++; k > 0; --k, position += *length++) {
      attribute->OptionValues().Add(FOptionTexts.substr(position, *length));
    }
    TUbicFunction* function = attribute->Funct();
    if (function != nullptr && !function->UseWeights()) function->SetWeights(*weights++);
  }
  model.SetNeedsEvaluation(true);
}

TUndoHistory::TUndoHistory(TUbicModel& model) : FPresent(std::make_unique<TModelSnapshot>(model)) {
  if (model.Modified()) FCleanDepth.reset();
}

void TUndoHistory::Record(TUbicModel& model, const std::string& name, const std::string& mergeKey,
                          const std::vector<int>& selection) {
  const bool merge = FMergeOpen && !mergeKey.empty() && mergeKey == FMergeKey && CanUndo();
  if (merge) {
    if (IsClean()) FCleanDepth.reset();
  } else {
    if (FCleanDepth && *FCleanDepth > FUndo.size()) FCleanDepth.reset();
    FUndo.push_back({name, selection, std::move(FPresent)});
  }
  FRedo.clear();
  FPresent = std::make_unique<TModelSnapshot>(model);
  FMergeKey = mergeKey;
  FMergeOpen = true;
}

std::string TUndoHistory::UndoName() const {
  return CanUndo() ? FUndo.back().Name : "";
}

std::string TUndoHistory::RedoName() const {
  return CanRedo() ? FRedo.back().Name : "";
}

std::vector<int> TUndoHistory::Move(TUbicModel& model, std::vector<TStep>& from,
                                    std::vector<TStep>& to) {
  TStep step = std::move(from.back());
  from.pop_back();
  step.State->Restore(model);
  std::swap(step.State, FPresent);
  to.push_back(std::move(step));
  FMergeOpen = false;
  model.SetModified(!IsClean());
  return to.back().Selection;
}

std::vector<int> TUndoHistory::Undo(TUbicModel& model) {
  return CanUndo() ? Move(model, FUndo, FRedo) : std::vector<int>{};
}

std::vector<int> TUndoHistory::Redo(TUbicModel& model) {
  return CanRedo() ? Move(model, FRedo, FUndo) : std::vector<int>{};
}

void TUndoHistory::MarkClean() {
  FCleanDepth = FUndo.size();
  FMergeOpen = false;
}

}  // namespace ubic
