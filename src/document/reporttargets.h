#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/target.h"

namespace ubic {

// The target questions a document window's reports answer. A question points into the model,
// and undo, redo and deleting an attribute replace or remove what it points at, so each is kept
// by the names of what it asks about and asked anew of the model as it is when a report is made.
class TReportTargets {
 public:
  // Whether a kept question asks Question of Model.
  bool Contains(const TUbicModel& model, const TTargetQuestion& question) const;
  // Keeps Question, asked of Model, unless it is kept already.
  void Add(const TUbicModel& model, const TTargetQuestion& question);
  void Remove(const TUbicModel& model, const TTargetQuestion& question);
  // The kept questions in the order they were added, asked of Model; a question whose option,
  // attribute or value Model no longer has is left out.
  std::vector<TTargetQuestion> Questions(const TUbicModel& model) const;

 private:
  struct TKept {
    std::string Option;
    // Of several options of that name, the one that was at this place.
    int OptionIndex = 0;
    std::string Attribute;
    TTargetDirection Direction = TTargetDirection::AtLeast;
    std::string Value;
    int Limit = 0;
  };

  static TKept Kept(const TUbicModel& model, const TTargetQuestion& question);
  // The question Kept asks of Model; none when Model lacks what it names.
  static std::optional<TTargetQuestion> Asked(const TUbicModel& model, const TKept& kept);

  std::vector<TKept> FKept;
};

}  // namespace ubic
