#pragma once

#include <string>

#include "foundation/object.h"

namespace ubic::test {

// A list item that reports its destruction, so that a test sees exactly what a list released.
class TCounted : public TObject {
 public:
  TCounted(int value, int* destroyed) : Value(value), FDestroyed(destroyed) {}
  ~TCounted() override {
    if (FDestroyed != nullptr) ++*FDestroyed;
  }

  int Value;

 private:
  int* FDestroyed;
};

inline int CompareValue(const TObject* item1, const TObject* item2) {
  const int a = static_cast<const TCounted*>(item1)->Value;
  const int b = static_cast<const TCounted*>(item2)->Value;
  return (a > b) - (a < b);
}

// The message of the exception of class E that Action raises; a marker text when it raises none.
template <class E, class F>
std::string MessageOf(F&& action) {
  try {
    action();
  } catch (const E& error) {
    return error.what();
  }
  return "<nothing raised>";
}

}  // namespace ubic::test
