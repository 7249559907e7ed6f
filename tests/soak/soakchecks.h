#pragma once

#include <string>

namespace ubic {
class TModelForm;
class TMainForm;
}  // namespace ubic

namespace ubic::soak {

// The first way in which a document window disagrees with its model, its file or itself; empty
// when there is none. Checked: the model's consistency, the modified mark against the bytes of
// the file, the title, the Model page's tree, the grid of the page shown and the Graphs page's
// option list, and Undo and Redo against the history.
std::string DocumentFault(const TMainForm& main, const TModelForm& document);

}  // namespace ubic::soak
