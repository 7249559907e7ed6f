#include "report.h"

#include "foundation/checkedint.h"

namespace ubic {

TReport::TReport()
    : TRptVerticalGroup(nullptr),
      FPageHeader(std::make_unique<TRptHVGroup>(this)),
      FPageFooter(std::make_unique<TRptHVGroup>(this)) {
  SetKeep(kKeepNone);
}

TReport* TReport::Report() {
  return Owner() != nullptr ? TRptVerticalGroup::Report() : this;
}

int TReport::TakeTableNumber() {
  const int number = FNextTableNumber;
  FNextTableNumber = CheckedAdd(FNextTableNumber, 1);
  return number;
}

void TReport::SetPageRange(int firstPage, int lastPage) {
  FFirstPage = firstPage;
  FLastPage = lastPage;
}

}  // namespace ubic
