#include "document/document.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "document/edits.h"
#include "files/modelfile.h"
#include "test_files.h"

namespace ubic::test {
namespace {

std::string CarFile() {
  return std::string(UBIC_EXAMPLES_DIR) + "/car.ubm";
}

// Counts what the document tells.
class TCountingObserver : public TDocumentObserver {
 public:
  void DocumentChanged(const TDocumentChange& change) override { Changes.push_back(change.Kind); }
  std::vector<TDocumentChange::TKind> Changes;
};

class DocumentTest : public ::testing::Test {
 protected:
  // A copy of the car example in the test's folder, opened.
  std::unique_ptr<TUbicDocument> OpenCopy(const std::string& name = "car.ubm") {
    const std::string fileName = Folder.File(name);
    WriteBytes(fileName, ReadBytes(CarFile()));
    std::string remarks;
    auto document = TUbicDocument::Open(fileName, remarks);
    EXPECT_EQ(remarks, "");
    return document;
  }

  static void WriteBytes(const std::string& fileName, const std::string& bytes) {
    std::ofstream(fileName, std::ios::binary) << bytes;
  }

  // The modified mark as it must be: the own-format bytes differ from the file's.
  static bool BytesDiffer(const TUbicDocument& document) {
    const std::string& file = document.FileName();
    return file.empty() || !std::filesystem::exists(file) ||
           ModelFileText(document.Model()) != ReadBytes(file);
  }

  TTempFolder Folder;
};

TEST_F(DocumentTest, TheMarkSaysWhetherSavingWouldWriteOtherBytes) {
  auto document = OpenCopy();
  TCountingObserver observer;
  document->AddObserver(&observer);
  EXPECT_FALSE(document->Modified());
  const TUbicAttribute* first = document->Model().FirstAttribute();
  const std::string name = first->GetName();

  document->Run(edits::RenameAttribute(*first, "Vehicle"));
  EXPECT_TRUE(document->Modified());
  document->CloseStep();
  // Typed back to what the file holds: nothing to save.
  document->Run(edits::RenameAttribute(*document->Model().FirstAttribute(), name));
  EXPECT_FALSE(document->Modified());
  document->Undo();
  EXPECT_TRUE(document->Modified());
  document->Undo();
  EXPECT_FALSE(document->Modified());
  EXPECT_FALSE(document->History().CanUndo());

  // The graphs' selection is not kept in the file: an undoable step that changes no byte.
  document->Run(edits::SelectOptions("0"));
  EXPECT_FALSE(document->Modified());
  EXPECT_EQ(document->History().UndoName(), "Select options");
  EXPECT_EQ(observer.Changes.size(), 5u);
  EXPECT_EQ(BytesDiffer(*document), document->Modified());
  document->RemoveObserver(&observer);
}

// Results a file stores may be stale or missing: the model as read and evaluated stands for the
// file, so opening it marks nothing, while saving writes the results anew.
TEST_F(DocumentTest, StaleOrMissingResultsInAFileMarkNothing) {
  auto model = std::make_unique<TUbicModel>();
  LoadFromFile(*model, CarFile());
  TUbicAttribute* top = model->FirstAttribute();
  top->SetOptionText(0, top->OptionText(0) == "0" ? "1" : "0");
  SaveToFile(*model, Folder.File("stale.ubm"));
  // The last option's results on every aggregate attribute are blank.
  std::vector<TUbicAttribute*> attributes;
  model->Root()->CollectAttributes(attributes);
  const int last = model->OptionCount() - 1;
  for (TUbicAttribute* attribute : attributes) {
    if (!attribute->IsBasic()) attribute->SetOptionText(last, "");
  }
  SaveToFile(*model, Folder.File("blank.ubm"));

  for (const char* name : {"stale.ubm", "blank.ubm"}) {
    const std::string stored = ReadBytes(Folder.File(name));
    std::string remarks;
    auto document = TUbicDocument::Open(Folder.File(name), remarks);
    EXPECT_FALSE(document->Modified()) << name;
    EXPECT_FALSE(document->Model().NeedsEvaluation());
    EXPECT_NE(ModelFileText(document->Model()), stored);
    // An edit undone comes back to the state the file stands for.
    document->Run(edits::AddOption(0, "Fresh"));
    EXPECT_TRUE(document->Modified());
    document->Undo();
    EXPECT_FALSE(document->Modified()) << name;
    document->Save();
    EXPECT_EQ(ReadBytes(Folder.File(name)), ModelFileText(document->Model()));
    EXPECT_EQ(ReadBytes(Folder.File(name)), ReadBytes(CarFile()));
  }
}

TEST_F(DocumentTest, AFailedEditLeavesTheModelAsItWas) {
  auto document = OpenCopy();
  document->Run(edits::AddOption(0, "Fresh"));
  const std::string before = ModelFileText(document->Model());
  TCountingObserver observer;
  document->AddObserver(&observer);
  const TEdit failing{"Break", [](TUbicModel& model) -> TEditFocus {
                        model.FirstAttribute()->DeleteSubtree();
                        model.DeleteOption(0);
                        throw std::runtime_error("disk full");
                      }};
  EXPECT_THROW(document->Run(failing), std::runtime_error);
  EXPECT_EQ(ModelFileText(document->Model()), before);
  EXPECT_EQ(document->History().UndoName(), "Add option");
  EXPECT_TRUE(document->Modified());
  EXPECT_EQ(observer.Changes, std::vector{TDocumentChange::TKind::Replaced});
  // An edit made for an option the model does not have fails the same way.
  EXPECT_THROW(document->Run(edits::RenameOption(99, "x")), std::logic_error);
  EXPECT_EQ(ModelFileText(document->Model()), before);
  document->RemoveObserver(&observer);
}

// An edit that leaves the model as it was is no step: it neither stands in Undo's way nor takes
// away what Redo brings back, and typing a field back to its first text takes its step away.
TEST_F(DocumentTest, AnEditThatChangesNothingIsNoStep) {
  auto document = OpenCopy();
  const TUbicAttribute& first = *document->Model().FirstAttribute();
  const std::string name = first.GetName();
  document->Run(edits::AddOption(0, "Fresh"));
  document->Run(edits::RenameOption(0, "Fresher"));
  document->Undo();
  document->Run(edits::RenameOption(0, "Fresh"));
  document->Run(edits::RenameAttribute(*document->Model().FirstAttribute(), name));
  document->Run(edits::SelectOptions(document->Model().OptionSelection()));
  EXPECT_EQ(document->History().UndoName(), "Add option");
  EXPECT_EQ(document->History().RedoName(), "Rename option");

  // What the file leaves out counts as a change.
  document->Run(edits::RenameModel("Cars"));
  EXPECT_EQ(document->History().UndoName(), "Rename model");
  EXPECT_FALSE(document->History().CanRedo());

  document->CloseStep();
  document->Run(edits::RenameAttribute(*document->Model().FirstAttribute(), name + "x"));
  document->Run(edits::RenameAttribute(*document->Model().FirstAttribute(), name));
  EXPECT_EQ(document->History().UndoName(), "Rename model");
  document->Undo();
  document->Undo();
  EXPECT_FALSE(document->History().CanUndo());
  EXPECT_FALSE(document->Modified());
}

TEST_F(DocumentTest, AnExportIsNoSave) {
  TUbicDocument document;
  EXPECT_TRUE(document.Modified());
  EXPECT_EQ(document.FileName(), "");
  document.SaveAs(Folder.File("laptop.xml"), TModelFormat::Jkiv);
  EXPECT_EQ(document.FileName(), Folder.File("laptop.ubm"));
  EXPECT_TRUE(document.Modified());
  EXPECT_FALSE(std::filesystem::exists(Folder.File("laptop.ubm")));
  document.Save();
  EXPECT_FALSE(document.Modified());
  EXPECT_EQ(ReadBytes(Folder.File("laptop.ubm")), ModelFileText(document.Model()));

  // Exported beside its own file, the document stays saved; under another name it is not.
  document.SaveAs(Folder.File("laptop.kvx"), TModelFormat::Kvx);
  EXPECT_FALSE(document.Modified());
  document.SaveAs(Folder.File("other.kvx"), TModelFormat::Kvx);
  EXPECT_EQ(document.FileName(), Folder.File("other.ubm"));
  EXPECT_TRUE(document.Modified());
  document.SaveAs(Folder.File("own.ubm"), TModelFormat::Own);
  EXPECT_FALSE(document.Modified());
  EXPECT_EQ(BytesDiffer(document), false);
  // Exported beside an own file that holds the model already, it is saved there as well.
  document.SaveAs(Folder.File("laptop.xml"), TModelFormat::Jkiv);
  EXPECT_EQ(document.FileName(), Folder.File("laptop.ubm"));
  EXPECT_FALSE(document.Modified());
}

// An export that names an own file which holds an earlier state: undo comes back to it.
TEST_F(DocumentTest, AnExportMeetsAnEarlierSave) {
  auto document = OpenCopy();
  document->SaveAs(Folder.File("a.ubm"), TModelFormat::Own);
  document->SaveAs(Folder.File("b.ubm"), TModelFormat::Own);
  document->Run(edits::AddOption(0, "Fresh"));
  document->SaveAs(Folder.File("a.xml"), TModelFormat::Jkiv);
  EXPECT_EQ(document->FileName(), Folder.File("a.ubm"));
  EXPECT_TRUE(document->Modified());
  document->Undo();
  EXPECT_FALSE(document->Modified());
  EXPECT_EQ(ModelFileText(document->Model()), ReadBytes(Folder.File("a.ubm")));
}

// A foreign file opens unmodified under the own name; the own file of that name, which may hold
// another model, is not the document's until the user agrees to replace it.
TEST_F(DocumentTest, AForeignFileOpensUnderTheOwnNameWithoutClaimingIt) {
  auto document = OpenCopy();
  document->SaveAs(Folder.File("car.xml"), TModelFormat::Jkiv);
  std::string remarks;
  auto imported = TUbicDocument::Open(Folder.File("car.xml"), remarks);
  EXPECT_EQ(imported->FileName(), Folder.File("car.ubm"));
  EXPECT_FALSE(imported->Modified());
  EXPECT_TRUE(imported->WouldReplaceOtherFile(imported->FileName()));
  EXPECT_FALSE(imported->FileChangedOnDisk());
  imported->Save();
  EXPECT_FALSE(imported->WouldReplaceOtherFile(imported->FileName()));
  // A file the document read is its own; a new document owns none.
  EXPECT_FALSE(document->WouldReplaceOtherFile(document->FileName()));
  EXPECT_TRUE(TUbicDocument().WouldReplaceOtherFile(document->FileName()));
  EXPECT_FALSE(TUbicDocument().WouldReplaceOtherFile(Folder.File("none.ubm")));
}

TEST_F(DocumentTest, HoldsItsFileUnderAnyOfItsNames) {
  auto document = OpenCopy();
  std::filesystem::create_directory(Folder.File("sub"));
  EXPECT_TRUE(document->HoldsFile(Folder.File("sub/../car.ubm")));
  EXPECT_TRUE(document->HoldsFile(Folder.File("./car.ubm")));
  EXPECT_FALSE(document->HoldsFile(Folder.File("car.xml")));
  EXPECT_FALSE(TUbicDocument().HoldsFile(""));
}

// What another program writes into the document's file is noticed: by size, or by bytes when
// only the time differs; a file only touched, or gone, has not changed.
TEST_F(DocumentTest, AChangeOnDiskIsNoticedUntilTheUserDecides) {
  auto document = OpenCopy();
  const std::string file = document->FileName();
  const std::string original = ReadBytes(file);
  EXPECT_FALSE(document->FileChangedOnDisk());

  std::filesystem::last_write_time(
      file, std::filesystem::last_write_time(file) + std::chrono::seconds(5));
  EXPECT_FALSE(document->FileChangedOnDisk());

  // The same size, another byte.
  std::string changed = original;
  changed[changed.find("CAR")] = 'B';
  WriteBytes(file, changed);
  std::filesystem::last_write_time(
      file, std::filesystem::last_write_time(file) + std::chrono::seconds(10));
  EXPECT_TRUE(document->FileChangedOnDisk());
  EXPECT_TRUE(document->DiskChangeToOffer());
  document->KeepAgainstDisk();
  EXPECT_FALSE(document->DiskChangeToOffer());
  EXPECT_TRUE(document->FileChangedOnDisk());
  // Another change is offered again.
  WriteBytes(file, original + " ");
  EXPECT_TRUE(document->DiskChangeToOffer());

  std::filesystem::remove(file);
  EXPECT_FALSE(document->FileChangedOnDisk());
  document->Save();
  WriteBytes(file, original + "  ");
  EXPECT_TRUE(document->FileChangedOnDisk());
  document->Save();
  EXPECT_FALSE(document->FileChangedOnDisk());
  EXPECT_FALSE(document->DiskChangeToOffer());
}

TEST_F(DocumentTest, AReloadIsOneStepThatUndoTakesBack) {
  auto document = OpenCopy();
  document->Run(edits::AddOption(0, "Fresh"));
  const std::string edited = ModelFileText(document->Model());
  // Another window saves another state of the file.
  auto other = OpenCopy("other.ubm");
  other->Run(edits::RenameAttribute(*other->Model().FirstAttribute(), "Vehicle"));
  other->SaveAs(document->FileName(), TModelFormat::Own);
  ASSERT_TRUE(document->DiskChangeToOffer());

  TCountingObserver observer;
  document->AddObserver(&observer);
  document->Reload();
  EXPECT_EQ(observer.Changes, std::vector{TDocumentChange::TKind::Replaced});
  EXPECT_EQ(document->Model().FirstAttribute()->GetName(), "Vehicle");
  EXPECT_EQ(document->Model().OptionCount(), other->Model().OptionCount());
  EXPECT_FALSE(document->Modified());
  EXPECT_FALSE(document->FileChangedOnDisk());
  EXPECT_EQ(document->History().UndoName(), "Reload from disk");

  document->Undo();
  EXPECT_EQ(ModelFileText(document->Model()), edited);
  EXPECT_TRUE(document->Modified());
  document->Redo();
  EXPECT_EQ(document->Model().FirstAttribute()->GetName(), "Vehicle");
  EXPECT_FALSE(document->Modified());
  document->RemoveObserver(&observer);
}

// A model file keeps its name whatever its extension: saving it writes no second file.
TEST_F(DocumentTest, AnOwnFileKeepsItsName) {
  auto document = OpenCopy("CAR.UBM");
  EXPECT_EQ(document->FileName(), Folder.File("CAR.UBM"));
  EXPECT_FALSE(document->Modified());
  document->Run(edits::AddOption(0, "Fresh"));
  document->Save();
  EXPECT_EQ(Folder.FileCount(), 1);
}

TEST_F(DocumentTest, AFailedSaveKeepsTheMarkAndTheFile) {
  auto document = OpenCopy();
  document->Run(edits::AddOption(0, "Fresh"));
  EXPECT_THROW(document->SaveAs(Folder.File("missing/car.ubm"), TModelFormat::Own), std::exception);
  EXPECT_EQ(document->FileName(), Folder.File("car.ubm"));
  EXPECT_TRUE(document->Modified());
}

}  // namespace
}  // namespace ubic::test
