#include "strlist.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "checkedint.h"
#include "textcompare.h"
#include "utils.h"

namespace ubic {

int CompareByCode(const std::string& s1, const std::string& s2) {
  // std::string compares chars as unsigned through char_traits<char>::compare (memcmp).
  const int result = s1.compare(s2);
  return (result > 0) - (result < 0);
}

TStrList::TStrList(bool ownsObjects, bool sorted, TDuplicates duplicates)
    : FOwnsObjects(ownsObjects), FSorted(sorted), FDuplicates(duplicates) {}

TStrList::~TStrList() {
  for (const TItem& item : FItems) DeleteOwned(item.Object);
}

void TStrList::DeleteOwned(TObject* object) const {
  if (FOwnsObjects) delete object;
}

void TStrList::CheckNotSorted() const {
  if (FSorted) throw EListError("Operation not allowed on sorted list");
}

void TStrList::MakeRoom(int extra) {
  // Count must stay an int.
  const auto needed = static_cast<std::size_t>(CheckedAdd(Count(), extra));
  if (needed > FItems.capacity()) FItems.reserve(std::max(needed, 2 * FItems.capacity()));
}

void TStrList::Changing() {
  if (FUpdateCount == 0 && FOnChanging) FOnChanging();
}

void TStrList::Changed() {
  if (FUpdateCount == 0 && FOnChange) FOnChange();
}

void TStrList::BeginUpdate() {
  if (FUpdateCount == 0) Changing();
  ++FUpdateCount;
}

void TStrList::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) Changed();
}

void TStrList::Put(int index, const std::string& text) {
  CheckNotSorted();
  CheckIndex(index);
  Changing();
  FItems[index].Text = text;
  Changed();
}

void TStrList::Grow(int count) {
  CheckNotSorted();
  if (count <= Count()) return;
  Changing();
  FItems.resize(count, TItem{std::string(), nullptr});
  Changed();
}

TObject* TStrList::Objects(int index) const {
  CheckIndex(index);
  return FItems[index].Object;
}

void TStrList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  TObject* old = std::exchange(FItems[index].Object, object);
  if (old != object) DeleteOwned(old);
  Changed();
}

void TStrList::SetSorted(bool value) {
  if (value && !FSorted) Sort();
  FSorted = value;
}

void TStrList::SetCompareStr(TCompareStr value) {
  if (!FItems.empty()) FSorted = false;
  FCompareStr = value;
}

int TStrList::AddObject(const std::string& text, TObject* object) {
  int index = Count();
  if (FSorted && Find(text, index)) {
    if (FDuplicates == TDuplicates::Ignore) return index;
    if (FDuplicates == TDuplicates::Error) {
      throw EListError("String list does not allow duplicates");
    }
  }
  Changing();
  if (index == Count()) {
    FItems.push_back(TItem{text, object});
  } else {
    FItems.insert(FItems.begin() + index, TItem{text, object});
  }
  Changed();
  return index;
}

void TStrList::InsertObject(int index, const std::string& text, TObject* object) {
  CheckNotSorted();
  if (index < 0 || index > Count()) ListIndexError(index);
  Changing();
  FItems.insert(FItems.begin() + index, TItem{text, object});
  Changed();
}

void TStrList::Delete(int index) {
  CheckIndex(index);
  Changing();
  TObject* object = FItems[index].Object;
  FItems.erase(FItems.begin() + index);
  DeleteOwned(object);
  Changed();
}

void TStrList::Clear() {
  if (FItems.empty()) return;
  Changing();
  std::vector<TItem> items;
  items.swap(FItems);
  if (FOwnsObjects) {
    for (const TItem& item : items) DeleteOwned(item.Object);
  }
  // The list keeps its room for as many items as it had: it is often filled again.
  if (FItems.empty()) {
    items.clear();
    FItems.swap(items);
  }
  Changed();
}

int TStrList::IndexOf(const std::string& text) const {
  if (FSorted) {
    int index = 0;
    return Find(text, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i) {
    if (CompareStrings(FItems[i].Text, text) == 0) return i;
  }
  return -1;
}

int TStrList::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i) {
    if (FItems[i].Object == object) return i;
  }
  return -1;
}

void TStrList::Move(int currentIndex, int newIndex) {
  CheckIndex(currentIndex);
  CheckIndex(newIndex);
  if (currentIndex == newIndex) return;
  Changing();
  FSorted = false;
  TItem item = std::move(FItems[currentIndex]);
  FItems.erase(FItems.begin() + currentIndex);
  FItems.insert(FItems.begin() + newIndex, std::move(item));
  Changed();
}

void TStrList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  FSorted = false;
  std::swap(FItems[index1], FItems[index2]);
  Changed();
}

bool TStrList::Find(const std::string& text, int& index) const {
  return BinaryFind(
      Count(), FDuplicates, [&](int i) { return CompareStrings(FItems[i].Text, text); }, index);
}

void TStrList::SortRange(int low, int high,
                         const std::function<bool(const TItem&, const TItem&)>& less) {
  if (low < 0 || high >= Count() || low >= high) return;
  // Sort a copy so that a comparison that raises leaves the list as it was.
  std::vector<TItem> items(FItems.begin() + low, FItems.begin() + high + 1);
  std::stable_sort(items.begin(), items.end(), less);
  Changing();
  std::move(items.begin(), items.end(), FItems.begin() + low);
  Changed();
}

void TStrList::Sort() {
  if (!FSorted && Count() > 1) QuickSortStrings(0, Count() - 1);
}

void TStrList::CustomSort(
    const std::function<int(const std::string&, const std::string&)>& compare) {
  FSorted = false;
  SortRange(0, Count() - 1,
            [&compare](const TItem& a, const TItem& b) { return compare(a.Text, b.Text) < 0; });
}

void TStrList::QuickSortStrings(int low, int high) {
  SortRange(low, high,
            [this](const TItem& a, const TItem& b) { return CompareStrings(a.Text, b.Text) < 0; });
}

void TStrList::QuickSortObjects(int low, int high) {
  SortRange(low, high, [this](const TItem& a, const TItem& b) {
    return CompareObjects(a.Object, b.Object) < 0;
  });
}

int TStrList::CompareStrings(const std::string& s1, const std::string& s2) const {
  return FCompareStr != nullptr ? FCompareStr(s1, s2) : AnsiCompareText(s1, s2);
}

int TStrList::CompareObjects(const TObject* o1, const TObject* o2) const {
  if (FCompareObj == nullptr) throw EListError(ClassName() + ": undefined CompareObj method");
  return FCompareObj(o1, o2);
}

void TStrList::Assign(const TStrList& source) {
  if (&source == this) return;
  BeginUpdate();
  Clear();
  FOwnsObjects = false;
  FSorted = source.FSorted;
  FDuplicates = source.FDuplicates;
  FItems = source.FItems;
  EndUpdate();
}

void TStrList::Assign(const std::vector<std::string>& source) {
  BeginUpdate();
  Clear();
  FOwnsObjects = false;
  FSorted = false;
  FDuplicates = TDuplicates::Accept;
  AddStrings(source);
  EndUpdate();
}

void TStrList::AddStrings(const std::vector<std::string>& strings) {
  BeginUpdate();
  for (const std::string& text : strings) Add(text);
  EndUpdate();
}

void TStrList::MoveItemsFrom(TStrList& source) {
  CheckNotSorted();
  source.CheckNotSorted();
  if (FOwnsObjects != source.FOwnsObjects) {
    throw EListError("Cannot move the items of lists that differ in owning their objects");
  }
  if (source.Empty() || &source == this) return;
  Changing();
  source.Changing();
  if (FItems.empty()) {
    // The emptied list keeps the room this one had.
    FItems.swap(source.FItems);
  } else {
    FItems.insert(FItems.end(), std::make_move_iterator(source.FItems.begin()),
                  std::make_move_iterator(source.FItems.end()));
    source.FItems.clear();
  }
  source.Changed();
  Changed();
}

std::vector<std::string> TStrList::Strings() const {
  std::vector<std::string> strings;
  strings.reserve(FItems.size());
  for (const TItem& item : FItems) strings.push_back(item.Text);
  return strings;
}

std::string TStrList::Text() const {
  std::string text;
  for (const TItem& item : FItems) text += item.Text + "\r\n";
  return text;
}

void TStrList::SetText(const std::string& text) {
  BeginUpdate();
  Clear();
  for (const std::string& line : SplitLines(text)) Add(line);
  EndUpdate();
}

void TStrList::AssignStrings(const TStrList& source) {
  Assign(source);
  ReleaseAllObjects();
}

void TStrList::SortByObjects() {
  FSorted = false;
  if (Count() > 1) QuickSortObjects(0, Count() - 1);
}

void TStrList::FreeObjectAt(int index) {
  CheckIndex(index);
  Changing();
  delete std::exchange(FItems[index].Object, nullptr);
  Changed();
}

void TStrList::FreeObject(TObject* object) {
  const int index = IndexOfObject(object);
  if (index >= 0) FreeObjectAt(index);
}

void TStrList::FreeAllObjects() {
  for (int i = 0; i < Count(); ++i) FreeObjectAt(i);
}

void TStrList::ReleaseObjectAt(int index) {
  CheckIndex(index);
  Changing();
  DeleteOwned(std::exchange(FItems[index].Object, nullptr));
  Changed();
}

void TStrList::ReleaseObject(TObject* object) {
  const int index = IndexOfObject(object);
  if (index >= 0) ReleaseObjectAt(index);
}

void TStrList::ReleaseAllObjects() {
  for (int i = 0; i < Count(); ++i) ReleaseObjectAt(i);
}

TObject* TStrList::ExtractObjectAt(int index) {
  CheckIndex(index);
  TObject* object = std::exchange(FItems[index].Object, nullptr);
  Delete(index);
  return object;
}

}  // namespace ubic
