#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/model.h"

namespace ubic {

// Copies of subtrees and options within and between models. A subtree is copied by writing it
// as text in the model file's layout and reading that back, so a copy shares nothing with its
// source and holds exactly what a model file would.

// The transfer text of Attribute and its subtree; of the model's whole tree when it is nil.
std::vector<std::string> WriteSubtree(const TUbicModel& model, const TUbicAttribute* attribute);
// A new detached attribute from a transfer text; nil when the text holds no attribute.
std::unique_ptr<TUbicAttribute> ReadSubtree(const std::vector<std::string>& lines);
// A deep, detached copy of Attribute and its subtree.
std::unique_ptr<TUbicAttribute> DuplicateSubtree(const TUbicAttribute& attribute);

// The name of option Index, then its value text on each of Attributes in order.
std::vector<std::string> CopyOptionToClipboard(
    const TUbicModel& model, int index, const std::vector<const TUbicAttribute*>& attributes);
// Writes a copied option into option Index: its name, then the values of Attributes in order.
void PasteOptionFromClipboard(TUbicModel& model, int index,
                              const std::vector<TUbicAttribute*>& attributes,
                              const std::vector<std::string>& clipboard);

}  // namespace ubic
