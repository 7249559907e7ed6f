// Writes the inputs of the command-line benchmarks: a model of 20 basic and 11 aggregate
// attributes and an options file of many single-valued options for it.
#include <cstdio>
#include <string>

#include "cli_inputs.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make-cli-inputs MODEL.ubm OPTIONS.csv COUNT\n");
    return 2;
  }
  return ubic::bench::WriteCliInputs(argv[1], argv[2], std::stoi(argv[3])) ? 0 : 1;
}
