#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "object.h"

namespace ubic {

// Errors of the object and string lists: index errors, forbidden duplicates, a missing comparison.
class EListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a sorted list does when an item equal to an existing one is added.
enum class TDuplicates { Ignore, Accept, Error };

[[noreturn]] void ListIndexError(int index);

// Binary search over Count sorted items; CompareAt(i) compares item i with the one sought. Index
// receives the position found or the one to insert at; with duplicates accepted it is the first
// of equal items.
template <class CompareAt>
bool BinaryFind(int count, TDuplicates duplicates, CompareAt compareAt, int& index) {
  int low = 0;
  int high = count - 1;
  bool found = false;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    const int comparison = compareAt(middle);
    if (comparison < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (comparison == 0) {
        found = true;
        if (duplicates != TDuplicates::Accept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

// A list of objects that may own them. An owning list destroys an item when it is removed,
// replaced, or the list is cleared or destroyed. A sorted list inserts by binary search with
// Compare; inserting, exchanging or moving by index switches sorting off first.
class TObjList : public TObject {
 public:
  using TCompareObj = int (*)(const TObject* item1, const TObject* item2);

  explicit TObjList(bool ownsObjects = false, bool sorted = false,
                    TDuplicates duplicates = TDuplicates::Accept);
  ~TObjList() override;

  int Count() const { return static_cast<int>(FItems.size()); }
  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool value) { FOwnsObjects = value; }
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates value) { FDuplicates = value; }
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  TCompareObj CompareObj() const { return FCompareObj; }
  void SetCompareObj(TCompareObj value) { FCompareObj = value; }

  virtual void Clear();
  virtual void QuickSort(int low, int high);
  virtual TObject* Get(int index) const;
  // Releases the old item (see ReleaseItem), then stores Item.
  virtual void Put(int index, TObject* item);
  virtual int Compare(const TObject* item1, const TObject* item2) const;
  // Binary search; with duplicates accepted it finds the first of equal items.
  virtual bool Find(const TObject* item, int& index) const;
  virtual void Sort();
  virtual void FreeItem(int index);
  virtual void FreeObject(TObject* item);
  virtual void FreeAll();
  virtual void ReleaseItem(int index);
  virtual void ReleaseObject(TObject* item);
  virtual void ReleaseAll();
  virtual TObject* ExtractItem(int index);
  virtual TObject* ExtractObject(TObject* item);
  virtual TObject* ExtractAndDelete(int index);
  virtual TObject* ExtractAndDeleteObject(TObject* item);

  // Returns the index of the new item, or of the existing equal one when a sorted list ignores
  // duplicates (then nothing is added).
  int Add(TObject* item);
  // For owning lists: the list takes Item over; an item that is not stored is destroyed.
  int AddOwned(std::unique_ptr<TObject> item);
  void Insert(int index, TObject* item);
  void Exchange(int index1, int index2);
  void Move(int currentIndex, int newIndex);
  bool Contains(const TObject* item) const { return IndexOf(item) >= 0; }
  int AddUnique(TObject* item);
  void Delete(int index);
  int Remove(TObject* item);
  int IndexOf(const TObject* item) const;
  TObject* First() const { return Get(0); }
  TObject* Last() const { return Get(Count() - 1); }

 private:
  void CheckIndex(int index) const;

  std::vector<TObject*> FItems;
  bool FOwnsObjects;
  bool FSorted;
  TDuplicates FDuplicates;
  TCompareObj FCompareObj = nullptr;
};

}  // namespace ubic
