#include "foundation/strlist.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/checkedint.h"
#include "test_items.h"

namespace ubic {
namespace {

using test::CompareValue;
using test::MessageOf;
using test::TCounted;
using Strings = std::vector<std::string>;

int ValueAt(const TStrList& list, int index) {
  return static_cast<TCounted*>(list.Objects(index))->Value;
}

TEST(StrListSearch, IndexOfIgnoresCaseUnlessACompareStrIsSet) {
  TStrList list;
  list.AddStrings({"Alpha", "beta", "\xC8" + std::string("ebula")});  // Čebula
  EXPECT_EQ(list.IndexOf("BETA"), 1);
  EXPECT_EQ(list.IndexOf("\xE8" + std::string("EBULA")), 2);  // čEBULA
  EXPECT_EQ(list.IndexOf("cebula"), -1);
  EXPECT_EQ(list.IndexOf("gamma"), -1);

  list.SetCompareStr(CompareByCode);
  EXPECT_EQ(list.IndexOf("BETA"), -1);
  EXPECT_EQ(list.IndexOf("beta"), 1);
}

TEST(StrListSearch, SortedListKeepsOrderAndHandlesDuplicates) {
  TStrList list(false, true);
  EXPECT_EQ(list.Duplicates(), TDuplicates::Ignore);
  list.AddStrings({"b", "\xE8", "a", "C", "d"});  // č
  EXPECT_EQ(list.Strings(), (Strings{"a", "b", "C", "\xE8", "d"}));
  EXPECT_EQ(list.Add("B"), 1);
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(list.IndexOf("D"), 4);

  int index = -1;
  EXPECT_FALSE(list.Find("bb", index));
  EXPECT_EQ(index, 2);

  list.SetDuplicates(TDuplicates::Error);
  EXPECT_THROW(list.Add("A"), EListError);
  EXPECT_EQ(list.Count(), 5);

  list.SetDuplicates(TDuplicates::Accept);
  for (int i = 0; i < 5; ++i) list.Add("C");
  EXPECT_TRUE(list.Find("c", index));
  EXPECT_EQ(index, 2);
  EXPECT_EQ(list.IndexOf("c"), 2);
  EXPECT_EQ(list.Get(9), "d");

  // A sorted list refuses placement by index.
  EXPECT_THROW(list.Insert(0, "z"), EListError);
}

TEST(StrListSearch, SettingCompareStrOnAFilledListSwitchesSortingOff) {
  TStrList empty(false, true), list(false, true);
  empty.SetCompareStr(CompareByCode);
  EXPECT_TRUE(empty.Sorted());
  list.AddStrings({"b", "A"});
  list.SetCompareStr(CompareByCode);
  EXPECT_FALSE(list.Sorted());
  list.SetSorted(true);
  EXPECT_EQ(list.Strings(), (Strings{"A", "b"}));
}

TEST(StrListOwnership, OwningListDestroysObjectsWithTheirStrings) {
  int destroyed = 0;
  {
    TStrList list(true);
    for (int i = 0; i < 4; ++i) list.AddObject(std::to_string(i), new TCounted(i, &destroyed));
    list.Delete(0);
    EXPECT_EQ(destroyed, 1);
    list.PutObject(0, new TCounted(10, &destroyed));
    EXPECT_EQ(destroyed, 2);

    std::unique_ptr<TObject> extracted(list.ExtractObjectAt(1));
    EXPECT_EQ(static_cast<TCounted*>(extracted.get())->Value, 2);
    EXPECT_EQ(list.Strings(), (Strings{"1", "3"}));
    EXPECT_EQ(destroyed, 2);

    list.Clear();
    EXPECT_EQ(destroyed, 4);
    list.AddObject("x", new TCounted(5, &destroyed));
  }
  EXPECT_EQ(destroyed, 6);

  // Release only forgets an object the list does not own; Free destroys it regardless.
  TCounted kept(7, &destroyed);
  TStrList list;
  list.AddObject("kept", &kept);
  list.AddObject("freed", new TCounted(8, &destroyed));
  list.AddObject("all", new TCounted(9, &destroyed));
  list.ReleaseObjectAt(0);
  list.FreeObjectAt(1);
  EXPECT_EQ(destroyed, 7);
  list.FreeAllObjects();
  EXPECT_EQ(destroyed, 8);
  EXPECT_EQ(list.Strings(), (Strings{"kept", "freed", "all"}));
  EXPECT_EQ(list.IndexOfObject(nullptr), 0);
  EXPECT_EQ(list.IndexOfObject(&kept), -1);
}

TEST(StrListOwnership, AssignSharesObjectsAndStopsOwning) {
  int destroyed = 0;
  TStrList source(true, true, TDuplicates::Accept);
  source.AddObject("b", new TCounted(2, &destroyed));
  source.AddObject("a", new TCounted(1, &destroyed));

  {
    TStrList copy(true);
    copy.AddObject("old", new TCounted(0, &destroyed));
    copy.Assign(source);
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(copy.OwnsObjects());
    EXPECT_TRUE(copy.Sorted());
    EXPECT_EQ(copy.Duplicates(), TDuplicates::Accept);
    EXPECT_EQ(copy.Strings(), (Strings{"a", "b"}));
    EXPECT_EQ(copy.Objects(0), source.Objects(0));
    copy.Delete(0);
    copy.Clear();
  }
  EXPECT_EQ(destroyed, 1);

  TStrList strings(true);
  strings.AssignStrings(source);
  EXPECT_EQ(strings.Strings(), (Strings{"a", "b"}));
  EXPECT_EQ(strings.Objects(0), nullptr);
  EXPECT_EQ(strings.Objects(1), nullptr);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(ValueAt(source, 1), 2);

  TStrList plain(false, true, TDuplicates::Ignore);
  plain.Assign(Strings{"z", "z", "a"});
  EXPECT_FALSE(plain.Sorted());
  EXPECT_EQ(plain.Duplicates(), TDuplicates::Accept);
  EXPECT_EQ(plain.Strings(), (Strings{"z", "z", "a"}));
}

TEST(StrListOrder, ObjectsTravelWithTheirStrings) {
  int destroyed = 0;
  TStrList list(true);
  list.AddObject("ccc", new TCounted(1, &destroyed));
  list.AddObject("a", new TCounted(3, &destroyed));
  list.AddObject("bb", new TCounted(2, &destroyed));

  list.CustomSort([](const std::string& s1, const std::string& s2) {
    return static_cast<int>(s1.size()) - static_cast<int>(s2.size());
  });
  EXPECT_EQ(list.Strings(), (Strings{"a", "bb", "ccc"}));
  EXPECT_EQ(ValueAt(list, 0), 3);
  EXPECT_EQ(ValueAt(list, 2), 1);

  list.Move(0, 2);
  EXPECT_EQ(list.Strings(), (Strings{"bb", "ccc", "a"}));
  EXPECT_EQ(ValueAt(list, 2), 3);
  list.Exchange(0, 2);
  EXPECT_EQ(list.Strings(), (Strings{"a", "ccc", "bb"}));
  EXPECT_EQ(ValueAt(list, 0), 3);
  list.Exchange(0, 2);

  EXPECT_EQ(MessageOf<EListError>([&] { list.SortByObjects(); }),
            "TStrList: undefined CompareObj method");
  EXPECT_EQ(list.Strings(), (Strings{"bb", "ccc", "a"}));

  list.SetCompareObj(CompareValue);
  list.SetSorted(true);
  list.SortByObjects();
  EXPECT_FALSE(list.Sorted());
  EXPECT_EQ(list.Strings(), (Strings{"ccc", "bb", "a"}));
  EXPECT_EQ(destroyed, 0);

  EXPECT_EQ(MessageOf<EListError>([&] { list.Get(3); }), "List index out of bounds (3)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.Delete(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(list.Count(), 3);
}

// A list keeps no objects until one is given: strings added before and after it line up.
TEST(StrListOrder, AFirstObjectGivenLateStaysWithItsString) {
  int destroyed = 0;
  TStrList list(true);
  list.AddStrings({"a", "b", "c"});
  EXPECT_EQ(list.IndexOfObject(nullptr), 0);
  list.InsertObject(1, "x", new TCounted(1, &destroyed));
  list.Add("d");
  list.Grow(6);
  EXPECT_EQ(list.Objects(5), nullptr);
  const Strings more{"e"};
  list.AppendStrings(1, [&more](int i) -> const std::string& { return more[i]; });
  list.PutObject(6, new TCounted(2, &destroyed));
  list.Delete(0);
  EXPECT_EQ(list.Strings(), (Strings{"x", "b", "c", "d", "", "e"}));
  EXPECT_EQ(ValueAt(list, 0), 1);
  EXPECT_EQ(ValueAt(list, 5), 2);
  for (int i = 1; i < 5; ++i) EXPECT_EQ(list.Objects(i), nullptr) << i;

  // Items moved from a list without objects get none; into one without objects, they keep theirs.
  TStrList plain(true);
  plain.AddStrings({"p"});
  list.MoveItemsFrom(plain);
  EXPECT_EQ(list.Objects(6), nullptr);
  plain.Add("r");
  plain.MoveItemsFrom(list);
  EXPECT_EQ(plain.Strings(), (Strings{"r", "x", "b", "c", "d", "", "e", "p"}));
  EXPECT_EQ(ValueAt(plain, 1), 1);
  EXPECT_EQ(ValueAt(plain, 6), 2);
  EXPECT_EQ(plain.IndexOfObject(nullptr), 0);
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(destroyed, 0);
  plain.Clear();
  EXPECT_EQ(destroyed, 2);
}

TEST(StrListText, SetTextSplitsAtAnyLineBreak) {
  TStrList list;
  list.SetText("a\rb\nc\r\nd");
  EXPECT_EQ(list.Strings(), (Strings{"a", "b", "c", "d"}));
  list.SetText("a\r\n\r\nb\n\nc\r\n");
  EXPECT_EQ(list.Strings(), (Strings{"a", "", "b", "", "c"}));
  EXPECT_EQ(list.Text(), "a\r\n\r\nb\r\n\r\nc\r\n");
  list.SetText("");
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.Text(), "");
}

TEST(StrListNotifications, FireAroundChangesAndWaitForEndUpdate) {
  TStrList list;
  std::vector<std::string> events;
  list.SetOnChanging([&] { events.push_back("changing@" + std::to_string(list.Count())); });
  list.SetOnChange([&] { events.push_back("change@" + std::to_string(list.Count())); });

  list.Add("a");
  EXPECT_EQ(events, (Strings{"changing@0", "change@1"}));

  events.clear();
  list.BeginUpdate();
  list.Add("b");
  list.BeginUpdate();
  list.Delete(0);
  list.EndUpdate();
  list.Put(0, "c");
  EXPECT_EQ(events, (Strings{"changing@1"}));
  list.EndUpdate();
  EXPECT_EQ(events, (Strings{"changing@1", "change@1"}));

  events.clear();
  list.Clear();
  EXPECT_EQ(events, (Strings{"changing@1", "change@0"}));
}

TEST(StrListNotifications, AppendStringsAddsAllAfterOneNotification) {
  TStrList list;
  list.Add("a");
  std::vector<std::string> events;
  list.SetOnChanging([&] { events.push_back("changing@" + std::to_string(list.Count())); });
  list.SetOnChange([&] { events.push_back("change@" + std::to_string(list.Count())); });
  const Strings texts{"x", "", "yz"};
  list.AppendStrings(3, [&texts](int i) -> const std::string& { return texts[i]; });
  EXPECT_EQ(list.Strings(), (Strings{"a", "x", "", "yz"}));
  EXPECT_EQ(events, (Strings{"changing@1", "change@4"}));
  EXPECT_EQ(list.Objects(3), nullptr);

  // Nothing to add is no change; a count the list could not hold and a sorted list are refused
  // before anything changes.
  events.clear();
  auto never = [](int) -> std::string { throw std::logic_error("no string is wanted"); };
  list.AppendStrings(0, never);
  EXPECT_THROW(list.AppendStrings(INT_MAX, never), EIntOverflow);
  TStrList sorted(false, true);
  EXPECT_THROW(sorted.AppendStrings(1, never), EListError);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(list.Count(), 4);
}

}  // namespace
}  // namespace ubic
