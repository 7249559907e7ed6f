#include "scalegroups.h"

#include <algorithm>

namespace ubic {

void TScaleGroups::MarkBad(int index) {
  FLowestBad = std::min(FLowestBad, index);
  FHighestBad = std::max(FHighestBad, index);
}

void TScaleGroups::MarkGood(int index) {
  FLowestGood = std::min(FLowestGood, index);
  FHighestGood = std::max(FHighestGood, index);
}

void TScaleGroups::Apply(TUbicScale& scale) const {
  // The good run ends at the good value nearest the middle and the bad run at the bad value
  // nearest the middle; on a descending scale the good end is the low one. Without marks the
  // boundaries lie beyond the scale, so that no value is bad or good.
  const bool descending = scale.Order() == TScaleOrder::Descending;
  scale.SetGoodThreshold(descending ? FHighestGood : FLowestGood);
  scale.SetBadThreshold(descending ? FLowestBad : FHighestBad);
}

}  // namespace ubic
