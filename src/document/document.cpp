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
  TOpenedModel opened = OpenModel(fileName);
  remarks = std::move(opened.Remarks);
  std::unique_ptr<TUbicDocument> document(
      new TUbicDocument(std::move(opened.Model), WithOwnExtension(fileName)));
  document->RememberFileText();
  document->UpdateModified();
  return document;
}

void TUbicDocument::Run(const TEdit& edit) {
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
  const TEditFocus focus = redo ? FHistory.Redo(*FModel) : FHistory.Undo(*FModel);
  Settle({TDocumentChange::TKind::Replaced, focus});
}

void TUbicDocument::Save() {
  std::string text = ModelFileText(*FModel);
  WriteFileSafely(FFileName, text);
  FFileText = std::move(text);
  FHistory.CloseStep();
  Settle({TDocumentChange::TKind::Saved, {}});
}

std::string TUbicDocument::SaveAs(const std::string& fileName, TModelFormat format) {
  if (format == TModelFormat::Own) {
    std::string text = ModelFileText(*FModel);
    WriteFileSafely(fileName, text);
    FFileName = fileName;
    FFileText = std::move(text);
    FHistory.CloseStep();
    Settle({TDocumentChange::TKind::Saved, {}});
    return {};
  }
  std::string remarks = SaveModel(*FModel, fileName, format);
  const std::string ownFile = WithOwnExtension(fileName);
  if (ownFile != FFileName) {
    FFileName = ownFile;
    RememberFileText();
  }
  Settle({TDocumentChange::TKind::Saved, {}});
  return remarks;
}

void TUbicDocument::RememberFileText() {
  // A file of the own format beside a foreign one may hold this very model already.
  if (std::filesystem::exists(FFileName)) {
    FFileText = ReadFileText(FFileName);
  } else {
    FFileText.reset();
  }
}

void TUbicDocument::Settle(const TDocumentChange& change) {
  Evaluated(*FModel);
  UpdateModified();
  Notify(change);
}

void TUbicDocument::UpdateModified() {
  FModified = !FFileText || ModelFileText(*FModel) != *FFileText;
  FModel->SetModified(FModified);
}

void TUbicDocument::Notify(const TDocumentChange& change) {
  // An observer may go while it is told, so the list is read from a copy.
  const std::vector<TDocumentObserver*> observers = FObservers;
  for (TDocumentObserver* observer : observers) {
    if (std::find(FObservers.begin(), FObservers.end(), observer) != FObservers.end()) {
      observer->DocumentChanged(change);
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
