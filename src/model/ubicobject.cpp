#include "ubicobject.h"

#include <algorithm>
#include <unordered_set>

#include "foundation/assertion.h"
#include "foundation/utils.h"
#include "ubicstr.h"

namespace ubic {
namespace {
constexpr const char* kUnit = "UBICMOD";
}

TUbicObject::TUbicObject() {
  GlobalObjects().Register(this);
  FRegistered = true;
}

TUbicObject::~TUbicObject() {
  if (FRegistered) Unregister();
}

void TUbicObject::Unregister() {
  FRegistered = false;
  if (!GlobalObjects().Unregister(this)) {
    AssertionFailed(Format(ubicstr::AlreadyDestroyed, DebugName()), kUnit);
  }
}

std::string TUbicObject::DebugName() const {
  return Format("Class=\"%s\", Name=\"%s\"", ClassName(), GetName());
}

void TUbicObject::ForEachOwned(const std::function<void(const TUbicObject*)>&) const {}

TGlobalUbicList::~TGlobalUbicList() {
  Finalize();
}

void TGlobalUbicList::Register(TUbicObject* object) {
  object->FPrevious = FLast;
  object->FNext = nullptr;
  (FLast != nullptr ? FLast->FNext : FFirst) = object;
  FLast = object;
  ++FCount;
}

bool TGlobalUbicList::Unregister(TUbicObject* object) {
  // Only a registered object is the first one or has a predecessor.
  if (object->FPrevious == nullptr && FFirst != object) return false;
  TUbicObject* previous = object->FPrevious;
  TUbicObject* next = object->FNext;
  (previous != nullptr ? previous->FNext : FFirst) = next;
  (next != nullptr ? next->FPrevious : FLast) = previous;
  object->FPrevious = object->FNext = nullptr;
  --FCount;
  return true;
}

bool TGlobalUbicList::Contains(const TUbicObject* object) const {
  for (const TUbicObject* o = FFirst; o != nullptr; o = o->FNext) {
    if (o == object) return true;
  }
  return false;
}

std::vector<TUbicObject*> TGlobalUbicList::Objects() const {
  std::vector<TUbicObject*> objects;
  objects.reserve(FCount);
  for (TUbicObject* o = FFirst; o != nullptr; o = o->FNext) objects.push_back(o);
  return objects;
}

void TGlobalUbicList::Finalize() {
  if (FCount == 0) return;
  AssertionFailed(Format(ubicstr::PendingObjects, Count()), kUnit);
  while (FCount > 0) {
    const std::vector<TUbicObject*> objects = Objects();
    std::unordered_set<const TUbicObject*> owned;
    for (const TUbicObject* object : objects) {
      object->ForEachOwned([&owned](const TUbicObject* child) { owned.insert(child); });
    }
    bool destroyed = false;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
      if (owned.count(*it) == 0) {
        delete *it;
        destroyed = true;
      }
    }
    // Ownership has no cycles; this only guards against looping forever if it ever had one.
    if (!destroyed) delete objects.back();
  }
}

TGlobalUbicList& GlobalObjects() {
  static TGlobalUbicList registry;
  return registry;
}

TUbicObject* TUbicList::FindByName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    TUbicObject* object = GetObject(i);
    if (object != nullptr && object->GetName() == name) return object;
  }
  return nullptr;
}

}  // namespace ubic
