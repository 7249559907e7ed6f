#pragma once

#include <string>
#include <vector>

#include "model/model.h"

namespace ubic {

// An attribute a view remembers (a chart's chosen attribute, a grid's current row) across
// changes of the model. Undo and Redo read the model anew and an edit may remove the attribute,
// so it is kept as the report's target questions keep theirs: by its name, and by its place in
// the tree to tell apart attributes of one name.
class TAttributeRef {
 public:
  explicit TAttributeRef(const TUbicAttribute& attribute);

  // The attribute in Model: the one at the kept place while it has the kept name, else the first
  // of that name in the tree's order; nil when none has it.
  const TUbicAttribute* Find(const TUbicModel& model) const;
  // Whether this refers to Attribute of Model.
  bool Refers(const TUbicModel& model, const TUbicAttribute& attribute) const {
    return Find(model) == &attribute;
  }

 private:
  std::string FName;
  std::vector<int> FPath;
};

// The attributes of Model that Refs refer to, in their order; those Model no longer has are
// left out, and so is a second reference to one attribute.
std::vector<const TUbicAttribute*> FindAll(const TUbicModel& model,
                                           const std::vector<TAttributeRef>& refs);

}  // namespace ubic
