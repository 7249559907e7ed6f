// The jKIV XML model import (".xml").

#include "files/jkivfile.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return ubic::fuzz::ReadAndUse(ubic::fuzz::Bytes(data, size), "input.xml",
                                ubic::LoadFromJkivFile);
}
