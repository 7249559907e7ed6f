#pragma once

#include <stdexcept>

namespace ubic::cli {

// An error of the tool itself, its message already in UTF-8.
class ECliError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A command line the tool does not understand; reported with the usage text.
class EUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace ubic::cli
