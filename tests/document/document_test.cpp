#include "document/document.h"

#include <gtest/gtest.h>

#include <stdexcept>

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
  TUbicAttribute* first = document->Model().FirstAttribute();
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

// Results the file holds are those of the model; a file whose stored results are stale would be
// written differently, and says so at once.
TEST_F(DocumentTest, StaleResultsInAFileMakeItModified) {
  auto model = std::make_unique<TUbicModel>();
  LoadFromFile(*model, CarFile());
  TUbicAttribute* top = model->FirstAttribute();
  top->SetOptionText(0, top->OptionText(0) == "0" ? "1" : "0");
  SaveToFile(*model, Folder.File("stale.ubm"));
  std::string remarks;
  auto document = TUbicDocument::Open(Folder.File("stale.ubm"), remarks);
  EXPECT_TRUE(document->Modified());
  EXPECT_FALSE(document->Model().NeedsEvaluation());
  document->Save();
  EXPECT_FALSE(document->Modified());
  EXPECT_EQ(ReadBytes(Folder.File("stale.ubm")), ModelFileText(document->Model()));
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

TEST_F(DocumentTest, AForeignFileOpensModifiedUnderTheOwnName) {
  auto document = OpenCopy();
  document->SaveAs(Folder.File("car.xml"), TModelFormat::Jkiv);
  std::string remarks;
  auto imported = TUbicDocument::Open(Folder.File("car.xml"), remarks);
  EXPECT_EQ(imported->FileName(), Folder.File("car.ubm"));
  // Its own file holds the model before the round trip, which jKIV does not keep in every byte.
  EXPECT_TRUE(imported->Modified());
  EXPECT_EQ(imported->Modified(), BytesDiffer(*imported));
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
