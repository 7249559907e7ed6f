#include "document/reporttargets.h"

#include <gtest/gtest.h>

#include "document/edits.h"

namespace ubic {
namespace {

class ReportTargets : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string remarks;
    Document = TUbicDocument::Open(std::string(UBIC_EXAMPLES_DIR) + "/car.ubm", remarks);
  }

  const TUbicModel& Model() const { return Document->Model(); }
  // CAR at least its best value, asked of Option.
  TTargetQuestion CarAtLeastExcellent(int option) const {
    const TUbicAttribute* car = Model().FindAttribute("CAR");
    return {option, car, TTargetDirection::AtLeast, car->Scale()->Count() - 1, 7};
  }
  // The options and attributes the questions of Targets ask about, by name.
  std::vector<std::string> Asked(const TReportTargets& targets) const {
    std::vector<std::string> asked;
    for (const TTargetQuestion& question : targets.Questions(Model())) {
      asked.push_back(Model().Options()[question.Option] + "/" + question.Attribute->GetName());
      EXPECT_EQ(question.Attribute, Model().FindAttribute(question.Attribute->GetName()));
    }
    return asked;
  }

  std::unique_ptr<TUbicDocument> Document;
};

TEST_F(ReportTargets, KeptQuestionsFollowTheirOptionsThroughEdits) {
  TReportTargets targets;
  const std::string second = Model().Options()[1];
  targets.Add(Model(), CarAtLeastExcellent(1));
  targets.Add(Model(), CarAtLeastExcellent(1));
  targets.Add(Model(), CarAtLeastExcellent(2));
  ASSERT_EQ(targets.Questions(Model()).size(), 2U);
  EXPECT_EQ(targets.Questions(Model())[0].Limit, 7);
  EXPECT_TRUE(targets.Contains(Model(), CarAtLeastExcellent(1)));
  EXPECT_FALSE(targets.Contains(Model(), CarAtLeastExcellent(0)));

  // An option before them moves them along; undo gives a new tree, which they are asked of.
  Document->Run(edits::AddOption(0, "New"));
  EXPECT_EQ(targets.Questions(Model())[0].Option, 2);
  Document->Undo();
  const std::string third = Model().Options()[2];
  EXPECT_EQ(Asked(targets), (std::vector<std::string>{second + "/CAR", third + "/CAR"}));

  // Of options with the same name the one at the kept place is meant.
  Document->Run(edits::RenameOption(0, second));
  EXPECT_EQ(targets.Questions(Model())[0].Option, 1);

  // A question about an option that is gone is left out, and taking one away keeps the others.
  Document->Run(edits::DeleteOption(2));
  EXPECT_EQ(Asked(targets), (std::vector<std::string>{second + "/CAR"}));
  targets.Remove(Model(), CarAtLeastExcellent(1));
  EXPECT_TRUE(targets.Questions(Model()).empty());
}

TEST_F(ReportTargets, AQuestionWhoseAttributeOrValueIsGoneIsLeftOut) {
  TReportTargets targets;
  TTargetQuestion question = CarAtLeastExcellent(0);
  question.Attribute = Model().FindAttribute("COSTS");
  question.Value = 0;
  targets.Add(Model(), question);
  const TUbicAttribute& costs = *question.Attribute;
  Document->Run(edits::RenameAttribute(costs, "EXPENSES"));
  EXPECT_TRUE(targets.Questions(Model()).empty());
  Document->Run(edits::RenameAttribute(costs, "COSTS"));
  EXPECT_EQ(targets.Questions(Model()).size(), 1U);
  Document->Run(edits::ChooseScale(costs, nullptr));
  EXPECT_TRUE(targets.Questions(Model()).empty());
}

}  // namespace
}  // namespace ubic
