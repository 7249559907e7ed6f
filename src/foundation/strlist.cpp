#include "strlist.h"

#include <algorithm>
#include <iterator>
#include <numeric>
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

namespace {

// Moves the element at From to To, those between shifting by one.
template <class T>
void MoveElement(std::vector<T>& items, int from, int to) {
  T item = std::move(items[from]);
  items.erase(items.begin() + from);
  items.insert(items.begin() + to, std::move(item));
}

// Puts the elements from First on in Order, which holds their indices.
template <class T>
void PutInOrder(std::vector<T>& items, int first, const std::vector<int>& order) {
  std::vector<T> ordered;
  ordered.reserve(order.size());
  for (const int i : order) ordered.push_back(std::move(items[i]));
  std::move(ordered.begin(), ordered.end(), items.begin() + first);
}

}  // namespace

TStrList::TStrList(bool ownsObjects, bool sorted, TDuplicates duplicates)
    : FOwnsObjects(ownsObjects), FSorted(sorted), FDuplicates(duplicates) {}

TStrList::~TStrList() {
  for (TObject* object : FObjects) DeleteOwned(object);
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
  if (needed > FStrings.capacity()) FStrings.reserve(std::max(needed, 2 * FStrings.capacity()));
  if (!FObjects.empty()) FObjects.reserve(FStrings.capacity());
}

void TStrList::NeedObjects() {
  if (FObjects.empty()) FObjects.resize(FStrings.size(), nullptr);
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
  FStrings[index] = text;
  Changed();
}

void TStrList::Grow(int count) {
  CheckNotSorted();
  if (count <= Count()) return;
  Changing();
  FStrings.resize(count);
  if (!FObjects.empty()) FObjects.resize(count, nullptr);
  Changed();
}

TObject* TStrList::Objects(int index) const {
  CheckIndex(index);
  return ObjectAt(index);
}

void TStrList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  if (object != nullptr) NeedObjects();
  Changing();
  if (!FObjects.empty()) {
    TObject* old = std::exchange(FObjects[index], object);
    if (old != object) DeleteOwned(old);
  }
  Changed();
}

void TStrList::SetSorted(bool value) {
  if (value && !FSorted) Sort();
  FSorted = value;
}

void TStrList::SetCompareStr(TCompareStr value) {
  if (!FStrings.empty()) FSorted = false;
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
  InsertItem(index, text, object);
  Changed();
  return index;
}

void TStrList::InsertObject(int index, const std::string& text, TObject* object) {
  CheckNotSorted();
  if (index < 0 || index > Count()) ListIndexError(index);
  Changing();
  InsertItem(index, text, object);
  Changed();
}

void TStrList::InsertItem(int index, const std::string& text, TObject* object) {
  if (object != nullptr) NeedObjects();
  // The first object of an empty list comes with its string: FObjects is still empty then.
  const bool withObjects = object != nullptr || !FObjects.empty();
  // With room made first, the object's place cannot fail once the string is in; the room
  // doubles, as the strings' does.
  if (withObjects && FObjects.size() == FObjects.capacity()) {
    FObjects.reserve(std::max<std::size_t>(1, 2 * FObjects.capacity()));
  }
  FStrings.insert(FStrings.begin() + index, text);
  if (withObjects) FObjects.insert(FObjects.begin() + index, object);
}

void TStrList::Delete(int index) {
  CheckIndex(index);
  Changing();
  TObject* object = ObjectAt(index);
  FStrings.erase(FStrings.begin() + index);
  if (!FObjects.empty()) FObjects.erase(FObjects.begin() + index);
  DeleteOwned(object);
  Changed();
}

void TStrList::Clear() {
  if (FStrings.empty()) return;
  Changing();
  // The strings keep their room: the list is often filled again.
  FStrings.clear();
  std::vector<TObject*> objects;
  objects.swap(FObjects);
  if (FOwnsObjects) {
    for (TObject* object : objects) DeleteOwned(object);
  }
  Changed();
}

int TStrList::IndexOf(const std::string& text) const {
  if (FSorted) {
    int index = 0;
    return Find(text, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i) {
    if (CompareStrings(FStrings[i], text) == 0) return i;
  }
  return -1;
}

int TStrList::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i) {
    if (ObjectAt(i) == object) return i;
  }
  return -1;
}

void TStrList::Move(int currentIndex, int newIndex) {
  CheckIndex(currentIndex);
  CheckIndex(newIndex);
  if (currentIndex == newIndex) return;
  Changing();
  FSorted = false;
  MoveElement(FStrings, currentIndex, newIndex);
  if (!FObjects.empty()) MoveElement(FObjects, currentIndex, newIndex);
  Changed();
}

void TStrList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  FSorted = false;
  std::swap(FStrings[index1], FStrings[index2]);
  if (!FObjects.empty()) std::swap(FObjects[index1], FObjects[index2]);
  Changed();
}

bool TStrList::Find(const std::string& text, int& index) const {
  return BinaryFind(
      Count(), FDuplicates, [&](int i) { return CompareStrings(FStrings[i], text); }, index);
}

void TStrList::SortRange(int low, int high, const std::function<bool(int, int)>& less) {
  if (low < 0 || high >= Count() || low >= high) return;
  // The order is found first, so that a comparison that raises leaves the list as it was.
  std::vector<int> order(static_cast<std::size_t>(high - low + 1));
  std::iota(order.begin(), order.end(), low);
  std::stable_sort(order.begin(), order.end(), less);
  Changing();
  PutInOrder(FStrings, low, order);
  if (!FObjects.empty()) PutInOrder(FObjects, low, order);
  Changed();
}

void TStrList::Sort() {
  if (!FSorted && Count() > 1) QuickSortStrings(0, Count() - 1);
}

void TStrList::CustomSort(
    const std::function<int(const std::string&, const std::string&)>& compare) {
  FSorted = false;
  SortRange(0, Count() - 1,
            [this, &compare](int a, int b) { return compare(FStrings[a], FStrings[b]) < 0; });
}

void TStrList::QuickSortStrings(int low, int high) {
  SortRange(low, high,
            [this](int a, int b) { return CompareStrings(FStrings[a], FStrings[b]) < 0; });
}

void TStrList::QuickSortObjects(int low, int high) {
  SortRange(low, high,
            [this](int a, int b) { return CompareObjects(ObjectAt(a), ObjectAt(b)) < 0; });
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
  FStrings = source.FStrings;
  FObjects = source.FObjects;
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
  if (FStrings.empty()) {
    // The emptied list keeps the room this one had.
    FStrings.swap(source.FStrings);
    FObjects.swap(source.FObjects);
  } else {
    if (!FObjects.empty() || !source.FObjects.empty()) {
      NeedObjects();
      source.NeedObjects();
      FObjects.insert(FObjects.end(), source.FObjects.begin(), source.FObjects.end());
    }
    FStrings.insert(FStrings.end(), std::make_move_iterator(source.FStrings.begin()),
                    std::make_move_iterator(source.FStrings.end()));
    source.FStrings.clear();
    source.FObjects.clear();
  }
  source.Changed();
  Changed();
}

std::vector<std::string> TStrList::Strings() const {
  return FStrings;
}

std::string TStrList::Text() const {
  std::string text;
  for (const std::string& line : FStrings) text += line + "\r\n";
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
  if (!FObjects.empty()) delete std::exchange(FObjects[index], nullptr);
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
  if (!FObjects.empty()) DeleteOwned(std::exchange(FObjects[index], nullptr));
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
  TObject* object = FObjects.empty() ? nullptr : std::exchange(FObjects[index], nullptr);
  Delete(index);
  return object;
}

}  // namespace ubic
