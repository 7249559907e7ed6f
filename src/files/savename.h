#pragma once

#include <string>
#include <vector>

namespace ubic {

// The extension a file dialog's filter entry stands for: the first pattern in the parentheses
// that end the entry, without its "*" ("Model jKIV (*.xml)" gives ".xml"). Empty when the
// pattern names no extension, as "All files (*.*)" does.
std::string FilterExtension(const std::string& filter);

// The name a save dialog writes to, so that the file is named as the chosen filter entry
// (from 1) says: a name without an extension gets the entry's; one that ends in it keeps it (in
// any letter case); one that ends in the extension of another entry of the same dialog has it
// replaced; any other name gets the entry's extension appended. An entry that names no extension
// keeps the name as it was typed.
std::string SaveFileName(const std::string& typed, const std::vector<std::string>& filters,
                         int filterIndex);

}  // namespace ubic
