#include "assertion.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace ubic {
namespace {

void DefaultHandler(const std::string& message, const std::string& source) {
  std::fprintf(stderr, "Assertion failed: %s (%s)\n", message.c_str(), source.c_str());
  std::abort();
}

TAssertionHandler currentHandler = DefaultHandler;

}  // namespace

TAssertionHandler SetAssertionHandler(TAssertionHandler handler) {
  return std::exchange(currentHandler, handler != nullptr ? handler : DefaultHandler);
}

void AssertionFailed(const std::string& message, const std::string& source) {
  currentHandler(message, source);
}

}  // namespace ubic
