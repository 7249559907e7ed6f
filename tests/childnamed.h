#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

namespace ubic {

// The descendant of Parent named Name, of type T. The windows keep their controls to themselves
// and name them; tests, the soak and the benchmarks reach them by these names. A missing or
// mistyped control throws, naming it, so that a renamed control fails loudly instead of as a
// null pointer somewhere later.
template <class T>
T* Child(const QObject* parent, const char* name) {
  // dynamic_cast rather than findChild<T*>: some pages are QObjects without their own meta-object.
  auto* child = dynamic_cast<T*>(parent->findChild<QObject*>(QString::fromLatin1(name)));
  if (child == nullptr) {
    throw std::logic_error("No control named " + std::string(name) + " of the expected type");
  }
  return child;
}

}  // namespace ubic
