// Writes the inputs of the command-line benchmarks: a model of 20 basic and 11 aggregate
// attributes and an options file of many single-valued options for it, or with "weighted" of
// options whose every other basic attribute holds weights over two values.
#include <cstdio>
#include <string>

#include "cli_inputs.h"

int main(int argc, char** argv) {
  const bool weighted = argc == 5 && std::string(argv[4]) == "weighted";
  if (argc != 4 && !weighted) {
    std::fprintf(stderr, "usage: make-cli-inputs MODEL.ubm OPTIONS.csv COUNT [weighted]\n");
    return 2;
  }
  return ubic::bench::WriteCliInputs(argv[1], argv[2], std::stoi(argv[3]), weighted) ? 0 : 1;
}
