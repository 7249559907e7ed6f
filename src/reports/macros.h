#pragma once

#include <string>

namespace ubic {

class TFormatter;

// The macro language of TRptMacro. A macro is stored trimmed and in upper case; it starts with a
// keyword, and the rest after the keyword, trimmed, is its argument. Keywords are matched by
// prefix in this order, so "PAGES" is PAGE with the argument "S" and DATETIME is tried before
// DATE:
//   PAGE      the number of the page being made (counting from the formatter's first number);
//   TITLE     the title of the report;
//   SECTION   the formatter's current section: its title for the argument TITLE, its numbers
//             ("2.3") for NUMBERS, its number otherwise; empty outside any section;
//   TABLE     the same for the current table;
//   DATETIME  the formatter's start time: the locale's short date and short time for no argument
//             or SHORT, long date and long time for LONG, else the argument as a FormatDateTime
//             pattern (datetimeformat.h);
//   DATE      the same with the date format alone;
//   TIME      the same with the time format alone.
// Anything else shows as itself between "[" and "]".

// Trimmed of blanks and in upper case, as a macro is stored.
std::string NormalizeMacro(const std::string& text);

// The expansion of a normalised macro; "<Unknown Formatter>" without a formatter.
std::string ExpandMacro(const std::string& macro, const TFormatter* formatter);

}  // namespace ubic
