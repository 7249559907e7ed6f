#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/valuetext.h"
#include "reports/tables.h"

namespace ubic {

// The building blocks that the sections of the model reports share.

// A section under a bold heading and Space lines of space; the formatter keeps it on one page
// when it fits, unless Keep says otherwise.
TRptSection& AddHeadedSection(TRptGroup& parent, const std::string& title,
                              const std::string& heading, int keep = TRptGroup::kKeepWhole,
                              float space = 0.5F);

// A table whose rows may be split over pages, its columns as wide as their widest cells.
TRptTable& AddTable(TRptSection& section, const std::string& title, int columns);

TRptText& AddNumberText(TRptGroup& group, const std::string& text);

// A bold row, ruled below; the cells from RightAlignedFrom on are right-aligned, the others
// break into lines when the table is too wide for its page.
void AddHeadingRow(TRptTable& table, const std::vector<std::string>& headings,
                   std::size_t rightAlignedFrom = SIZE_MAX);

// Value texts, bad values red and bold, good ones green, bold and italic.
void AddValueRuns(TRptGroup& line, const TValueRuns& runs);

// Value texts as a paragraph of Cell, which breaks into lines when the table is too wide.
void AddValueParagraph(TRptCell& cell, const TValueRuns& runs);

// A cell with an attribute's name behind the tree characters that lead to it, bold for an
// aggregate attribute.
TRptCell& AddAttributeCell(TRptRow& row, const std::string& tree, const std::string& name,
                           bool aggregate);

}  // namespace ubic
