#include <gtest/gtest.h>

#include <algorithm>

#include "model/sensitivity.h"
#include "model_builders.h"

namespace ubic::test {
namespace {

// The model with a second option: X "0", Y a set, B undefined.
struct TMinModelOfTwoOptions : TMinModel {
  TMinModelOfTwoOptions() {
    Model.AddOption("second");
    X->SetOptionText(1, "0");
    Y->SetOptionText(1, "12");
    B->SetOptionText(1, "*");
  }
};

struct TExpectedRow {
  const TUbicAttribute* Attribute;
  int From;
  int To;
  std::vector<std::string> Results;
};

void ExpectRows(const TSensitivity& s, const std::vector<TExpectedRow>& expected) {
  ASSERT_EQ(s.Rows.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(s.Rows[i].Attribute, expected[i].Attribute) << i;
    EXPECT_EQ(s.Rows[i].From, expected[i].From) << i;
    EXPECT_EQ(s.Rows[i].To, expected[i].To) << i;
    EXPECT_EQ(s.Rows[i].Results, expected[i].Results) << i;
  }
}

TEST(Sensitivity, EachSingleValueStepsDownAndUpWithinItsScale) {
  TMinModelOfTwoOptions m;
  const TSensitivity s = ComputeSensitivity(m.Model, 0);
  EXPECT_EQ(s.TopLevel, (std::vector<const TUbicAttribute*>{m.Top, m.B}));
  EXPECT_EQ(s.Baseline, (std::vector<std::string>{"1", "0"}));
  // Y is at the top of its scale and B at the bottom of its own: one step each.
  ExpectRows(s, {{m.X, 1, 0, {"0", "0"}},
                 {m.X, 1, 2, {"2", "0"}},
                 {m.Y, 2, 1, {"1", "0"}},
                 {m.B, 0, 1, {"1", "1"}}});
}

TEST(Sensitivity, SetsAndAnyValueAreLeftAsTheyAre) {
  TMinModelOfTwoOptions m;
  const TSensitivity s = ComputeSensitivity(m.Model, 1);
  EXPECT_EQ(s.Baseline, (std::vector<std::string>{"0", "*"}));
  ExpectRows(s, {{m.X, 0, 1, {"1", "*"}}});
}

TEST(Sensitivity, LeavesTheModelAsItWas) {
  TMinModelOfTwoOptions m;
  // Not evaluated: Top holds no values, and it must still hold none afterwards.
  const TSensitivity s = ComputeSensitivity(m.Model, 0);
  EXPECT_EQ(s.Baseline[0], "1");
  EXPECT_EQ(m.Top->OptionText(0), "");
  EXPECT_EQ(m.X->OptionText(0), "1");
  EXPECT_EQ(m.Y->OptionText(0), "2");
  // An option without values has no single value to move.
  EXPECT_TRUE(ComputeSensitivity(m.Model, 5).Rows.empty());
}

TEST(Sensitivity, ChangesAreBetterOrWorseByTheScalesOrder) {
  const auto ascending = MakeScale(3);
  const auto descending = MakeScale(3, TScaleOrder::Descending);
  const auto unordered = MakeScale(3, TScaleOrder::None);
  EXPECT_EQ(CompareValues(ascending.get(), "1", "1"), TValueChange::Same);
  EXPECT_EQ(CompareValues(ascending.get(), "1", "2"), TValueChange::Better);
  EXPECT_EQ(CompareValues(ascending.get(), "12", "2"), TValueChange::Better);
  EXPECT_EQ(CompareValues(ascending.get(), "1", "01"), TValueChange::Worse);
  EXPECT_EQ(CompareValues(ascending.get(), "02", "1"), TValueChange::Different);
  EXPECT_EQ(CompareValues(descending.get(), "1", "2"), TValueChange::Worse);
  EXPECT_EQ(CompareValues(descending.get(), "1", "0"), TValueChange::Better);
  EXPECT_EQ(CompareValues(unordered.get(), "1", "2"), TValueChange::Different);
  EXPECT_EQ(CompareValues(ascending.get(), "1", ""), TValueChange::Different);
  EXPECT_EQ(CompareValues(ascending.get(), "*", "1"), TValueChange::Different);
}

}  // namespace
}  // namespace ubic::test
