#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "files/modelfile.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "model/model.h"
#include "test_files.h"

namespace ubic::test {

// Models built in code for the tests of the foreign formats.

inline std::unique_ptr<TUbicAttribute> MakeAttribute(const std::string& name,
                                                     const std::vector<std::string>& values,
                                                     TScaleOrder order = TScaleOrder::Ascending) {
  auto attribute = std::make_unique<TUbicAttribute>(name);
  auto scale = std::make_unique<TUbicDiscreteScale>();
  scale->SetOrder(order);
  for (const std::string& value : values) scale->AddValue(value);
  scale->ResetThresholds();
  attribute->SetScale(std::move(scale));
  return attribute;
}

inline TUbicFunction& AddFunction(TUbicAttribute& attribute) {
  auto function = std::make_unique<TUbicFunction>();
  function->Initialize(&attribute);
  TUbicFunction& result = *function;
  attribute.SetFunct(std::move(function));
  return result;
}

inline void SetRule(TUbicFunction& function, int rule, int low, int high, bool entered) {
  function.SetRuleLow(rule, low);
  function.SetRuleHigh(rule, high);
  function.SetRuleEntered(rule, entered);
}

// One letter per value: B bad, G good, N neutral.
inline std::string Groups(const TUbicScale& scale) {
  std::string groups;
  for (int k = 0; k < scale.Count(); ++k)
    groups += scale.IsBad(k) ? 'B' : scale.IsGood(k) ? 'G' : 'N';
  return groups;
}

// One top-level attribute for every grouping the writers can produce: for each order and for 1 to
// 5 values, a run of bad values at the bad end and a run of good values at the good end, in every
// length that leaves them apart. Unordered scales have no groups.
inline std::unique_ptr<TUbicModel> GroupingModel() {
  auto model = std::make_unique<TUbicModel>();
  for (const TScaleOrder order :
       {TScaleOrder::Ascending, TScaleOrder::Descending, TScaleOrder::None}) {
    for (int n = 1; n <= 5; ++n) {
      const int runs = order == TScaleOrder::None ? 0 : n;
      for (int bad = 0; bad <= runs; ++bad) {
        for (int good = 0; bad + good <= runs; ++good) {
          auto attribute = MakeAttribute("", {"a", "b", "c", "d", "e"}, order);
          TUbicDiscreteScale& scale = *attribute->DiscreteScale();
          while (scale.Count() > n) scale.DeleteValue(scale.HighIndex());
          scale.ClearThresholds();
          const bool descending = order == TScaleOrder::Descending;
          if (bad > 0) scale.SetBadThreshold(descending ? n - bad : bad - 1);
          if (good > 0) scale.SetGoodThreshold(descending ? good - 1 : n - good);
          attribute->SetName(std::to_string(static_cast<int>(order)) + ":" + Groups(scale));
          model->Root()->AddInput(std::move(attribute));
        }
      }
    }
  }
  return model;
}

inline void ExpectSameGroups(const TUbicModel& expected, const TUbicModel& actual) {
  ASSERT_EQ(expected.Root()->InputCount(), actual.Root()->InputCount());
  for (int i = 0; i < expected.Root()->InputCount(); ++i) {
    const TUbicAttribute& attribute = *actual.Root()->Input(i);
    EXPECT_EQ(expected.Root()->Input(i)->GetName(), attribute.GetName());
    EXPECT_EQ(expected.Root()->Input(i)->Scale()->Order(), attribute.Scale()->Order());
    EXPECT_EQ(TextAfter(attribute.GetName(), ":"), Groups(*attribute.Scale()));
  }
}

// The lines of a text written with "|" between them, the way the tests write small files.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string rest = text;
  std::string line;
  while (!rest.empty()) {
    SplitAt(rest, '|', line);
    lines.push_back(line);
  }
  return lines;
}

// The model as the own format writes it: what two models hold is compared by this text.
inline std::string OwnFormat(const TUbicModel& model, const TTempFolder& folder) {
  SaveToFile(model, folder.File("compare.ubm"));
  return ReadBytes(folder.File("compare.ubm"));
}

}  // namespace ubic::test
