#include "files/savename.h"

#include <gtest/gtest.h>

namespace ubic {
namespace {

const std::vector<std::string> kModelFilters = {"Decision model Ubic (*.ubm)", "Model jKIV (*.xml)",
                                                "KIV ASCII Interchange (*.kvx)", "All files (*.*)"};

TEST(SaveName, FilterEntriesNameTheirExtension) {
  EXPECT_EQ(FilterExtension("Model jKIV (*.xml)"), ".xml");
  EXPECT_EQ(FilterExtension("Web page (*.htm *.html)"), ".htm");
  EXPECT_EQ(FilterExtension("Tables (a) (*.csv)"), ".csv");
  EXPECT_EQ(FilterExtension("All files (*.*)"), "");
  EXPECT_EQ(FilterExtension("Everything (*)"), "");
  EXPECT_EQ(FilterExtension("No pattern"), "");
}

TEST(SaveName, TheChosenEntryGivesTheExtension) {
  // None typed: the entry's is added, whatever the dialog proposed first.
  EXPECT_EQ(SaveFileName("/home/u/laptop", kModelFilters, 2), "/home/u/laptop.xml");
  EXPECT_EQ(SaveFileName("/home/u/laptop.", kModelFilters, 3), "/home/u/laptop.kvx");
  EXPECT_EQ(SaveFileName("/home/my.models/laptop", kModelFilters, 1), "/home/my.models/laptop.ubm");
  // The entry's own is kept as typed.
  EXPECT_EQ(SaveFileName("CAR.XML", kModelFilters, 2), "CAR.XML");
  EXPECT_EQ(SaveFileName("car.ubm", kModelFilters, 1), "car.ubm");
  // Another entry's of the same dialog is replaced.
  EXPECT_EQ(SaveFileName("car.ubm", kModelFilters, 2), "car.xml");
  EXPECT_EQ(SaveFileName("car.KVX", kModelFilters, 1), "car.ubm");
  // Any other is part of the name.
  EXPECT_EQ(SaveFileName("car.v2", kModelFilters, 2), "car.v2.xml");
  EXPECT_EQ(SaveFileName("report.csv", kModelFilters, 1), "report.csv.ubm");
}

TEST(SaveName, AllFilesKeepsWhatWasTyped) {
  for (const char* typed : {"laptop", "laptop.xml", "laptop.txt", "laptop."}) {
    EXPECT_EQ(SaveFileName(typed, kModelFilters, 4), typed);
  }
  // A dialog that reports no entry leaves the name alone too.
  EXPECT_EQ(SaveFileName("laptop", kModelFilters, 0), "laptop");
  EXPECT_EQ(SaveFileName("laptop", {}, 1), "laptop");
}

}  // namespace
}  // namespace ubic
