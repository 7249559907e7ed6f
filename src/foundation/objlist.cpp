#include "objlist.h"

#include <algorithm>
#include <utility>

namespace ubic {

void ListIndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

TObjList::TObjList(bool ownsObjects, bool sorted, TDuplicates duplicates)
    : FOwnsObjects(ownsObjects), FSorted(sorted), FDuplicates(duplicates) {}

TObjList::~TObjList() {
  if (FOwnsObjects) {
    for (TObject* item : FItems) delete item;
  }
}

void TObjList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) ListIndexError(index);
}

void TObjList::SetSorted(bool value) {
  if (value && !FSorted) Sort();
  FSorted = value;
}

void TObjList::Clear() {
  ReleaseAll();
  FItems.clear();
}

void TObjList::QuickSort(int low, int high) {
  if (low < 0 || high >= Count() || low >= high) return;
  // Sort a copy so that a comparison that raises leaves the list as it was.
  std::vector<TObject*> items(FItems.begin() + low, FItems.begin() + high + 1);
  std::stable_sort(items.begin(), items.end(),
                   [this](const TObject* a, const TObject* b) { return Compare(a, b) < 0; });
  std::copy(items.begin(), items.end(), FItems.begin() + low);
}

TObject* TObjList::Get(int index) const {
  CheckIndex(index);
  return FItems[index];
}

void TObjList::Put(int index, TObject* item) {
  CheckIndex(index);
  // Storing the item that is already there must not destroy it.
  if (FItems[index] != item) ReleaseItem(index);
  FItems[index] = item;
}

int TObjList::Compare(const TObject* item1, const TObject* item2) const {
  if (FCompareObj == nullptr) throw EListError(ClassName() + ": undefined CompareObj method");
  return FCompareObj(item1, item2);
}

bool TObjList::Find(const TObject* item, int& index) const {
  return BinaryFind(
      Count(), FDuplicates, [&](int i) { return Compare(FItems[i], item); }, index);
}

void TObjList::Sort() {
  if (!FSorted && Count() > 1) QuickSort(0, Count() - 1);
}

void TObjList::FreeItem(int index) {
  CheckIndex(index);
  delete std::exchange(FItems[index], nullptr);
}

void TObjList::FreeObject(TObject* item) {
  const int index = IndexOf(item);
  if (index >= 0) FreeItem(index);
}

void TObjList::FreeAll() {
  for (int i = 0; i < Count(); ++i) FreeItem(i);
}

void TObjList::ReleaseItem(int index) {
  CheckIndex(index);
  TObject* item = std::exchange(FItems[index], nullptr);
  if (FOwnsObjects) delete item;
}

void TObjList::ReleaseObject(TObject* item) {
  const int index = IndexOf(item);
  if (index >= 0) ReleaseItem(index);
}

void TObjList::ReleaseAll() {
  for (int i = 0; i < Count(); ++i) ReleaseItem(i);
}

TObject* TObjList::ExtractItem(int index) {
  CheckIndex(index);
  return std::exchange(FItems[index], nullptr);
}

TObject* TObjList::ExtractObject(TObject* item) {
  const int index = IndexOf(item);
  return index >= 0 ? ExtractItem(index) : nullptr;
}

TObject* TObjList::ExtractAndDelete(int index) {
  CheckIndex(index);
  TObject* item = FItems[index];
  FItems.erase(FItems.begin() + index);
  return item;
}

TObject* TObjList::ExtractAndDeleteObject(TObject* item) {
  const int index = IndexOf(item);
  return index >= 0 ? ExtractAndDelete(index) : nullptr;
}

int TObjList::Add(TObject* item) {
  if (!FSorted) {
    FItems.push_back(item);
    return Count() - 1;
  }
  int index = 0;
  if (Find(item, index)) {
    if (FDuplicates == TDuplicates::Ignore) return index;
    if (FDuplicates == TDuplicates::Error) {
      throw EListError("Object list does not allow duplicates");
    }
  }
  FItems.insert(FItems.begin() + index, item);
  return index;
}

int TObjList::AddOwned(std::unique_ptr<TObject> item) {
  const int index = Add(item.get());
  if (FItems[index] == item.get()) item.release();
  return index;
}

void TObjList::Insert(int index, TObject* item) {
  if (index < 0 || index > Count()) ListIndexError(index);
  FSorted = false;
  FItems.insert(FItems.begin() + index, item);
}

void TObjList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  FSorted = false;
  std::swap(FItems[index1], FItems[index2]);
}

void TObjList::Move(int currentIndex, int newIndex) {
  CheckIndex(currentIndex);
  CheckIndex(newIndex);
  FSorted = false;
  TObject* item = FItems[currentIndex];
  FItems.erase(FItems.begin() + currentIndex);
  FItems.insert(FItems.begin() + newIndex, item);
}

int TObjList::AddUnique(TObject* item) {
  const int index = IndexOf(item);
  return index >= 0 ? index : Add(item);
}

void TObjList::Delete(int index) {
  ReleaseItem(index);
  FItems.erase(FItems.begin() + index);
}

int TObjList::Remove(TObject* item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

int TObjList::IndexOf(const TObject* item) const {
  const auto found = std::find(FItems.begin(), FItems.end(), item);
  return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

}  // namespace ubic
