#pragma once

#include <string>
#include <vector>

#include "model.h"

namespace ubic {

enum class TTargetDirection { AtLeast, AtMost };

// What would it take for an option to reach a value: the attribute's whole result (every value of
// a set; an undefined result counts as any value) at least or at most Value, by the order of its
// scale (by position on a scale without an order).
struct TTargetQuestion {
  int Option = 0;
  const TUbicAttribute* Attribute = nullptr;
  TTargetDirection Direction = TTargetDirection::AtLeast;
  int Value = 0;
  // Solutions beyond this many are only counted.
  int Limit = 20;
};

// One basic attribute set to a single value.
struct TBasicChange {
  const TUbicAttribute* Attribute = nullptr;
  // The option's value-set text as it is.
  std::string From;
  int To = 0;
  // Scale steps from the nearest value the attribute had (an undefined value had them all).
  int Steps = 0;

  bool operator==(const TBasicChange&) const = default;
};

struct TTargetSolution {
  // In the order of the attributes in the tree.
  std::vector<TBasicChange> Changes;
  int Steps = 0;

  bool operator==(const TTargetSolution&) const = default;
};

enum class TTargetOutcome { Reached, Reachable, Unreachable };

// The solutions are the sets of changes with the fewest changed basic attributes below the
// attribute that make it reach the target; of those with the same attributes, one that moves an
// attribute further than another does (and none less far) is left out, since going further than
// needed is no new solution. They are ordered by their total steps, then by the attributes'
// places in the tree and the values they get; Limit of them are listed and More counts the rest.
struct TTargetAnswer {
  TTargetOutcome Outcome = TTargetOutcome::Unreachable;
  // The number of changed attributes every solution has.
  int ChangeCount = 0;
  std::vector<TTargetSolution> Solutions;
  int More = 0;
};

// Whether Value of Scale meets the target.
bool MeetsTarget(const TUbicScale& scale, TTargetDirection direction, int target, int value);

// Exact: the tree is searched subtree by subtree for the results each can give with the fewest
// changes, so that no smaller change is missed. Evaluates as the model does, on copies of the
// values: the model the attribute belongs to is left as it is. Solutions are counted in classes
// and only the listed ones are made, so countless solutions (as of many unknown values) take no
// longer than a few; a count of more than More can hold raises EIntOverflow.
TTargetAnswer FindTargetChanges(const TTargetQuestion& question);

}  // namespace ubic
