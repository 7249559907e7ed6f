#include <gtest/gtest.h>

#include <string>

#include "model/valuetext.h"
#include "model_builders.h"

namespace ubic {
namespace {

using test::MakeScale;

TEST(ValueText, SetsJoinEveryTwoNamesEvenEmptyOnes) {
  TUbicDiscreteScale scale;
  scale.AddValue("");
  scale.AddValue("x");
  EXPECT_EQ(ValueSetText(&scale, "01"), ";x");
  EXPECT_EQ(ValueSetText(&scale, "1"), "x");
  EXPECT_EQ(ValueSetText(&scale, "0"), "");
  const auto scale3 = MakeScale(3);
  EXPECT_EQ(ValueSetText(scale3.get(), "02"), "v0;v2");
  EXPECT_EQ(PlainText(ValueSetRuns(scale3.get(), "012", "; ")), "v0; v1; v2");
}

TEST(ValueText, UndefinedSetsAndCodesOutsideTheScale) {
  const auto scale = MakeScale(2);
  EXPECT_EQ(ValueSetText(scale.get(), ""), "*");
  EXPECT_EQ(ValueSetText(scale.get(), "*"), "*");
  // Codes above the scale and the code before the first value show as numbers from 1.
  EXPECT_EQ(ValueSetText(scale.get(), "14"), "v1;5");
  EXPECT_EQ(ValueSetText(scale.get(), "/0"), "0;v0");
  EXPECT_EQ(ValueSetText(nullptr, "02"), "02");
  EXPECT_EQ(ValueSetText(nullptr, ""), "*");
}

TEST(ValueText, IntervalsNameTheirOpenEnds) {
  const auto scale = MakeScale(4);
  EXPECT_EQ(IntervalText(scale.get(), 2, 2), "v2");
  EXPECT_EQ(IntervalText(scale.get(), 1, 2), "v1:v2");
  EXPECT_EQ(IntervalText(scale.get(), 1, 3), ">=v1");
  EXPECT_EQ(IntervalText(scale.get(), 0, 2), "<=v2");
  EXPECT_EQ(IntervalText(scale.get(), 0, 3), "*");
  EXPECT_EQ(IntervalText(nullptr, 1, 2), ">=2");
}

TEST(ValueText, ClassesFollowTheThresholds) {
  const auto ascending = MakeScale(3);
  const auto descending = MakeScale(3, TScaleOrder::Descending);
  const auto unordered = MakeScale(3, TScaleOrder::None);
  const TValueClass expected[] = {TValueClass::Bad, TValueClass::Neutral, TValueClass::Good};
  for (int v = 0; v < 3; ++v) {
    EXPECT_EQ(ValueClassOf(ascending.get(), v), expected[v]) << v;
    EXPECT_EQ(ValueClassOf(descending.get(), v), expected[2 - v]) << v;
    EXPECT_EQ(ValueClassOf(unordered.get(), v), TValueClass::Neutral) << v;
  }
  EXPECT_EQ(ValueClassOf(ascending.get(), 3), TValueClass::Neutral);
  EXPECT_EQ(ValueClassOf(ascending.get(), -1), TValueClass::Neutral);
  const TValueRuns runs = ValueSetRuns(ascending.get(), "02");
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].Class, TValueClass::Bad);
  EXPECT_EQ(runs[1].Class, TValueClass::Neutral);
  EXPECT_EQ(runs[2].Class, TValueClass::Good);
}

TEST(ValueText, ASetHasAClassOnlyWhenAllItsValuesShareIt) {
  const auto scale = MakeScale(5);
  scale->SetBadThreshold(1);
  scale->SetGoodThreshold(3);
  EXPECT_EQ(SetClassOf(scale.get(), "01"), TValueClass::Bad);
  EXPECT_EQ(SetClassOf(scale.get(), "43"), TValueClass::Good);
  EXPECT_EQ(SetClassOf(scale.get(), "2"), TValueClass::Neutral);
  EXPECT_EQ(SetClassOf(scale.get(), "02"), TValueClass::Neutral);
  EXPECT_EQ(SetClassOf(scale.get(), "40"), TValueClass::Neutral);
  EXPECT_EQ(SetClassOf(scale.get(), ""), TValueClass::Neutral);
  EXPECT_EQ(SetClassOf(scale.get(), "*"), TValueClass::Neutral);
}

TEST(ValueText, SetsAreReadFromTheirNames) {
  const auto scale = MakeScale(3);
  EXPECT_EQ(ParseValueSet(scale.get(), "v2;v0").Codes, "02");
  EXPECT_EQ(ParseValueSet(scale.get(), " v1 ; v1;v2 ").Codes, "12");
  for (const char* undefined : {"", "*", "  * "}) {
    const TParsedValueSet parsed = ParseValueSet(scale.get(), undefined);
    EXPECT_FALSE(parsed.Unknown) << undefined;
    EXPECT_EQ(parsed.Codes, "") << undefined;
  }
  EXPECT_EQ(ParseValueSet(scale.get(), "v0;V1").Unknown, "V1");
  EXPECT_EQ(ParseValueSet(scale.get(), "v0;;v1").Unknown, "");
  EXPECT_EQ(ParseValueSet(scale.get(), "v0;*").Unknown, "*");
  EXPECT_EQ(ParseValueSet(nullptr, "v0").Unknown, "v0");
}

}  // namespace
}  // namespace ubic
