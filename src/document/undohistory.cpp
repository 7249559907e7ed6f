#include "undohistory.h"

#include <algorithm>

namespace ubic {

std::vector<int> AttributePath(const TUbicAttribute* attribute) {
  std::vector<int> path;
  for (; attribute != nullptr && attribute->Parent() != nullptr; attribute = attribute->Parent()) {
    path.push_back(attribute->Parent()->IndexOfInput(attribute));
  }
  std::reverse(path.begin(), path.end());
  return path;
}

namespace {

// Model is TUbicModel or const TUbicModel, and the attribute found is as changeable as it.
template <typename Model>
auto AttributeAtPath(Model& model, const std::vector<int>& path) -> decltype(model.Root()) {
  decltype(model.Root()) attribute = nullptr;
  decltype(model.Root()) level = model.Root();
  for (const int index : path) {
    if (index < 0 || index >= level->InputCount()) break;
    attribute = level = level->Input(index);
  }
  return attribute;
}

}  // namespace

TUbicAttribute* AttributeAt(TUbicModel& model, const std::vector<int>& path) {
  return AttributeAtPath(model, path);
}

const TUbicAttribute* AttributeAt(const TUbicModel& model, const std::vector<int>& path) {
  return AttributeAtPath(model, path);
}

TUndoHistory::TUndoHistory(TUbicModel& model) : FPresent(std::make_unique<TModelSnapshot>(model)) {}

bool TUndoHistory::Record(TUbicModel& model, const std::string& name, const std::string& mergeKey,
                          const TEditFocus& focus) {
  auto state = std::make_shared<const TModelSnapshot>(model);
  // Typing the text a field already holds, or the field's own undo, changes nothing: such an
  // edit must not leave a step that does nothing, nor take away what Redo would bring back.
  if (state->SameModelAs(*FPresent)) return false;
  const bool merge = FMergeOpen && !mergeKey.empty() && mergeKey == FMergeKey && CanUndo();
  if (merge && state->SameModelAs(*FUndo.back().State)) {
    // The typing came back to where it began: the step it made is no step at all.
    FPresent = std::move(FUndo.back().State);
    FUndo.pop_back();
    FMergeOpen = false;
    return true;
  }
  if (merge) {
    FUndo.back().Focus = focus;
  } else {
    FUndo.push_back({name, focus, std::move(FPresent)});
  }
  FRedo.clear();
  FPresent = std::move(state);
  FMergeKey = mergeKey;
  FMergeOpen = true;
  return true;
}

std::string TUndoHistory::UndoName() const {
  return CanUndo() ? FUndo.back().Name : "";
}

std::string TUndoHistory::RedoName() const {
  return CanRedo() ? FRedo.back().Name : "";
}

TEditFocus TUndoHistory::Move(TUbicModel& model, std::vector<TStep>& from, std::vector<TStep>& to) {
  TStep step = std::move(from.back());
  from.pop_back();
  step.State->Restore(model);
  std::swap(step.State, FPresent);
  to.push_back(std::move(step));
  FMergeOpen = false;
  return to.back().Focus;
}

TEditFocus TUndoHistory::Undo(TUbicModel& model) {
  return CanUndo() ? Move(model, FUndo, FRedo) : TEditFocus{};
}

TEditFocus TUndoHistory::Redo(TUbicModel& model) {
  return CanRedo() ? Move(model, FRedo, FUndo) : TEditFocus{};
}

}  // namespace ubic
