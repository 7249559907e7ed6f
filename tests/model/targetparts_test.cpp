#include <gtest/gtest.h>

#include <deque>

#include "model/targetparts.h"

namespace ubic::test {
namespace {

// Parts made of single sets of changes, as a test writes them.
class TParts {
 public:
  TTargetPart& Single(TTargetChanges changes) { return FParts.emplace_back(std::move(changes)); }
  TTargetPart& Union(const std::vector<TTargetPart*>& members) {
    TTargetPart& part = FParts.emplace_back();
    for (TTargetPart* member : members) part.AddProduct(*member, Single({}));
    return part;
  }
  TTargetPart& Product(TTargetPart& first, TTargetPart& second) {
    TTargetPart& part = FParts.emplace_back();
    part.AddProduct(first, second);
    return part;
  }

 private:
  std::deque<TTargetPart> FParts;
};

std::vector<TTargetChanges> All(TTargetPart& part) {
  std::vector<TTargetChanges> all;
  for (std::size_t i = 0; part.At(i) != nullptr; ++i) all.push_back(*part.At(i));
  return all;
}

TEST(TargetParts, ListTheAttributesChangedBeforeTheirValues) {
  TParts parts;
  // Attribute 0 to either value, then attribute 1 or 2: (0, 1) before (0, 2) whatever the values.
  TTargetPart& first = parts.Union({&parts.Single({{0, 1}}), &parts.Single({{0, 0}})});
  TTargetPart& second = parts.Union({&parts.Single({{2, 0}}), &parts.Single({{1, 0}})});
  TTargetPart& product = parts.Product(first, second);
  EXPECT_EQ(product.Count(), 4U);
  const std::vector<TTargetChanges> expected{
      {{0, 0}, {1, 0}}, {{0, 1}, {1, 0}}, {{0, 0}, {2, 0}}, {{0, 1}, {2, 0}}};
  EXPECT_EQ(All(product), expected);
  EXPECT_EQ(product.At(4), nullptr);
}

TEST(TargetParts, MergeProductsInOrderAndCountWithoutWrapping) {
  TParts parts;
  TTargetPart& low = parts.Union({&parts.Single({{1, 2}}), &parts.Single({{1, 0}})});
  TTargetPart& high = parts.Union({&parts.Single({{3, 1}}), &parts.Single({{2, 1}})});
  // Products whose sets interleave: the union takes them in turn.
  TTargetPart& merged = parts.Union({&parts.Product(parts.Single({{0, 1}}), high),
                                     &parts.Product(parts.Single({{0, 1}}), low),
                                     &parts.Product(parts.Single({{0, 0}}), high)});
  const std::vector<TTargetChanges> expected{{{0, 1}, {1, 0}}, {{0, 1}, {1, 2}}, {{0, 0}, {2, 1}},
                                             {{0, 1}, {2, 1}}, {{0, 0}, {3, 1}}, {{0, 1}, {3, 1}}};
  EXPECT_EQ(All(merged), expected);
  EXPECT_EQ(merged.Count(), 6U);

  // Every choice of two values for Count attributes from First: 2 ** Count sets.
  const auto choices = [&parts](int first, int count) {
    TTargetPart* part = &parts.Single({});
    for (int b = first; b < first + count; ++b) {
      part = &parts.Product(*part, parts.Union({&parts.Single({{b, 0}}), &parts.Single({{b, 1}})}));
    }
    return part;
  };
  TTargetPart& wide = *choices(0, 40);
  EXPECT_EQ(wide.Count(), TTargetCount{1} << 40);
  // 2 ** 80 would wrap; the count stays at the largest one instead.
  EXPECT_EQ(parts.Product(wide, *choices(40, 40)).Count(), ~TTargetCount{0});
  EXPECT_EQ(AddCounts(~TTargetCount{0}, 1), ~TTargetCount{0});
}

}  // namespace
}  // namespace ubic::test
