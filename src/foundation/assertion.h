#pragma once

#include <string>

namespace ubic {

// Program faults (an object destroyed twice, objects alive at exit, misuse of the report engine)
// are reported through one handler. The default one writes the message to stderr and stops the
// program; tests install their own to observe the fault and carry on. A plain function, so that
// faults found while the program's statics are destroyed can still be reported.
using TAssertionHandler = void (*)(const std::string& message, const std::string& source);

// Installs Handler and returns the one it replaces. Nil restores the default.
TAssertionHandler SetAssertionHandler(TAssertionHandler handler);

// Reports a program fault detected in the unit named Source ("UBICMOD", "REPORTS").
void AssertionFailed(const std::string& message, const std::string& source);

}  // namespace ubic
