#include "reporterror.h"

namespace ubic {

EReportError::EReportError(const std::string& text)
    : std::runtime_error(text + " (" + kReportsUnit + ")"), FText(text) {}

}  // namespace ubic
