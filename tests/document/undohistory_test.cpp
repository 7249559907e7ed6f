#include "document/undohistory.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "files/modelio.h"
#include "test_models.h"

namespace ubic::test {
namespace {

// What an undo must give back: the file's bytes and everything the file leaves out.
struct TFullState {
  std::string File;
  std::string Name;
  std::string Description;
  std::string Selection;
  std::string LastScaleOwner;
  std::vector<floatarray> Weights;

  bool operator==(const TFullState&) const = default;
};

class ModelSnapshotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Model = std::move(OpenModel(std::string(UBIC_EXAMPLES_DIR) + "/car.ubm").Model);
    Model->SetName("Car model");
    Model->SetDescription("Which car to buy");
    Model->SetOptionSelection("10");
    First().Funct()->SetWeights({0.25, 0.75});
    Model->SetLastScale(Attribute(2).Scale());
  }

  TUbicAttribute& First() const { return *Model->FirstAttribute(); }
  TUbicAttribute& Attribute(int index) const { return *PreOrderAttributes(*Model)[index]; }

  TFullState State() {
    TFullState state{OwnFormat(*Model, Folder),
                     Model->GetName(),
                     Model->GetDescription(),
                     Model->OptionSelection(),
                     {},
                     {}};
    for (const TUbicAttribute* attribute : PreOrderAttributes(*Model)) {
      if (Model->LastScale() != nullptr && attribute->Scale() == Model->LastScale()) {
        state.LastScaleOwner = attribute->GetName();
      }
      if (attribute->Funct() != nullptr) state.Weights.push_back(attribute->Funct()->Weights());
    }
    return state;
  }

  TTempFolder Folder;
  std::unique_ptr<TUbicModel> Model;
};

// Every kind of edit is undone to the exact former state and redone to the exact edited one.
TEST_F(ModelSnapshotTest, UndoAndRedoRestoreEveryKindOfEdit) {
  const std::vector<std::pair<std::string, std::function<void(TUbicModel&)>>> edits = {
      {"rename", [&](TUbicModel&) { Attribute(1).SetName("Renamed"); }},
      {"describe", [&](TUbicModel&) { Attribute(1).SetDescription("New text"); }},
      {"delete", [&](TUbicModel& m) { m.Root()->DeleteInput(&First()); }},
      {"add", [&](TUbicModel& m) { m.Root()->AddInput(m.NewAttribute()); }},
      {"scale", [&](TUbicModel&) { Attribute(2).DiscreteScale()->SetValueDescription(0, "x"); }},
      {"rule", [&](TUbicModel&) { First().Funct()->SetRuleValue(0, 1); }},
      {"weights", [&](TUbicModel&) { First().Funct()->SetUseWeights(true); }},
      {"option value", [&](TUbicModel&) { Attribute(2).SetOptionText(0, "*"); }},
      {"option name", [&](TUbicModel& m) { m.SetOptionName(0, "Other"); }},
      {"new option", [&](TUbicModel& m) { m.InsertOption(0, "Fresh"); }},
      {"drop option", [&](TUbicModel& m) { m.DeleteOption(1); }},
      {"selection", [&](TUbicModel& m) { m.SetOptionSelection("01"); }},
      {"model text", [&](TUbicModel& m) { m.SetDescription("Other"); }},
      {"remembered scale", [&](TUbicModel& m) { m.SetLastScale(nullptr); }},
  };
  for (const auto& [name, edit] : edits) {
    SCOPED_TRACE(name);
    TUndoHistory history(*Model);
    const TFullState before = State();
    edit(*Model);
    Model->Changed();
    const TFullState after = State();
    ASSERT_FALSE(after == before);
    history.Record(*Model, name);
    history.Undo(*Model);
    EXPECT_TRUE(State() == before);
    EXPECT_TRUE(Model->NeedsEvaluation());
    history.Redo(*Model);
    EXPECT_TRUE(State() == after);
    history.Undo(*Model);
  }
}

TEST_F(ModelSnapshotTest, StepsAreNamedAndANewEditClearsRedo) {
  TUndoHistory history(*Model);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.Undo(*Model), TEditFocus{});
  Attribute(1).SetName("A");
  history.Record(*Model, "Rename attribute", "", {{0, 1}, 2});
  Attribute(1).SetDescription("B");
  history.Record(*Model, "Edit description");
  EXPECT_EQ(history.UndoName(), "Edit description");
  history.Undo(*Model);
  EXPECT_EQ(history.RedoName(), "Edit description");
  EXPECT_EQ(history.Undo(*Model), (TEditFocus{{0, 1}, 2}));
  EXPECT_EQ(history.RedoName(), "Rename attribute");
  EXPECT_FALSE(history.CanUndo());
  history.Redo(*Model);
  EXPECT_EQ(Attribute(1).GetName(), "A");
  Model->SetOptionSelection("1");
  history.Record(*Model, "Select options");
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.UndoName(), "Select options");
}

TEST_F(ModelSnapshotTest, EditsOfOneFieldMergeIntoOneStep) {
  TUndoHistory history(*Model);
  const TFullState before = State();
  for (const char* name : {"N", "Ne", "New"}) {
    Attribute(1).SetName(name);
    history.Record(*Model, "Rename attribute", "name 1");
  }
  Attribute(2).SetName("Other");
  history.Record(*Model, "Rename attribute", "name 2");
  history.Undo(*Model);
  EXPECT_EQ(Attribute(1).GetName(), "New");
  history.Undo(*Model);
  EXPECT_TRUE(State() == before);
  EXPECT_FALSE(history.CanUndo());
  history.Redo(*Model);
  history.CloseStep();
  Attribute(1).SetName("Newer");
  history.Record(*Model, "Rename attribute", "name 1");
  history.Undo(*Model);
  EXPECT_EQ(Attribute(1).GetName(), "New");
}

// A snapshot gives back whether the model needed evaluation, so that a restored state whose
// results were up to date is not evaluated again.
TEST_F(ModelSnapshotTest, TheEvaluationStateComesBack) {
  Model->EvaluateAll();
  TUndoHistory history(*Model);
  Attribute(1).SetName("A");
  Model->Changed();
  history.Record(*Model, "Rename attribute");
  history.Undo(*Model);
  EXPECT_FALSE(Model->NeedsEvaluation());
  history.Redo(*Model);
  EXPECT_TRUE(Model->NeedsEvaluation());
}

TEST(AttributePaths, LeadFromTheTopAndBack) {
  auto model = std::move(OpenModel(std::string(UBIC_EXAMPLES_DIR) + "/car.ubm").Model);
  for (TUbicAttribute* attribute : PreOrderAttributes(*model)) {
    EXPECT_EQ(AttributeAt(*model, AttributePath(attribute)), attribute);
  }
  EXPECT_EQ(AttributeAt(*model, {}), nullptr);
  EXPECT_EQ(AttributePath(model->Root()), std::vector<int>{});
  // A path that goes too far ends at the deepest attribute on it.
  EXPECT_EQ(AttributeAt(*model, {0, 99}), model->FirstAttribute());
}

}  // namespace
}  // namespace ubic::test
