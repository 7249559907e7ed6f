#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ubic {

// One changed basic attribute: its place among the basic attributes below the attribute asked
// about, in the order of the tree, and its new value.
struct TTargetChange {
  int Basic = 0;
  int To = 0;

  bool operator==(const TTargetChange&) const = default;
};
using TTargetChanges = std::vector<TTargetChange>;

// A number of sets of changes. They multiply quickly when many values are unknown, so a count
// stops at the largest value of the type instead of wrapping.
using TTargetCount = std::uint64_t;
TTargetCount AddCounts(TTargetCount a, TTargetCount b);
TTargetCount MultiplyCounts(TTargetCount a, TTargetCount b);

// The order of the answer among sets of the same size: the one that changes the earlier
// attribute first (as their places, from the first, compare), then by the values they get.
bool ComesBefore(const TTargetChanges& a, const TTargetChanges& b);

// Sets of changes of one size, counted, and listed in the order of ComesBefore only as far as
// they are asked for, since there may be far too many to list them all. A part is one set of
// changes, or the union of products of two parts: every set of the first followed by every set
// of the second, whose attributes all come after the first's. The parts of a product must live
// as long as the part.
class TTargetPart {
 public:
  explicit TTargetPart(TTargetChanges changes);
  TTargetPart() = default;
  TTargetPart(const TTargetPart&) = delete;
  TTargetPart& operator=(const TTargetPart&) = delete;

  void AddProduct(TTargetPart& first, TTargetPart& second);
  TTargetCount Count() const { return FCount; }
  // The set of changes at Index in order, or nullptr past the last one; valid until a later
  // set of this part is asked for.
  const TTargetChanges* At(std::size_t index);

 private:
  // Goes through a product in order: the sets of the first part that change the same attributes
  // form a group, and so do those of the second; for each pair of groups in turn, every set of
  // the first group is followed by every set of the second.
  class TCursor {
   public:
    TCursor(TTargetPart& first, TTargetPart& second) : FFirst(&first), FSecond(&second) {}
    bool Valid() const;
    bool Advance();
    TTargetChanges Current() const;
    bool ComesBefore(const TCursor& other) const;

   private:
    TTargetPart* FFirst;
    TTargetPart* FSecond;
    std::size_t FFirstGroup = 0;
    std::size_t FSecondGroup = 0;
    std::size_t FFirstAt = 0;
    std::size_t FSecondAt = 0;
  };

  void Start();

  TTargetCount FCount = 0;
  std::vector<TCursor> FProducts;
  bool FStarted = false;
  // Indices into FProducts, as a heap with the cursor whose set comes first on top.
  std::vector<std::size_t> FWaiting;
  std::vector<TTargetChanges> FListed;
};

}  // namespace ubic
