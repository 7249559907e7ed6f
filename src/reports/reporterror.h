#pragma once

#include <stdexcept>
#include <string>

namespace ubic {

// The name by which the report engine signs its faults.
inline constexpr const char* kReportsUnit = "REPORTS";

// Misuse of the report engine by the program: a box without an element, a cell outside a row, a
// pop from an empty stack. These are faults of the caller, never of the user's data, but they end
// only the report being made, not the program. What() reads "<text> (REPORTS)".
class EReportError : public std::runtime_error {
 public:
  explicit EReportError(const std::string& text);
  // The message without the unit's name.
  const std::string& Text() const { return FText; }

 private:
  std::string FText;
};

}  // namespace ubic
