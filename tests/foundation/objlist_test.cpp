#include "foundation/objlist.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "test_items.h"

namespace ubic {
namespace {

using test::CompareValue;
using test::MessageOf;
using test::TCounted;

std::vector<int> Values(const TObjList& list) {
  std::vector<int> values;
  for (int i = 0; i < list.Count(); ++i) {
    values.push_back(list.Get(i) != nullptr ? static_cast<TCounted*>(list.Get(i))->Value : -1);
  }
  return values;
}

class TAttributeList : public TObjList {};

TEST(ObjListOwnership, OwningListDestroysWhatItRemoves) {
  int destroyed = 0;
  {
    TObjList list(true);
    for (int i = 0; i < 5; ++i) list.Add(new TCounted(i, &destroyed));
    list.Delete(0);
    EXPECT_EQ(destroyed, 1);
    list.Put(0, new TCounted(10, &destroyed));
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(Values(list), (std::vector<int>{10, 2, 3, 4}));
    list.Put(0, list.Get(0));  // storing the same item again must not destroy it
    EXPECT_EQ(destroyed, 2);

    std::unique_ptr<TObject> extracted(list.ExtractAndDelete(1));
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(static_cast<TCounted*>(extracted.get())->Value, 2);
    EXPECT_EQ(Values(list), (std::vector<int>{10, 3, 4}));

    std::unique_ptr<TObject> slot(list.ExtractItem(0));
    EXPECT_EQ(Values(list), (std::vector<int>{-1, 3, 4}));
    EXPECT_EQ(list.Remove(list.Get(1)), 1);
    EXPECT_EQ(destroyed, 3);

    list.Clear();
    EXPECT_EQ(destroyed, 4);
    EXPECT_EQ(list.Count(), 0);
    list.Add(new TCounted(7, &destroyed));
    list.Add(new TCounted(8, &destroyed));
  }
  // Both extracted items and both items left in the list at its destruction.
  EXPECT_EQ(destroyed, 8);
}

TEST(ObjListOwnership, NonOwningListOnlyForgetsItsItems) {
  int destroyed = 0;
  TCounted a(1, &destroyed), b(2, &destroyed), c(3, &destroyed);
  {
    TObjList list;
    for (TCounted* item : {&a, &b, &c}) list.Add(item);
    list.Delete(0);
    list.ReleaseItem(0);
    list.Put(1, &a);
    EXPECT_EQ(Values(list), (std::vector<int>{-1, 1}));
    list.ReleaseObject(&a);
    list.Clear();
    list.Add(&a);
  }
  EXPECT_EQ(destroyed, 0);

  // FreeItem destroys even when the list does not own; the slot stays.
  TObjList list;
  list.Add(new TCounted(4, &destroyed));
  list.FreeItem(0);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(Values(list), (std::vector<int>{-1}));
}

TEST(ObjListOwnership, AddOwnedDestroysAnItemThatWasNotStored) {
  int destroyed = 0;
  TObjList list(true, true, TDuplicates::Ignore);
  list.SetCompareObj(CompareValue);
  EXPECT_EQ(list.AddOwned(std::make_unique<TCounted>(1, &destroyed)), 0);
  EXPECT_EQ(list.AddOwned(std::make_unique<TCounted>(3, &destroyed)), 1);
  EXPECT_EQ(list.AddOwned(std::make_unique<TCounted>(3, &destroyed)), 1);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(list.Count(), 2);

  list.SetDuplicates(TDuplicates::Error);
  EXPECT_THROW(list.AddOwned(std::make_unique<TCounted>(1, &destroyed)), EListError);
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(list.Count(), 2);
}

TEST(ObjListSorted, AddFindsThePlaceAndHandlesDuplicates) {
  int destroyed = 0;
  TObjList list(true, true, TDuplicates::Ignore);
  list.SetCompareObj(CompareValue);
  for (int v : {5, 1, 3}) list.Add(new TCounted(v, &destroyed));
  EXPECT_EQ(Values(list), (std::vector<int>{1, 3, 5}));

  int index = -1;
  TCounted three(3, nullptr), four(4, nullptr);
  EXPECT_TRUE(list.Find(&three, index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(list.Find(&four, index));
  EXPECT_EQ(index, 2);

  // Ignore: the existing index, nothing added.
  EXPECT_EQ(list.Add(&three), 1);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_FALSE(list.Contains(&three));

  list.SetDuplicates(TDuplicates::Error);
  EXPECT_EQ(MessageOf<EListError>([&] { list.Add(&three); }),
            "Object list does not allow duplicates");
  EXPECT_EQ(Values(list), (std::vector<int>{1, 3, 5}));

  // Accept: equals are kept together and Find reports the first of them.
  list.SetDuplicates(TDuplicates::Accept);
  std::vector<TCounted*> equals;
  for (int i = 0; i < 6; ++i) {
    equals.push_back(new TCounted(3, &destroyed));
    const int at = list.Add(equals.back());
    EXPECT_EQ(list.Get(at), equals.back());
  }
  EXPECT_EQ(Values(list), (std::vector<int>{1, 3, 3, 3, 3, 3, 3, 3, 5}));
  EXPECT_TRUE(list.Find(&three, index));
  EXPECT_EQ(index, 1);
  EXPECT_EQ(destroyed, 0);
}

TEST(ObjListSorted, CompareWithoutCompareObjNamesTheListClass) {
  TCounted a(2, nullptr), b(1, nullptr);
  TObjList list(false, true);
  list.Add(&a);
  EXPECT_EQ(MessageOf<EListError>([&] { list.Add(&b); }), "TObjList: undefined CompareObj method");
  EXPECT_EQ(list.Count(), 1);

  TAttributeList attributes;
  attributes.Add(&a);
  attributes.Add(&b);
  EXPECT_EQ(MessageOf<EListError>([&] { attributes.SetSorted(true); }),
            "TAttributeList: undefined CompareObj method");
  EXPECT_FALSE(attributes.Sorted());
  EXPECT_EQ(Values(attributes), (std::vector<int>{2, 1}));
}

TEST(ObjListSorted, ChangesByIndexSwitchSortingOff) {
  int destroyed = 0;
  TObjList list(true);
  list.SetCompareObj(CompareValue);
  for (int v : {4, 2, 3, 1}) list.Add(new TCounted(v, &destroyed));
  list.SetSorted(true);
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3, 4}));

  list.Insert(0, new TCounted(9, &destroyed));
  EXPECT_FALSE(list.Sorted());
  EXPECT_EQ(Values(list), (std::vector<int>{9, 1, 2, 3, 4}));

  list.SetSorted(true);
  list.Exchange(0, 4);
  EXPECT_FALSE(list.Sorted());
  EXPECT_EQ(Values(list), (std::vector<int>{9, 2, 3, 4, 1}));

  list.SetSorted(true);
  list.Move(0, 3);
  EXPECT_FALSE(list.Sorted());
  EXPECT_EQ(Values(list), (std::vector<int>{2, 3, 4, 1, 9}));
}

TEST(ObjListErrors, BadIndexRaisesAndLeavesTheListAlone) {
  int destroyed = 0;
  TObjList list(true);
  for (int v : {1, 2, 3}) list.Add(new TCounted(v, &destroyed));
  auto spare = std::make_unique<TCounted>(9, &destroyed);

  EXPECT_EQ(MessageOf<EListError>([&] { list.Get(3); }), "List index out of bounds (3)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.Get(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.Delete(5); }), "List index out of bounds (5)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.Put(3, spare.get()); }),
            "List index out of bounds (3)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.Insert(4, spare.get()); }),
            "List index out of bounds (4)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.Exchange(0, 7); }), "List index out of bounds (7)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.Move(8, 0); }), "List index out of bounds (8)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.ExtractAndDelete(3); }),
            "List index out of bounds (3)");
  EXPECT_THROW(TObjList().Last(), EListError);
  EXPECT_THROW(TObjList().First(), EListError);

  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(destroyed, 0);
}

TEST(ObjListLookup, ItemVariantsWorkByIdentity) {
  int destroyed = 0;
  TObjList list(true);
  auto* a = new TCounted(1, &destroyed);
  auto* b = new TCounted(2, &destroyed);
  list.Add(a);
  EXPECT_EQ(list.AddUnique(b), 1);
  EXPECT_EQ(list.AddUnique(a), 0);
  EXPECT_EQ(list.Count(), 2);

  TCounted lookalike(1, nullptr);
  EXPECT_EQ(list.Remove(&lookalike), -1);
  EXPECT_EQ(list.ExtractObject(&lookalike), nullptr);
  list.ReleaseObject(&lookalike);
  EXPECT_EQ(destroyed, 0);

  std::unique_ptr<TObject> taken(list.ExtractAndDeleteObject(b));
  EXPECT_EQ(taken.get(), b);
  EXPECT_EQ(list.Count(), 1);
  list.ReleaseObject(a);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(list.Get(0), nullptr);
}

}  // namespace
}  // namespace ubic
