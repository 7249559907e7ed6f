#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "foundation/utils.h"
#include "model/model.h"
#include "xml.h"

namespace ubic {

// A complete, exact image of a model: the tree and options as the model file holds them, and
// what the file leaves out (the option selection, the model's own name and description, the
// remembered scale and the weights of functions that do not use them).
class TModelSnapshot {
 public:
  explicit TModelSnapshot(const TUbicModel& model);

  // Gives Model exactly the contents it had when the snapshot was taken, and whether it needed
  // evaluation then. Objects of the old tree are destroyed, so nothing may keep pointers to them.
  void Restore(TUbicModel& model) const;
  // Whether the two states give the same model file; what the file leaves out may differ.
  bool SameFileAs(const TModelSnapshot& other) const;
  // Whether the two states are the same model, also in what the file leaves out; only whether
  // it needed evaluation may differ.
  bool SameModelAs(const TModelSnapshot& other) const;

 private:
  std::unique_ptr<TXmlItem> FDocument;
  std::string FName;
  std::string FDescription;
  std::string FOptionSelection;
  bool FNeedsEvaluation;
  // The pre-order position of the attribute whose scale is the remembered one.
  std::optional<int> FLastScaleOwner;
  // The weights of each function without UseWeights, in pre-order of their attributes.
  std::vector<floatarray> FUnusedWeights;
  // The option values of every attribute in pre-order, kept apart from the document, which is
  // much quicker to build without them: how many each has, their texts one after another and the
  // length of each.
  std::vector<int> FOptionValueCounts;
  std::string FOptionTexts;
  std::vector<std::size_t> FOptionTextLengths;
  // The weights beside the option values, by the pre-order position of each attribute that has
  // any.
  std::vector<std::pair<int, std::vector<std::string>>> FOptionWeights;
};

// The attributes of Model's tree in pre-order, the hidden root excluded.
std::vector<TUbicAttribute*> PreOrderAttributes(TUbicModel& model);
std::vector<const TUbicAttribute*> PreOrderAttributes(const TUbicModel& model);

}  // namespace ubic
