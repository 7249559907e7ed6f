#include "document.h"

#include <algorithm>
#include <filesystem>

#include "files/modelfile.h"
#include "foundation/textfile.h"
#include "foundation/translation.h"
#include "model/ubicstr.h"

// A reload is a step of the history like an edit, and its name sits among theirs for the Edit
// menu to translate.
namespace ubic::edits {

constexpr const char* ReloadStep = UBIC_TEXT("Reload from disk");

}  // namespace ubic::edits

namespace ubic {

namespace {

TUbicModel& Evaluated(TUbicModel& model) {
  if (model.NeedsEvaluation()) model.EvaluateAll();
  return model;
}

// The name of the step that reads the document's file anew.

// Whether saving Model writes exactly Text. A file laid out otherwise is no state of any model.
bool SavesAs(const TUbicModel& model, const std::string& text) {
  return ModelFileText(model) == text;
}

bool SameFile(const std::string& one, const std::string& other) {
  std::error_code error;
  const std::filesystem::path a = std::filesystem::weakly_canonical(one, error);
  if (error) return one == other;
  const std::filesystem::path b = std::filesystem::weakly_canonical(other, error);
  return error ? one == other : a == b;
}

// The model an own-format file holds; Text receives the file's bytes, read once for both.
std::unique_ptr<TUbicModel> ReadOwnFile(const std::string& fileName, std::string& text) {
  text = ReadFileText(fileName);
  auto model = std::make_unique<TUbicModel>();
  LoadFromText(*model, text, fileName);
  return model;
}

std::unique_ptr<TUbicModel> NewModel() {
  auto model = std::make_unique<TUbicModel>();
  model->Root()->AddInput(
      std::make_unique<TUbicAttribute>(Translated(ubicstr::RootName) + "1", ""));
  return model;
}

}  // namespace

TUbicDocument::TUbicDocument() : TUbicDocument(NewModel(), {}) {}

TUbicDocument::TUbicDocument(std::unique_ptr<TUbicModel> model)
    : TUbicDocument(std::move(model), {}) {}

TUbicDocument::TUbicDocument(std::unique_ptr<TUbicModel> model, std::string fileName)
    : FModel(std::move(model)), FFileName(std::move(fileName)), FHistory(Evaluated(*FModel)) {}

std::unique_ptr<TUbicDocument> TUbicDocument::Open(const std::string& fileName,
                                                   std::string& remarks) {
  return Open(fileName, FormatOfFile(fileName), remarks);
}

std::unique_ptr<TUbicDocument> TUbicDocument::Open(const std::string& fileName, TModelFormat format,
                                                   std::string& remarks) {
  std::unique_ptr<TUbicDocument> document;
  if (format != TModelFormat::Own) {
    TOpenedModel opened = OpenModel(fileName, format);
    remarks = std::move(opened.Remarks);
    document.reset(new TUbicDocument(std::move(opened.Model), WithOwnExtension(fileName)));
  } else {
    remarks.clear();
    std::string text;
    document.reset(new TUbicDocument(ReadOwnFile(fileName, text), fileName));
    document->FStamp.emplace(fileName, text);
  }
  // The document holds only evaluated states: the model as read and evaluated stands for the
  // file, whose stored results may be stale. Saving writes the results anew.
  document->FFileState = document->FHistory.Present();
  document->UpdateModified();
  return document;
}

bool TUbicDocument::HoldsFile(const std::string& fileName) const {
  return !FFileName.empty() && SameFile(FFileName, fileName);
}

void TUbicDocument::Run(const TEdit& edit) {
  NotifyChanging();
  TEditFocus focus;
  try {
    focus = edit.Apply(*FModel);
    FModel->Changed();
    FModel->EvaluateAll();
  } catch (...) {
    FHistory.RestorePresent(*FModel);
    Settle({TDocumentChange::TKind::Replaced, {}});
    throw;
  }
  FHistory.Record(*FModel, edit.Name, edit.MergeKey, focus);
  Settle({TDocumentChange::TKind::Edited, focus});
}

void TUbicDocument::Undo() {
  StepInHistory(false);
}

void TUbicDocument::Redo() {
  StepInHistory(true);
}

void TUbicDocument::StepInHistory(bool redo) {
  if (redo ? !FHistory.CanRedo() : !FHistory.CanUndo()) return;
  NotifyChanging();
  const TEditFocus focus = redo ? FHistory.Redo(*FModel) : FHistory.Undo(*FModel);
  Settle({TDocumentChange::TKind::Replaced, focus});
}

bool TUbicDocument::FileChangedOnDisk() const {
  return FStamp && FStamp->ChangedOn(FFileName);
}

bool TUbicDocument::DiskChangeToOffer() const {
  return FileChangedOnDisk() && !(FKeptAgainst && !FKeptAgainst->ChangedOn(FFileName));
}

void TUbicDocument::KeepAgainstDisk() {
  try {
    FKeptAgainst.emplace(FFileName, ReadFileText(FFileName));
  } catch (const std::exception&) {
    // A file that cannot be read is offered to nobody.
  }
}

void TUbicDocument::Reload() {
  std::string text;
  const std::unique_ptr<TUbicModel> read = ReadOwnFile(FFileName, text);
  const TModelSnapshot state(Evaluated(*read));
  NotifyChanging();
  state.Restore(*FModel);
  FHistory.CloseStep();
  FHistory.Record(*FModel, edits::ReloadStep);
  FHistory.CloseStep();
  StandForFile(text);
  Settle({TDocumentChange::TKind::Replaced, {}});
}

bool TUbicDocument::WouldReplaceOtherFile(const std::string& fileName) const {
  std::error_code error;
  return std::filesystem::exists(fileName, error) && !(FStamp && HoldsFile(fileName));
}

void TUbicDocument::Save() {
  WriteOwnFile(FFileName, ModelFileText(*FModel));
}

std::string TUbicDocument::SaveAs(const std::string& fileName, TModelFormat format) {
  if (format == TModelFormat::Own) {
    WriteOwnFile(fileName, ModelFileText(*FModel));
    return {};
  }
  std::string remarks = SaveModel(*FModel, fileName, format);
  const std::string ownFile = WithOwnExtension(fileName);
  if (ownFile != FFileName) {
    FFileName = ownFile;
    RememberFileState();
  }
  Settle({TDocumentChange::TKind::Saved, {}});
  return remarks;
}

void TUbicDocument::WriteOwnFile(const std::string& fileName, const std::string& bytes) {
  WriteFileSafely(fileName, bytes);
  FFileName = fileName;
  StandForFile(bytes);
  FHistory.CloseStep();
  Settle({TDocumentChange::TKind::Saved, {}});
}

void TUbicDocument::StandForFile(const std::string& bytes) {
  FFileState = FHistory.Present();
  FStamp.emplace(FFileName, bytes);
  FKeptAgainst.reset();
}

void TUbicDocument::RememberFileState() {
  // The own-format file of that name, also one beside a foreign file, may hold a state of this
  // model, if not the present one then one that undo or redo comes back to. Then the document
  // knows that file as one it wrote.
  FFileState.reset();
  FStamp.reset();
  FKeptAgainst.reset();
  if (!std::filesystem::is_regular_file(FFileName)) return;
  try {
    std::string text;
    const std::unique_ptr<TUbicModel> model = ReadOwnFile(FFileName, text);
    if (SavesAs(*model, text)) {
      FFileState = std::make_shared<TModelSnapshot>(*model);
      FStamp.emplace(FFileName, text);
    }
  } catch (const std::exception&) {
    // A file that cannot be read holds no state of a model.
  }
}

void TUbicDocument::Settle(const TDocumentChange& change) {
  Evaluated(*FModel);
  UpdateModified();
  Notify(change);
}

void TUbicDocument::UpdateModified() {
  const std::shared_ptr<const TModelSnapshot> present = FHistory.Present();
  FModified = !FFileState || (present != FFileState && !present->SameFileAs(*FFileState));
  // The present state stands for the file from now on, which is quicker to compare.
  if (!FModified) FFileState = present;
}

void TUbicDocument::Notify(const TDocumentChange& change) {
  ForEachObserver([&change](TDocumentObserver& observer) { observer.DocumentChanged(change); });
}

void TUbicDocument::NotifyChanging() {
  ForEachObserver([](TDocumentObserver& observer) { observer.DocumentChanging(); });
}

void TUbicDocument::ForEachObserver(const std::function<void(TDocumentObserver&)>& tell) {
  // An observer may go while it is told, so the list is read from a copy.
  const std::vector<TDocumentObserver*> observers = FObservers;
  for (TDocumentObserver* observer : observers) {
    if (std::find(FObservers.begin(), FObservers.end(), observer) != FObservers.end()) {
      tell(*observer);
    }
  }
}

void TUbicDocument::AddObserver(TDocumentObserver* observer) {
  FObservers.push_back(observer);
}

void TUbicDocument::RemoveObserver(TDocumentObserver* observer) {
  std::erase(FObservers, observer);
}

}  // namespace ubic
