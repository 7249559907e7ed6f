#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/scale.h"
#include "model/ubicobject.h"
#include "model_builders.h"

namespace ubic {
namespace {

using test::MakeScale;

// One letter per value: "b" bad, "g" good, "n" neutral.
std::string Classes(const TUbicScale& scale) {
  std::string classes;
  for (int i = 0; i < scale.Count(); ++i) {
    classes += scale.IsBad(i) ? 'b' : scale.IsGood(i) ? 'g' : 'n';
  }
  return classes;
}

std::string Names(const TUbicDiscreteScale& scale) {
  std::string names;
  for (int i = 0; i < scale.Count(); ++i) names += scale.ValueName(i);
  return names;
}

std::unique_ptr<TUbicDiscreteScale> MakeAbc() {
  auto scale = std::make_unique<TUbicDiscreteScale>();
  scale->AddValue("a");
  scale->AddValue("b", "second");
  scale->AddValue("c");
  return scale;
}

TEST(ScaleThresholds, AddingValuesKeepsTheEndsBadAndGood) {
  TUbicDiscreteScale scale;
  EXPECT_EQ(scale.Order(), TScaleOrder::Ascending);
  EXPECT_EQ(scale.LowThreshold(), kNoLowThreshold);
  EXPECT_EQ(scale.HighThreshold(), kNoHighThreshold);
  scale.AddValue("a");
  // A single value is neither bad nor good.
  EXPECT_EQ(scale.LowThreshold(), -1.7e308);
  EXPECT_EQ(scale.HighThreshold(), 1.7e308);
  EXPECT_EQ(Classes(scale), "n");
  scale.AddValue("b");
  EXPECT_EQ(Classes(scale), "bg");
  scale.AddValue("c", "best");
  EXPECT_DOUBLE_EQ(scale.LowThreshold(), 0.5);
  EXPECT_DOUBLE_EQ(scale.HighThreshold(), 1.5);
  EXPECT_EQ(Classes(scale), "bng");
  EXPECT_EQ(scale.ValueDescription(2), "best");
  EXPECT_DOUBLE_EQ(scale.LowBound(), -0.5);
  EXPECT_DOUBLE_EQ(scale.HighBound(), 2.5);

  scale.SetOrder(TScaleOrder::Descending);
  scale.ResetThresholds();
  EXPECT_EQ(Classes(scale), "gnb");
  EXPECT_DOUBLE_EQ(scale.BadThreshold(), 1.5);
  EXPECT_DOUBLE_EQ(scale.GoodThreshold(), 0.5);

  // Unordered: the thresholds are ignored, whatever they hold.
  scale.SetOrder(TScaleOrder::None);
  EXPECT_EQ(Classes(scale), "nnn");
  EXPECT_FALSE(scale.IsBad(-5));
  EXPECT_FALSE(scale.IsGood(5));
  scale.ResetThresholds();
  EXPECT_EQ(scale.LowThreshold(), kNoLowThreshold);
  EXPECT_EQ(scale.HighThreshold(), kNoHighThreshold);
  scale.AddValue("d");
  EXPECT_EQ(scale.LowThreshold(), kNoLowThreshold);
}

TEST(ScaleThresholds, FollowInsertedAndDeletedValues) {
  auto scale = MakeAbc();
  scale->InsertValue(0, "z");
  EXPECT_EQ(Names(*scale), "zabc");
  EXPECT_DOUBLE_EQ(scale->LowThreshold(), 1.5);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 2.5);
  EXPECT_EQ(Classes(*scale), "bbng");

  // Inserting between the thresholds moves only the high one.
  scale->InsertValue(2, "m");
  EXPECT_EQ(Names(*scale), "zambc");
  EXPECT_DOUBLE_EQ(scale->LowThreshold(), 1.5);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 3.5);
  // Inserting at Count appends, which keeps the last value good.
  scale->InsertValue(5, "y");
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 4.5);
  EXPECT_EQ(Classes(*scale), "bbnnng");

  scale->DeleteValue(5);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 3.5);
  scale->DeleteValue(2);
  scale->DeleteValue(0);
  EXPECT_EQ(Names(*scale), "abc");
  EXPECT_DOUBLE_EQ(scale->LowThreshold(), 0.5);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 1.5);

  scale->DeleteValue(2);
  EXPECT_DOUBLE_EQ(scale->LowThreshold(), 0.5);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 0.5);
  EXPECT_EQ(Classes(*scale), "bg");
  scale->DeleteValue(0);
  EXPECT_EQ(scale->LowThreshold(), kNoLowThreshold);
  EXPECT_EQ(scale->HighThreshold(), kNoHighThreshold);
  EXPECT_EQ(Classes(*scale), "n");
}

TEST(ScaleThresholds, SettersKeepLowAtMostHigh) {
  auto scale = MakeAbc();
  scale->SetBadThreshold(1.8);
  EXPECT_DOUBLE_EQ(scale->LowThreshold(), 1.8);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 1.8);
  EXPECT_EQ(Classes(*scale), "bbg");
  scale->SetGoodThreshold(0.2);
  EXPECT_DOUBLE_EQ(scale->LowThreshold(), 0.2);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 0.2);
  // A threshold on a value makes that value both bad and good; bad wins in the text.
  scale->SetBadThreshold(1);
  scale->SetGoodThreshold(1);
  EXPECT_TRUE(scale->IsBad(1));
  EXPECT_TRUE(scale->IsGood(1));
  EXPECT_EQ(scale->ScaleText(), "+ a(-);b(-);c(+)");

  // On a descending scale bad is the high threshold and good the low one.
  scale->SetOrder(TScaleOrder::Descending);
  scale->ResetThresholds();
  scale->SetBadThreshold(0.2);
  EXPECT_DOUBLE_EQ(scale->LowThreshold(), 0.2);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 0.2);
  EXPECT_EQ(Classes(*scale), "gbb");
  scale->SetGoodThreshold(1.8);
  EXPECT_DOUBLE_EQ(scale->LowThreshold(), 1.8);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 1.8);
  EXPECT_EQ(Classes(*scale), "ggb");
  scale->SetGoodThreshold(0.5);
  scale->SetBadThreshold(1.5);
  EXPECT_DOUBLE_EQ(scale->LowThreshold(), 0.5);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 1.5);
}

TEST(ScaleText, ListsNameOrderAndValueClasses) {
  auto scale = std::make_unique<TUbicDiscreteScale>();
  for (const char* name : {"low", "medium", "high"}) scale->AddValue(name);
  EXPECT_EQ(scale->ScaleText(), "+ low(-);medium;high(+)");
  scale->SetName("Q");
  EXPECT_EQ(scale->ScaleText(), "Q+ low(-);medium;high(+)");
  scale->SetOrder(TScaleOrder::Descending);
  scale->ResetThresholds();
  EXPECT_EQ(scale->ScaleText(), "Q- low(+);medium;high(-)");
  scale->SetOrder(TScaleOrder::None);
  EXPECT_EQ(scale->ScaleText(), "Q low;medium;high");
  scale->SetName("");
  EXPECT_EQ(scale->ScaleText(), "low;medium;high");
  EXPECT_EQ(TUbicDiscreteScale().ScaleText(), "+ ");
}

TEST(ScaleComparison, EqualityLooksAtValuesAndThresholds) {
  auto a = MakeAbc();
  auto b = MakeAbc();
  EXPECT_TRUE(a->IsEqual(*b));
  b->SetValueDescription(1, "other");
  EXPECT_FALSE(a->IsEqual(*b));
  EXPECT_TRUE(a->SameKind(*b));
  b->SetValueDescription(1, "second");
  b->SetValueName(0, "A");
  EXPECT_FALSE(a->IsEqual(*b));
  b->SetValueName(0, "a");
  b->SetGoodThreshold(1.0);
  EXPECT_FALSE(a->IsEqual(*b));
  EXPECT_TRUE(a->SameKind(*b));

  b->SetOrder(TScaleOrder::Descending);
  EXPECT_FALSE(a->SameKind(*b));
  auto four = MakeScale(4);
  EXPECT_FALSE(a->SameKind(*four));
  EXPECT_FALSE(four->IsEqual(*a));
}

TEST(ScaleComparison, AssignCopiesValuesAndThresholdsExactly) {
  auto source = MakeAbc();
  source->SetName("source");
  source->SetBadThreshold(0.2);
  source->SetGoodThreshold(0.7);
  auto copy = std::make_unique<TUbicDiscreteScale>();
  copy->Assign(*source);
  EXPECT_TRUE(copy->IsEqual(*source));
  EXPECT_EQ(copy->LowThreshold(), 0.2);
  EXPECT_EQ(copy->HighThreshold(), 0.7);
  EXPECT_EQ(Names(*copy), "abc");
  EXPECT_EQ(copy->ValueDescription(1), "second");
  // The copy owns values of its own.
  EXPECT_NE(copy->Values().Items(0), source->Values().Items(0));
  EXPECT_EQ(copy->GetName(), "");

  auto unordered = MakeScale(2, TScaleOrder::None);
  auto copy2 = std::make_unique<TUbicDiscreteScale>();
  copy2->Assign(*unordered);
  EXPECT_EQ(copy2->Order(), TScaleOrder::None);
  EXPECT_EQ(copy2->LowThreshold(), kNoLowThreshold);
}

TEST(ScaleValues, MovingValuesLeavesThresholdsInPlace) {
  auto scale = MakeAbc();
  scale->SetGoodThreshold(1.0);
  scale->MoveValueUp(2);
  EXPECT_EQ(Names(*scale), "acb");
  scale->MoveValueDown(0);
  EXPECT_EQ(Names(*scale), "cab");
  EXPECT_DOUBLE_EQ(scale->LowThreshold(), 0.5);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 1.0);
  EXPECT_EQ(scale->ValueDescription(2), "second");
}

TEST(ScaleValues, BadIndexesRaiseAndChangeNothing) {
  auto scale = MakeAbc();
  const int registered = GlobalObjects().Count();
  EXPECT_THROW(scale->InsertValue(4, "x"), EListError);
  EXPECT_THROW(scale->InsertValue(-1, "x"), EListError);
  EXPECT_THROW(scale->DeleteValue(3), EListError);
  EXPECT_THROW(scale->DeleteValue(-1), EListError);
  EXPECT_THROW(scale->MoveValueUp(0), EListError);
  EXPECT_THROW(scale->MoveValueDown(2), EListError);
  EXPECT_THROW(scale->ValueName(3), EListError);
  EXPECT_THROW(scale->SetValueName(-1, "x"), EListError);
  EXPECT_THROW(scale->SetValueDescription(3, "x"), EListError);
  EXPECT_EQ(GlobalObjects().Count(), registered);
  EXPECT_EQ(Names(*scale), "abc");
  EXPECT_DOUBLE_EQ(scale->LowThreshold(), 0.5);
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 1.5);
}

TEST(ScaleValues, AScaleHoldsAtMost208Values) {
  auto scale = MakeScale(208);
  const double low = scale->LowThreshold();
  const double high = scale->HighThreshold();
  EXPECT_DOUBLE_EQ(high, 206.5);
  const int registered = GlobalObjects().Count();
  EXPECT_THROW(scale->AddValue("one too many"), EUbicError);
  EXPECT_THROW(scale->InsertValue(0, "one too many"), EUbicError);
  EXPECT_THROW(scale->InsertValue(208, "one too many"), EUbicError);
  EXPECT_EQ(scale->Count(), 208);
  EXPECT_EQ(GlobalObjects().Count(), registered);
  EXPECT_EQ(scale->ValueName(0), "v0");
  EXPECT_EQ(scale->LowThreshold(), low);
  EXPECT_EQ(scale->HighThreshold(), high);
}

// What the scale editor's class buttons and order box do to the thresholds.
TEST(ScaleThresholds, ValueClassesAndOrderChanges) {
  auto scale = MakeAbc();
  scale->SetValueClass(1, TValueClass::Good);
  EXPECT_EQ(Classes(*scale), "bgg");
  scale->SetValueClass(1, TValueClass::Neutral);
  EXPECT_EQ(Classes(*scale), "bng");
  scale->SetValueClass(1, TValueClass::Bad);
  EXPECT_EQ(Classes(*scale), "bbg");
  scale->SetValueClass(1, TValueClass::Neutral);
  EXPECT_EQ(Classes(*scale), "bng");
  // Neutral leaves a threshold that already lies beyond the value where it is.
  scale->SetValueClass(0, TValueClass::Neutral);
  EXPECT_EQ(Classes(*scale), "nng");
  EXPECT_DOUBLE_EQ(scale->HighThreshold(), 1.5);

  // The same order keeps the thresholds; another one starts from its defaults.
  scale->ChangeOrder(TScaleOrder::Ascending);
  EXPECT_EQ(Classes(*scale), "nng");
  scale->AddValue("d");
  scale->ChangeOrder(TScaleOrder::Descending);
  EXPECT_EQ(Classes(*scale), "gnnb");
  scale->SetValueClass(1, TValueClass::Good);
  EXPECT_EQ(Classes(*scale), "ggnb");
  scale->SetValueClass(1, TValueClass::Neutral);
  EXPECT_EQ(Classes(*scale), "gnnb");
  scale->SetValueClass(3, TValueClass::Neutral);
  EXPECT_EQ(Classes(*scale), "gnnn");
  scale->SetValueClass(2, TValueClass::Bad);
  EXPECT_EQ(Classes(*scale), "gnbb");

  scale->ChangeOrder(TScaleOrder::None);
  EXPECT_EQ(scale->LowThreshold(), kNoLowThreshold);
  EXPECT_EQ(scale->HighThreshold(), kNoHighThreshold);
  scale->ChangeOrder(TScaleOrder::Ascending);
  EXPECT_EQ(Classes(*scale), "bnng");
}

std::unique_ptr<TUbicDiscreteScale> ScaleOf(const std::vector<std::string>& names) {
  auto scale = std::make_unique<TUbicDiscreteScale>();
  for (const std::string& name : names) scale->AddValue(name);
  return scale;
}

TEST(ScaleAcceptance, NeedsTwoValuesWithNamesOfTheirOwn) {
  EXPECT_EQ(MakeAbc()->AcceptanceProblem(), "");
  EXPECT_NO_THROW(MakeAbc()->CheckAcceptable());
  EXPECT_EQ(ScaleOf({})->AcceptanceProblem(), "A scale needs at least 2 values");
  EXPECT_EQ(ScaleOf({"a"})->AcceptanceProblem(), "A scale needs at least 2 values");
  EXPECT_EQ(ScaleOf({"a"})->ValueNamesProblem(), "") << "the names alone can stand";

  EXPECT_EQ(ScaleOf({"a", "b", ""})->ValueNamesProblem(), "Value 3 has no name");
  EXPECT_EQ(ScaleOf({"a", " \t", "c"})->AcceptanceProblem(), "Value 2 has no name");
  EXPECT_EQ(ScaleOf({"low", "mid", " LOW "})->AcceptanceProblem(),
            "Values 1 \"low\" and 3 \" LOW \" differ only in letter case or blanks");
  EXPECT_EQ(ScaleOf({"x", "High", "high"})->ValueNamesProblem(),
            "Values 2 \"High\" and 3 \"high\" differ only in letter case or blanks");
  // Windows-1250 letters: capital and small c with caron are the same letter, c with and without
  // its caron are not, and neither are names that differ in a blank between words.
  EXPECT_NE(ScaleOf({"\xC8rn", "\xE8rn"})->ValueNamesProblem(), "");
  EXPECT_EQ(ScaleOf({"\xE8rn", "crn", "\xE1", "a"})->ValueNamesProblem(), "");
  EXPECT_EQ(ScaleOf({"very good", "verygood"})->ValueNamesProblem(), "");

  try {
    ScaleOf({"same", "Same"})->CheckAcceptable();
    ADD_FAILURE() << "a scale with the same name twice was accepted";
  } catch (const EUbicError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Values 1 \"same\" and 2 \"Same\" differ only in letter case or blanks");
  }
}

}  // namespace
}  // namespace ubic
