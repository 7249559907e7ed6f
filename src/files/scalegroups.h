#pragma once

#include <climits>

#include "model/scale.h"

namespace ubic {

// The bad and good marks that the foreign formats give value by value, turned into a scale's two
// thresholds once all values are read. Two thresholds hold a run of bad values at the scale's bad
// end and a run of good values at its good end, which is all that any writer produces; those
// marks come back exactly, whatever the scale's order.
class TScaleGroups {
 public:
  void MarkBad(int index);
  void MarkGood(int index);
  // Sets the thresholds of Scale, whose order must be final by now: it decides which end is bad.
  void Apply(TUbicScale& scale) const;

 private:
  int FLowestBad = INT_MAX;
  int FHighestBad = -1;
  int FLowestGood = INT_MAX;
  int FHighestGood = -1;
};

}  // namespace ubic
