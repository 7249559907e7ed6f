#pragma once

#include <optional>
#include <string>

namespace ubic {
class TModelForm;
class TMainForm;
}  // namespace ubic

namespace ubic::soak {

// The first way in which a document window disagrees with its model, its file or itself; empty
// when there is none. FileText is the model text that the document's file stands for (as it was
// opened or last written), none when it stands for no state of the model. Checked: the model's
// consistency, the modified mark against FileText, the title, the Model page's tree, the grid of
// the page shown and the Graphs page's option list, and Undo and Redo against the history.
std::string DocumentFault(const TMainForm& main, const TModelForm& document,
                          const std::optional<std::string>& fileText);

}  // namespace ubic::soak
