#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace ubic::cli {

// The tool's entry point: runs the command line Args (without the program name), writing results
// to Out and warnings and errors to Err. Returns the exit status: 0 on success, 1 after an error,
// 2 for a command line it does not understand.
int Run(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

}  // namespace ubic::cli
