#pragma once

#include <memory>
#include <string>
#include <vector>

#include "files/modelsnapshot.h"
#include "model/model.h"

namespace ubic {

// What an edit concerns, shown again when the edit is undone or redone: an attribute as its
// index on each level from the top (empty for none) and an option (-1 for none).
struct TEditFocus {
  std::vector<int> Attribute;
  int Option = -1;

  bool operator==(const TEditFocus&) const = default;
};

// The path of Attribute from the top level of its tree; empty for the hidden root and for nil.
std::vector<int> AttributePath(const TUbicAttribute* attribute);
// The attribute at Path in Model's tree, or the deepest one on the path that exists; nil for an
// empty path or an empty tree.
TUbicAttribute* AttributeAt(TUbicModel& model, const std::vector<int>& path);
const TUbicAttribute* AttributeAt(const TUbicModel& model, const std::vector<int>& path);

// The edits of one document as named steps that can be undone and redone without limit. The
// history holds the model's present state; after every edit the caller records it with a name.
class TUndoHistory {
 public:
  explicit TUndoHistory(TUbicModel& model);

  // Records the edit just made to Model. An edit with a non-empty MergeKey that equals the one of
  // the last step, with nothing undone in between, joins that step (one typed name is one step).
  // A new step discards what could be redone. An edit that left the model as it was records
  // nothing and keeps what could be redone; one that brings a joined step back to the model from
  // before it takes that step away. Returns whether the model changed.
  bool Record(TUbicModel& model, const std::string& name, const std::string& mergeKey = {},
              const TEditFocus& focus = {});
  // Ends merging: the next edit is a step of its own even with the same key.
  void CloseStep() { FMergeOpen = false; }
  // The model's present state, and giving it back after an edit that failed part way.
  std::shared_ptr<const TModelSnapshot> Present() const { return FPresent; }
  void RestorePresent(TUbicModel& model) const { FPresent->Restore(model); }

  bool CanUndo() const { return !FUndo.empty(); }
  bool CanRedo() const { return !FRedo.empty(); }
  // The names of the steps Undo and Redo would take; empty when there is none.
  std::string UndoName() const;
  std::string RedoName() const;
  // Take Model one step back or forward and return the focus recorded with that step.
  TEditFocus Undo(TUbicModel& model);
  TEditFocus Redo(TUbicModel& model);

 private:
  struct TStep {
    std::string Name;
    TEditFocus Focus;
    std::shared_ptr<const TModelSnapshot> State;
  };
  TEditFocus Move(TUbicModel& model, std::vector<TStep>& from, std::vector<TStep>& to);

  std::shared_ptr<const TModelSnapshot> FPresent;
  std::vector<TStep> FUndo;
  std::vector<TStep> FRedo;
  std::string FMergeKey;
  bool FMergeOpen = false;
};

}  // namespace ubic
