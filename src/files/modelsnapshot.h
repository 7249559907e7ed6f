#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foundation/utils.h"
#include "model/model.h"
#include "xml.h"

namespace ubic {

// A complete, exact image of a model: the tree and options as the model file holds them, and
// what the file leaves out (the option selection, the model's own name and description, the
// remembered scale and the weights of functions that do not use them).
class TModelSnapshot {
 public:
  explicit TModelSnapshot(TUbicModel& model);

  // Gives Model exactly the contents it had when the snapshot was taken; the model must be
  // evaluated again. Objects of the old tree are destroyed, so nothing may keep pointers to them.
  void Restore(TUbicModel& model) const;

 private:
  std::unique_ptr<TXmlItem> FDocument;
  std::string FName;
  std::string FDescription;
  std::string FOptionSelection;
  // The pre-order position of the attribute whose scale is the remembered one.
  std::optional<int> FLastScaleOwner;
  // The weights of each function without UseWeights, in pre-order of their attributes.
  std::vector<floatarray> FUnusedWeights;
  // The option values of every attribute in pre-order, kept apart from the document, which is
  // much quicker to build without them: how many each has, their texts one after another and the
  // length of each.
  std::vector<int> FOptionValueCounts;
  std::string FOptionTexts;
  std::vector<std::size_t> FOptionTextLengths;
};

// The attributes of Model's tree in pre-order, the hidden root excluded.
std::vector<TUbicAttribute*> PreOrderAttributes(const TUbicModel& model);

// The edits of one document as named steps that can be undone and redone without limit. The
// history holds the model's present state; after every edit the caller records it with a name.
class TUndoHistory {
 public:
  // Starts a history whose present state is Model's, which counts as clean unless the model is
  // modified (a new model that was never saved).
  explicit TUndoHistory(TUbicModel& model);

  // Records the edit just made to Model. An edit with a non-empty MergeKey that equals the one of
  // the last step, with nothing undone in between, joins that step (one typed name is one step).
  // A new step discards what could be redone. Selection is the caller's record of what the edit
  // concerned; Undo and Redo hand it back.
  void Record(TUbicModel& model, const std::string& name, const std::string& mergeKey = {},
              const std::vector<int>& selection = {});
  // Ends merging: the next edit is a step of its own even with the same key.
  void CloseStep() { FMergeOpen = false; }

  bool CanUndo() const { return !FUndo.empty(); }
  bool CanRedo() const { return !FRedo.empty(); }
  // The names of the steps Undo and Redo would take; empty when there is none.
  std::string UndoName() const;
  std::string RedoName() const;
  // Take Model one step back or forward and return the selection recorded with that step. Model's
  // Modified follows whether it is in the state marked clean.
  std::vector<int> Undo(TUbicModel& model);
  std::vector<int> Redo(TUbicModel& model);

  // Marks the present state as the saved one.
  void MarkClean();
  bool IsClean() const { return FCleanDepth == std::optional<std::size_t>(FUndo.size()); }

 private:
  struct TStep {
    std::string Name;
    std::vector<int> Selection;
    std::unique_ptr<const TModelSnapshot> State;
  };
  std::vector<int> Move(TUbicModel& model, std::vector<TStep>& from, std::vector<TStep>& to);

  std::unique_ptr<const TModelSnapshot> FPresent;
  std::vector<TStep> FUndo;
  std::vector<TStep> FRedo;
  std::string FMergeKey;
  bool FMergeOpen = false;
  // How many steps the undo list held at the last save; none when that state is gone.
  std::optional<std::size_t> FCleanDepth = 0;
};

}  // namespace ubic
