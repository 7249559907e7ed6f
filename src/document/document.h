#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/modelio.h"
#include "filestamp.h"
#include "model/model.h"
#include "undohistory.h"

namespace ubic {

// An edit of a model: its name for Undo and Redo, and the change itself, which returns what it
// concerns. Edits with the same non-empty MergeKey that follow each other are one step (a typed
// name is one step, not one per key).
struct TEdit {
  TEdit(std::string name, std::function<TEditFocus(TUbicModel&)> apply, std::string mergeKey = {})
      : Name(std::move(name)), Apply(std::move(apply)), MergeKey(std::move(mergeKey)) {}

  std::string Name;
  std::function<TEditFocus(TUbicModel&)> Apply;
  std::string MergeKey;
};

// What observers are told after the document changed.
struct TDocumentChange {
  enum class TKind {
    // An edit ran: model objects that it did not remove are the ones they were.
    Edited,
    // The model was read anew (undo, redo, an edit that failed part way): no pointer into the
    // model from before is valid.
    Replaced,
    // Only the file name or the modified mark changed.
    Saved,
  };
  TKind Kind = TKind::Edited;
  // What the edit, or the step undone or redone, concerns.
  TEditFocus Focus;
};

class TDocumentObserver {
 public:
  // Before the model changes: views let go of whatever could be left pointing at objects that
  // are about to go, while all of them are still there.
  virtual void DocumentChanging() {}
  virtual void DocumentChanged(const TDocumentChange& change) = 0;

 protected:
  ~TDocumentObserver() = default;
};

// A model with its file: the one owner of the model, its undo history and its modified mark.
// Every change goes through Run, which records one step, settles the mark and tells the
// observers once. The model is always evaluated after a change, so that the results the file
// keeps are the model's own. The document also remembers what its file held when it last read
// or wrote it, so that a change made on disk by someone else is neither overwritten nor missed
// without a word.
class TUbicDocument {
 public:
  // A new model with one attribute, never saved.
  TUbicDocument();
  // A model made elsewhere, never saved.
  explicit TUbicDocument(std::unique_ptr<TUbicModel> model);
  // A model read from a file (own or foreign format), not modified: the model as read and
  // evaluated is what the file holds, also when the results the file stores are stale. Its file
  // is the own format's file of that name, so that a foreign file is never written over.
  // Remarks receives the import's remarks.
  static std::unique_ptr<TUbicDocument> Open(const std::string& fileName, std::string& remarks);
  // The same, read in Format whatever the file's extension.
  static std::unique_ptr<TUbicDocument> Open(const std::string& fileName, TModelFormat format,
                                             std::string& remarks);

  TUbicDocument(const TUbicDocument&) = delete;
  TUbicDocument& operator=(const TUbicDocument&) = delete;

  const TUbicModel& Model() const { return *FModel; }
  // The model's file in the own format; empty while it has none.
  const std::string& FileName() const { return FFileName; }
  // Whether the model differs from what its file was read or written with; always true for a
  // model that was never read or saved.
  bool Modified() const { return FModified; }
  // Whether FileName names the document's file, whatever way it is written.
  bool HoldsFile(const std::string& fileName) const;
  const TUndoHistory& History() const { return FHistory; }

  // Runs Edit as one step. When it raises, the model is put back as it was before, nothing is
  // recorded, and the error passes on.
  void Run(const TEdit& edit);
  // Ends merging: the next edit is a step of its own.
  void CloseStep() { FHistory.CloseStep(); }
  void Undo();
  void Redo();

  // Whether the document's file holds other bytes than the document last read or wrote there:
  // another program or window wrote it since. False when the document never read or wrote it,
  // and when it is gone.
  bool FileChangedOnDisk() const;
  // The same, less a change that the user chose to keep the model against (KeepAgainstDisk).
  bool DiskChangeToOffer() const;
  // Keeps the model against what the file holds now: DiskChangeToOffer is false until the file
  // changes again. Saving still asks first (FileChangedOnDisk).
  void KeepAgainstDisk();
  // Reads the document's file anew, as one step that Undo takes back.
  void Reload();
  // Whether writing FileName would replace a file that this document neither read nor wrote
  // (the own-format file beside a foreign file the document was read from, for instance).
  bool WouldReplaceOtherFile(const std::string& fileName) const;

  // Writes the model in the own format to its file, which must be set.
  void Save();
  // Writes the model in Format to FileName and returns the remarks on what the format could not
  // hold. The own format makes FileName the document's file; a foreign format is an export: the
  // document's file becomes FileName with the own extension, and the document is modified unless
  // that file holds the model already.
  std::string SaveAs(const std::string& fileName, TModelFormat format);

  void AddObserver(TDocumentObserver* observer);
  void RemoveObserver(TDocumentObserver* observer);

 private:
  TUbicDocument(std::unique_ptr<TUbicModel> model, std::string fileName);
  // Evaluates what needs it, settles the modified mark and tells the observers.
  void Settle(const TDocumentChange& change);
  // The present state is what FFileName holds, Bytes, as just read or written.
  void StandForFile(const std::string& bytes);
  // Finds whether the own-format file FFileName holds a state of this model.
  void RememberFileState();
  // Writes Bytes, the present state in the own format, to FileName, which becomes the
  // document's file.
  void WriteOwnFile(const std::string& fileName, const std::string& bytes);
  void UpdateModified();
  void Notify(const TDocumentChange& change);
  void NotifyChanging();
  // Calls Tell for every observer, also when one of them goes meanwhile.
  void ForEachObserver(const std::function<void(TDocumentObserver&)>& tell);
  void StepInHistory(bool redo);

  std::unique_ptr<TUbicModel> FModel;
  std::string FFileName;
  // The state whose file FFileName holds, as last read or written; none while no state of the
  // model gives that file's bytes. Comparing states is much quicker than writing the file anew.
  std::shared_ptr<const TModelSnapshot> FFileState;
  // What FFileName held when the document last read or wrote it; none while it has not.
  std::optional<TFileStamp> FStamp;
  // What FFileName held when the user chose to keep the model against it.
  std::optional<TFileStamp> FKeptAgainst;
  bool FModified = true;
  TUndoHistory FHistory;
  std::vector<TDocumentObserver*> FObservers;
};

}  // namespace ubic
