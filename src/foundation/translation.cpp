#include "translation.h"

#include <atomic>

namespace ubic {

namespace {

// Set once at start-up by the desktop program, read by report and message code on any thread.
std::atomic<TTextCatalogue> catalogue{nullptr};

}  // namespace

void SetTextCatalogue(TTextCatalogue newCatalogue) {
  catalogue.store(newCatalogue);
}

std::string Translated(std::string_view english) {
  const TTextCatalogue current = catalogue.load();
  if (current == nullptr) return std::string(english);
  return current(std::string(english).c_str());
}

}  // namespace ubic
