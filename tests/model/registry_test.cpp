#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "foundation/assertion.h"
#include "model/attribute.h"
#include "model/function.h"
#include "model/scale.h"
#include "model/ubicobject.h"
#include "model_builders.h"

namespace ubic {
namespace {

using test::MakeAttribute;
using test::MakeScale;

std::vector<std::pair<std::string, std::string>> recordedFaults;

void RecordFault(const std::string& message, const std::string& source) {
  recordedFaults.emplace_back(message, source);
}

// Program faults are recorded instead of stopping the test binary.
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    recordedFaults.clear();
    FPrevious = SetAssertionHandler(RecordFault);
  }
  void TearDown() override { SetAssertionHandler(FPrevious); }

 private:
  TAssertionHandler FPrevious = nullptr;
};

// An attribute with a 3-value scale, a function and two inputs of 2 values each: 14 objects.
std::unique_ptr<TUbicAttribute> MakeSmallTree() {
  auto top = MakeAttribute("top", 3);
  top->AddInput(MakeAttribute("a", 2));
  top->AddInput(MakeAttribute("b", 2));
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(top.get());
  top->SetFunct(std::move(function));
  return top;
}

TEST_F(RegistryTest, ObjectsRegisterForTheirWholeLife) {
  const int before = GlobalObjects().Count();
  auto scale = MakeScale(3);
  EXPECT_EQ(GlobalObjects().Count(), before + 4);
  EXPECT_TRUE(GlobalObjects().Contains(scale.get()));
  EXPECT_TRUE(GlobalObjects().Contains(scale->Values().Items(2)));

  // Construction order: the scale first, then its values.
  const std::vector<TUbicObject*> objects = GlobalObjects().Objects();
  ASSERT_GE(objects.size(), 4u);
  EXPECT_EQ(objects[objects.size() - 4], scale.get());
  EXPECT_EQ(objects.back(), scale->Values().Items(2));

  scale->DeleteValue(0);
  EXPECT_EQ(GlobalObjects().Count(), before + 3);

  const TUbicObject* gone = scale.get();
  scale.reset();
  EXPECT_EQ(GlobalObjects().Count(), before);
  // A non-owning reference to the destroyed scale is recognised as stale; the registry only
  // compares the address, it never follows it.
  EXPECT_FALSE(GlobalObjects().Contains(gone));  // NOLINT(clang-analyzer-cplusplus.NewDelete)
  EXPECT_TRUE(recordedFaults.empty());
}

TEST_F(RegistryTest, DestroyingAnAttributeFreesEverythingItOwns) {
  const int before = GlobalObjects().Count();
  auto top = MakeSmallTree();
  EXPECT_EQ(GlobalObjects().Count(), before + 14);
  const TUbicObject* function = top->Funct();
  const TUbicObject* inputScale = top->Input(1)->Scale();
  top.reset();
  EXPECT_EQ(GlobalObjects().Count(), before);
  EXPECT_FALSE(GlobalObjects().Contains(function));
  EXPECT_FALSE(GlobalObjects().Contains(inputScale));
  EXPECT_TRUE(recordedFaults.empty());
}

TEST_F(RegistryTest, DebugNameNamesTheActualClass) {
  TUbicAttribute attribute("x");
  EXPECT_EQ(attribute.DebugName(), "Class=\"TUbicAttribute\", Name=\"x\"");
  TUbicDiscreteScale scale;
  EXPECT_EQ(scale.DebugName(), "Class=\"TUbicDiscreteScale\", Name=\"\"");
}

TEST_F(RegistryTest, DoubleDestructionIsReportedWithTheActualClass) {
  const int before = GlobalObjects().Count();
  auto value = std::make_unique<TUbicScaleValue>("v");
  ASSERT_TRUE(GlobalObjects().Unregister(value.get()));
  value.reset();
  ASSERT_EQ(recordedFaults.size(), 1u);
  EXPECT_EQ(recordedFaults[0].first,
            "Trying to destroy an already destroyed object \"Class=\"TUbicScaleValue\", "
            "Name=\"v\"\"");
  EXPECT_EQ(recordedFaults[0].second, "UBICMOD");

  // The report is made while the object still knows its class; its values leave normally.
  recordedFaults.clear();
  auto scale = MakeScale(2);
  scale->SetName("s");
  ASSERT_TRUE(GlobalObjects().Unregister(scale.get()));
  scale.reset();
  ASSERT_EQ(recordedFaults.size(), 1u);
  EXPECT_EQ(recordedFaults[0].first,
            "Trying to destroy an already destroyed object \"Class=\"TUbicDiscreteScale\", "
            "Name=\"s\"\"");

  recordedFaults.clear();
  auto function = std::make_unique<TUbicFunction>();
  function->SetName("f");
  ASSERT_TRUE(GlobalObjects().Unregister(function.get()));
  function.reset();
  ASSERT_EQ(recordedFaults.size(), 1u);
  EXPECT_NE(recordedFaults[0].first.find("Class=\"TUbicFunction\", Name=\"f\""), std::string::npos);
  EXPECT_EQ(GlobalObjects().Count(), before);
}

TEST_F(RegistryTest, FinalizeReportsAndDestroysLeakedObjects) {
  ASSERT_EQ(GlobalObjects().Count(), 0);
  // Leaked on purpose: Finalize is what frees them.
  static_cast<void>(MakeSmallTree().release());
  static_cast<void>(std::make_unique<TUbicScaleValue>("stray").release());  // NOLINT
  EXPECT_EQ(GlobalObjects().Count(), 15);

  GlobalObjects().Finalize();
  ASSERT_EQ(recordedFaults.size(), 1u);
  EXPECT_EQ(recordedFaults[0].first, "15 pending objects upon exit");
  EXPECT_EQ(recordedFaults[0].second, "UBICMOD");
  EXPECT_EQ(GlobalObjects().Count(), 0);

  // With nothing left there is nothing to report.
  GlobalObjects().Finalize();
  EXPECT_EQ(recordedFaults.size(), 1u);
}

TEST_F(RegistryTest, FindByNameReturnsTheFirstExactMatch) {
  TUbicList list(true, false, TDuplicates::Accept);
  for (const char* name : {"a", "b", "a", "B"}) {
    list.AddOwned(std::make_unique<TUbicScaleValue>(name));
  }
  EXPECT_EQ(list.FindByName("a"), list.GetObject(0));
  EXPECT_EQ(list.FindByName("B"), list.GetObject(3));
  EXPECT_EQ(list.NameOf(1), "b");
  EXPECT_EQ(list.FindByName("A"), nullptr);
  EXPECT_EQ(list.FindByName("a "), nullptr);
  EXPECT_EQ(list.FindByName(""), nullptr);

  // Replacing an item of an owning list destroys the old one.
  const int before = GlobalObjects().Count();
  const TUbicObject* old = list.GetObject(2);
  list.SetObject(2, new TUbicScaleValue("c"));
  EXPECT_EQ(GlobalObjects().Count(), before);
  EXPECT_FALSE(GlobalObjects().Contains(old));
  EXPECT_EQ(list.FindByName("c"), list.GetObject(2));
}

TEST_F(RegistryTest, TypedAccessRejectsItemsOfAnotherClass) {
  TObject plain;
  TUbicList list;
  list.Add(&plain);
  EXPECT_THROW(list.GetObject(0), EInvalidCast);
  EXPECT_THROW(list.GetObject(1), EListError);

  TUbicScaleValueList values;
  values.AddOwned(std::make_unique<TUbicAttribute>("not a value"));
  EXPECT_THROW(values.Items(0), EInvalidCast);
  EXPECT_NO_THROW(values.GetObject(0));

  TUbicAttributeList attributes;
  attributes.AddOwned(std::make_unique<TUbicScaleValue>("not an attribute"));
  EXPECT_THROW(attributes.Items(0), EInvalidCast);
}

}  // namespace
}  // namespace ubic
