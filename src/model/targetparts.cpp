#include "targetparts.h"

#include <algorithm>
#include <limits>

namespace ubic {
namespace {

constexpr TTargetCount kCountLimit = std::numeric_limits<TTargetCount>::max();

// A set of changes as two pieces, the second's attributes after the first's.
struct TJoined {
  const TTargetChanges& First;
  const TTargetChanges& Second;

  std::size_t Size() const { return First.size() + Second.size(); }
  const TTargetChange& operator[](std::size_t i) const {
    return i < First.size() ? First[i] : Second[i - First.size()];
  }
};

template <class A, class B>
bool JoinedBefore(const A& a, const B& b) {
  const std::size_t size = std::min(a.Size(), b.Size());
  for (std::size_t i = 0; i < size; ++i) {
    if (a[i].Basic != b[i].Basic) return a[i].Basic < b[i].Basic;
  }
  if (a.Size() != b.Size()) return a.Size() < b.Size();
  for (std::size_t i = 0; i < size; ++i) {
    if (a[i].To != b[i].To) return a[i].To < b[i].To;
  }
  return false;
}

bool SameAttributes(const TTargetChanges& a, const TTargetChanges& b) {
  return std::equal(
      a.begin(), a.end(), b.begin(), b.end(),
      [](const TTargetChange& x, const TTargetChange& y) { return x.Basic == y.Basic; });
}

// Whether the set at Index of the part changes the same attributes as the one at Group, an
// earlier one.
bool InGroup(TTargetPart& part, std::size_t group, std::size_t index) {
  if (part.At(index) == nullptr) return false;
  return SameAttributes(*part.At(index), *part.At(group));
}

}  // namespace

TTargetCount AddCounts(TTargetCount a, TTargetCount b) {
  TTargetCount sum = 0;
  return __builtin_add_overflow(a, b, &sum) ? kCountLimit : sum;
}

TTargetCount MultiplyCounts(TTargetCount a, TTargetCount b) {
  TTargetCount product = 0;
  return __builtin_mul_overflow(a, b, &product) ? kCountLimit : product;
}

bool ComesBefore(const TTargetChanges& a, const TTargetChanges& b) {
  const TTargetChanges none;
  return JoinedBefore(TJoined{a, none}, TJoined{b, none});
}

TTargetPart::TTargetPart(TTargetChanges changes) : FCount(1), FStarted(true) {
  FListed.push_back(std::move(changes));
}

void TTargetPart::AddProduct(TTargetPart& first, TTargetPart& second) {
  FProducts.emplace_back(first, second);
  FCount = AddCounts(FCount, MultiplyCounts(first.Count(), second.Count()));
}

const TTargetChanges* TTargetPart::At(std::size_t index) {
  if (!FStarted) Start();
  while (FListed.size() <= index && !FWaiting.empty()) {
    const auto later = [this](std::size_t a, std::size_t b) {
      return FProducts[b].ComesBefore(FProducts[a]);
    };
    std::pop_heap(FWaiting.begin(), FWaiting.end(), later);
    TCursor& next = FProducts[FWaiting.back()];
    FListed.push_back(next.Current());
    if (next.Advance()) {
      std::push_heap(FWaiting.begin(), FWaiting.end(), later);
    } else {
      FWaiting.pop_back();
    }
  }
  return index < FListed.size() ? &FListed[index] : nullptr;
}

void TTargetPart::Start() {
  FStarted = true;
  for (std::size_t p = 0; p < FProducts.size(); ++p) {
    if (FProducts[p].Valid()) FWaiting.push_back(p);
  }
  std::make_heap(FWaiting.begin(), FWaiting.end(), [this](std::size_t a, std::size_t b) {
    return FProducts[b].ComesBefore(FProducts[a]);
  });
}

bool TTargetPart::TCursor::Valid() const {
  return FFirst->At(FFirstAt) != nullptr && FSecond->At(FSecondAt) != nullptr;
}

bool TTargetPart::TCursor::Advance() {
  if (InGroup(*FSecond, FSecondGroup, FSecondAt + 1)) {
    ++FSecondAt;
  } else if (InGroup(*FFirst, FFirstGroup, FFirstAt + 1)) {
    ++FFirstAt;
    FSecondAt = FSecondGroup;
  } else if (FSecond->At(FSecondAt + 1) != nullptr) {
    FSecondGroup = FSecondAt = FSecondAt + 1;
    FFirstAt = FFirstGroup;
  } else if (FFirst->At(FFirstAt + 1) != nullptr) {
    FFirstGroup = FFirstAt = FFirstAt + 1;
    FSecondGroup = FSecondAt = 0;
  } else {
    return false;
  }
  return true;
}

TTargetChanges TTargetPart::TCursor::Current() const {
  TTargetChanges changes = *FFirst->At(FFirstAt);
  const TTargetChanges& second = *FSecond->At(FSecondAt);
  changes.insert(changes.end(), second.begin(), second.end());
  return changes;
}

bool TTargetPart::TCursor::ComesBefore(const TCursor& other) const {
  return JoinedBefore(
      TJoined{*FFirst->At(FFirstAt), *FSecond->At(FSecondAt)},
      TJoined{*other.FFirst->At(other.FFirstAt), *other.FSecond->At(other.FSecondAt)});
}

}  // namespace ubic
