#include <gtest/gtest.h>

#include <string>

#include "foundation/assertion.h"
#include "foundation/objlist.h"
#include "test_items.h"

namespace outer {
struct THolder {
  class TInner : public ubic::TObject {};
};
}  // namespace outer

namespace ubic {
namespace {

using test::TCounted;

TEST(ObjectClassName, IsTheBareNameOfTheActualClass) {
  TCounted counted(1, nullptr);
  const TObject& asBase = counted;
  EXPECT_EQ(asBase.ClassName(), "TCounted");
  EXPECT_EQ(TObject().ClassName(), "TObject");
  EXPECT_EQ(TObjList().ClassName(), "TObjList");
  EXPECT_EQ(outer::THolder::TInner().ClassName(), "TInner");
}

TEST(ObjectClassName, CheckedCastRefusesAnotherClass) {
  TCounted counted(1, nullptr);
  TObjList list;
  EXPECT_EQ(CheckedCast<TCounted>(&counted), &counted);
  EXPECT_EQ(CheckedCast<TCounted>(nullptr), nullptr);
  EXPECT_THROW(CheckedCast<TCounted>(&list), EInvalidCast);
}

std::string reported;

void RecordFault(const std::string& message, const std::string& source) {
  reported += source + ": " + message + ";";
}

TEST(AssertionHandler, ReportsToTheInstalledHandler) {
  reported.clear();
  const TAssertionHandler previous = SetAssertionHandler(RecordFault);
  ASSERT_NE(previous, nullptr);
  AssertionFailed("Object destroyed twice", "UBICMOD");
  EXPECT_EQ(reported, "UBICMOD: Object destroyed twice;");

  // The handler handed back is the one just installed.
  EXPECT_EQ(SetAssertionHandler(previous), &RecordFault);
  EXPECT_EQ(SetAssertionHandler(nullptr), previous);
  EXPECT_EQ(SetAssertionHandler(nullptr), previous);
}

TEST(AssertionHandlerDeathTest, DefaultHandlerStopsWithTheMessage) {
  SetAssertionHandler(nullptr);
  EXPECT_DEATH(AssertionFailed("Objects alive at exit", "UBICMOD"),
               "Assertion failed: Objects alive at exit \\(UBICMOD\\)");
}

}  // namespace
}  // namespace ubic
