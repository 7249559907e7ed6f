#pragma once

#include <stdexcept>
#include <string>

namespace ubic {

// Root of every class that lives in the program's object lists. Lists hold items as TObject
// pointers and typed lists check the item's real class when they hand it out.
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The name of the object's actual class, without namespaces ("TUbicAttribute").
  std::string ClassName() const;
};

// Raised by a typed list access to an item of another class.
class EInvalidCast : public std::runtime_error {
 public:
  EInvalidCast() : std::runtime_error("Invalid class typecast") {}
};

// Narrows Object to T, raising EInvalidCast for an item of another class; nil stays nil.
template <class T>
T* CheckedCast(TObject* object) {
  if (object == nullptr) return nullptr;
  T* result = dynamic_cast<T*>(object);
  if (result == nullptr) throw EInvalidCast();
  return result;
}

}  // namespace ubic
