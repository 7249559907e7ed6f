#include "document.h"

#include <algorithm>
#include <filesystem>

#include "files/modelfile.h"
#include "foundation/textfile.h"
#include "model/ubicstr.h"

namespace ubic {

namespace {

TUbicModel& Evaluated(TUbicModel& model) {
  if (model.NeedsEvaluation()) model.EvaluateAll();
  return model;
}

// Whether saving Model writes exactly Text. A file laid out otherwise is no state of any model.
bool SavesAs(const TUbicModel& model, const std::string& text) {
  return ModelFileText(model) == text;
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
      std::make_unique<TUbicAttribute>(std::string(ubicstr::RootName) + "1", ""));
  return model;
}

}  // namespace

TUbicDocument::TUbicDocument() : TUbicDocument(NewModel(), {}) {}

TUbicDocument::TUbicDocument(std::unique_ptr<TUbicModel> model, std::string fileName)
    : FModel(std::move(model)), FFileName(std::move(fileName)), FHistory(Evaluated(*FModel)) {}

std::unique_ptr<TUbicDocument> TUbicDocument::Open(const std::string& fileName,
                                                   std::string& remarks) {
  return Open(fileName, FormatOfFile(fileName), remarks);
}

std::unique_ptr<TUbicDocument> TUbicDocument::Open(const std::string& fileName, TModelFormat format,
                                                   std::string& remarks) {
  if (format != TModelFormat::Own) {
    TOpenedModel opened = OpenModel(fileName, format);
    remarks = std::move(opened.Remarks);
    std::unique_ptr<TUbicDocument> document(
        new TUbicDocument(std::move(opened.Model), WithOwnExtension(fileName)));
    document->RememberFileState();
    document->UpdateModified();
    return document;
  }
  remarks.clear();
  std::string text;
  std::unique_ptr<TUbicDocument> document(new TUbicDocument(ReadOwnFile(fileName, text), fileName));
  // The document holds only evaluated states: when evaluating changed the file's stale results,
  // no state of the document is what the file holds.
  if (SavesAs(document->Model(), text)) document->FFileState = document->FHistory.Present();
  document->UpdateModified();
  return document;
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

void TUbicDocument::Save() {
  WriteFileSafely(FFileName, ModelFileText(*FModel));
  FFileState = FHistory.Present();
  FHistory.CloseStep();
  Settle({TDocumentChange::TKind::Saved, {}});
}

std::string TUbicDocument::SaveAs(const std::string& fileName, TModelFormat format) {
  if (format == TModelFormat::Own) {
    WriteFileSafely(fileName, ModelFileText(*FModel));
    FFileName = fileName;
    FFileState = FHistory.Present();
    FHistory.CloseStep();
    Settle({TDocumentChange::TKind::Saved, {}});
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

void TUbicDocument::RememberFileState() {
  // The own-format file of that name, also one beside a foreign file, may hold a state of this
  // model, if not the present one then one that undo or redo comes back to.
  FFileState.reset();
  if (!std::filesystem::is_regular_file(FFileName)) return;
  try {
    std::string text;
    const std::unique_ptr<TUbicModel> model = ReadOwnFile(FFileName, text);
    if (SavesAs(*model, text)) FFileState = std::make_shared<TModelSnapshot>(*model);
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
  FModel->SetModified(FModified);
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
