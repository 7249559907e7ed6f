#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "objlist.h"

namespace ubic {

// A list of 8-bit strings, each with an associated object that the list may own. Without a
// CompareStr, strings compare case-insensitively in the Windows-1250 alphabet.
class TStrList : public TObject {
 public:
  using TCompareStr = int (*)(const std::string& s1, const std::string& s2);
  using TCompareObj = TObjList::TCompareObj;
  using TNotify = std::function<void()>;

  explicit TStrList(bool ownsObjects = false, bool sorted = false,
                    TDuplicates duplicates = TDuplicates::Ignore);
  TStrList(const TStrList&) = delete;
  TStrList& operator=(const TStrList&) = delete;
  ~TStrList() override;

  int Count() const { return static_cast<int>(FStrings.size()); }
  bool Empty() const { return FStrings.empty(); }
  const std::string& Get(int index) const {
    CheckIndex(index);
    return FStrings[index];
  }
  const std::string& operator[](int index) const { return Get(index); }
  // Every string in order, for a loop over a whole list that has checked its bounds once.
  std::span<const std::string> Texts() const { return FStrings; }
  void Put(int index, const std::string& text);
  // Calls Update(index, text) for the strings from First to Last - 1, which it may change in
  // place, with one change notification for all of them.
  template <class Update>
  void UpdateRange(int first, int last, Update update);
  // Appends empty strings until the list has Count strings.
  void Grow(int count);
  // Appends Count strings, the I-th being TextOf(I), with one change notification. Room for all
  // of them is made at once, so that a long list is filled without being moved as it grows.
  template <class TextOf>
  void AppendStrings(int count, TextOf textOf);
  TObject* Objects(int index) const;
  // Stores Object with the string at Index; an owned object it replaces is destroyed.
  void PutObject(int index, TObject* object);

  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool value) { FOwnsObjects = value; }
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates value) { FDuplicates = value; }
  TCompareStr CompareStr() const { return FCompareStr; }
  // Switches sorting off when the list is not empty: its order may no longer hold.
  void SetCompareStr(TCompareStr value);
  TCompareObj CompareObj() const { return FCompareObj; }
  void SetCompareObj(TCompareObj value) { FCompareObj = value; }

  int Add(const std::string& text) { return AddObject(text, nullptr); }
  int AddObject(const std::string& text, TObject* object);
  void Insert(int index, const std::string& text) { InsertObject(index, text, nullptr); }
  void InsertObject(int index, const std::string& text, TObject* object);
  virtual void Delete(int index);
  virtual void Clear();
  virtual int IndexOf(const std::string& text) const;
  int IndexOfObject(const TObject* object) const;
  virtual void Move(int currentIndex, int newIndex);
  void Exchange(int index1, int index2);
  // Moves the strings and objects of Source to the end of this list and leaves Source empty.
  // Both lists are unsorted, and both own their objects or both do not.
  void MoveItemsFrom(TStrList& source);
  // Binary search with CompareStr; with duplicates accepted it finds the first of equal strings.
  virtual bool Find(const std::string& text, int& index) const;
  virtual void Sort();
  // Sorts by an explicit comparison of strings, keeping each object with its string.
  void CustomSort(const std::function<int(const std::string&, const std::string&)>& compare);

  // Takes strings and objects; the objects are shared afterwards, so this list stops owning.
  virtual void Assign(const TStrList& source);
  void Assign(const std::vector<std::string>& source);
  void AddStrings(const std::vector<std::string>& strings);
  std::vector<std::string> Strings() const;
  // Lines joined by CR LF, each line ended; SetText splits at CR, LF or CR LF.
  std::string Text() const;
  void SetText(const std::string& text);

  virtual void QuickSortStrings(int low, int high);
  virtual void QuickSortObjects(int low, int high);
  virtual int CompareStrings(const std::string& s1, const std::string& s2) const;
  virtual int CompareObjects(const TObject* o1, const TObject* o2) const;
  // Assigns, then releases every associated object: only the strings are copied.
  virtual void AssignStrings(const TStrList& source);
  virtual void SortByObjects();
  virtual void FreeObjectAt(int index);
  virtual void FreeObject(TObject* object);
  virtual void FreeAllObjects();
  virtual void ReleaseObjectAt(int index);
  virtual void ReleaseObject(TObject* object);
  virtual void ReleaseAllObjects();
  // Returns the object at Index and deletes its string; the object is not destroyed.
  virtual TObject* ExtractObjectAt(int index);

  // Change notifications around every changing operation, held back between BeginUpdate and
  // EndUpdate.
  void SetOnChanging(TNotify handler) { FOnChanging = std::move(handler); }
  void SetOnChange(TNotify handler) { FOnChange = std::move(handler); }
  void BeginUpdate();
  void EndUpdate();

 private:
  void CheckIndex(int index) const {
    if (index < 0 || index >= Count()) ListIndexError(index);
  }
  void CheckNotSorted() const;
  // Room for Extra more items; a list that keeps growing doubles its room each time.
  void MakeRoom(int extra);
  void Changing();
  void Changed();
  // Sorts the items from Low to High by Less of their indices.
  void SortRange(int low, int high, const std::function<bool(int, int)>& less);
  // The object at Index, an index checked before.
  TObject* ObjectAt(int index) const { return FObjects.empty() ? nullptr : FObjects[index]; }
  // Gives every string a place for an object.
  void NeedObjects();
  void InsertItem(int index, const std::string& text, TObject* object);
  void DeleteOwned(TObject* object) const;

  // The objects are kept apart from the strings and only once any string has one: most lists
  // have none, and a long list then takes a fifth less memory. FObjects is empty or as long as
  // FStrings.
  std::vector<std::string> FStrings;
  std::vector<TObject*> FObjects;
  bool FOwnsObjects;
  bool FSorted;
  TDuplicates FDuplicates;
  TCompareStr FCompareStr = nullptr;
  TCompareObj FCompareObj = nullptr;
  int FUpdateCount = 0;
  TNotify FOnChanging;
  TNotify FOnChange;
};

template <class Update>
void TStrList::UpdateRange(int first, int last, Update update) {
  if (first >= last) return;
  CheckNotSorted();
  CheckIndex(first);
  CheckIndex(last - 1);
  Changing();
  for (int i = first; i < last; ++i) update(i, FStrings[i]);
  Changed();
}

template <class TextOf>
void TStrList::AppendStrings(int count, TextOf textOf) {
  if (count <= 0) return;
  CheckNotSorted();
  MakeRoom(count);
  Changing();
  const int first = Count();
  try {
    for (int i = 0; i < count; ++i) FStrings.emplace_back(textOf(i));
  } catch (...) {
    FStrings.resize(first);
    throw;
  }
  // Room was made for the objects too.
  if (!FObjects.empty()) FObjects.resize(FStrings.size(), nullptr);
  Changed();
}

// Plain comparison of the bytes' codes; the order of rule texts of any scale size.
int CompareByCode(const std::string& s1, const std::string& s2);

}  // namespace ubic
