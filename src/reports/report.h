#pragma once

#include <cstdint>
#include <memory>

#include "groups.h"

namespace ubic {

enum TOrientation : std::uint8_t { orPortrait = 0, orLandscape = 1 };

// The root of a report: its sections, the page header and footer repeated on every page, and the
// formatter laying it out.
class TReport : public TRptVerticalGroup {
 public:
  TReport();

  TReport* Report() override;
  TFormatter* Formatter() const override { return FFormatter; }
  void SetFormatter(TFormatter* formatter) { FFormatter = formatter; }

  TRptHVGroup& PageHeader() const { return *FPageHeader; }
  TRptHVGroup& PageFooter() const { return *FPageFooter; }
  int NextTableNumber() const { return FNextTableNumber; }
  // The number for a new table; the next one gets the following number.
  int TakeTableNumber();
  TOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TOrientation value) { FOrientation = value; }
  // The preview's numbers of the report's first and last page.
  int FirstPage() const { return FFirstPage; }
  int LastPage() const { return FLastPage; }
  void SetPageRange(int firstPage, int lastPage);

 private:
  TFormatter* FFormatter = nullptr;
  std::unique_ptr<TRptHVGroup> FPageHeader;
  std::unique_ptr<TRptHVGroup> FPageFooter;
  int FNextTableNumber = 1;
  TOrientation FOrientation = orPortrait;
  int FFirstPage = 0;
  int FLastPage = 0;
};

}  // namespace ubic
