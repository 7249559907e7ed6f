// The program's own model file (".ubm").

#include "files/modelfile.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return ubic::fuzz::ReadAndUse(ubic::fuzz::Bytes(data, size), "input.ubm", ubic::LoadFromFile);
}
