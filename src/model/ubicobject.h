#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/objlist.h"

namespace ubic {

// The model's exception: a user-level failure with its complete message.
class EUbicError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Base of every model object: a name, a description, and registration in GlobalObjects for the
// object's whole life.
class TUbicObject : public TObject {
 public:
  TUbicObject();
  ~TUbicObject() override;

  virtual const std::string& GetName() const { return FName; }
  virtual void SetName(const std::string& value) { FName = value; }
  virtual const std::string& GetDescription() const { return FDescription; }
  virtual void SetDescription(const std::string& value) { FDescription = value; }

  // Class="<actual class>", Name="<name>"
  std::string DebugName() const;

  // Calls Visit for every model object this one owns directly.
  virtual void ForEachOwned(const std::function<void(const TUbicObject*)>& visit) const;

 protected:
  // Leaves the registry, reporting an object destroyed twice. The destructor of every concrete
  // class calls it last, while the object still knows its actual class; the base destructor
  // calls it for classes that do not.
  void Unregister();

 private:
  std::string FName;
  std::string FDescription;
  bool FRegistered = false;
  // Neighbours in the registry, in order of construction; both nil while not registered.
  TUbicObject* FPrevious = nullptr;
  TUbicObject* FNext = nullptr;

  friend class TGlobalUbicList;
};

// The registry of live model objects, in order of construction: a list threaded through the
// objects themselves, so that registration and unregistration take constant time without an
// allocation.
class TGlobalUbicList {
 public:
  TGlobalUbicList() = default;
  TGlobalUbicList(const TGlobalUbicList&) = delete;
  TGlobalUbicList& operator=(const TGlobalUbicList&) = delete;
  ~TGlobalUbicList();

  int Count() const { return FCount; }
  // Whether Object is alive: how a non-owning reference is validated before use. Object may
  // point to freed memory: it is only compared, never dereferenced.
  bool Contains(const TUbicObject* object) const;
  void Register(TUbicObject* object);
  // False if Object was not registered.
  bool Unregister(TUbicObject* object);
  // The live objects in order of construction.
  std::vector<TUbicObject*> Objects() const;
  // Reports objects still alive as a program fault, then destroys them, the last registered
  // first. An object owned by another live object is left to its owner, so nothing is destroyed
  // twice. The registry stays usable.
  void Finalize();

 private:
  TUbicObject* FFirst = nullptr;
  TUbicObject* FLast = nullptr;
  int FCount = 0;
};

TGlobalUbicList& GlobalObjects();

// A list of model objects.
class TUbicList : public TObjList {
 public:
  using TObjList::TObjList;

  // The item at Index; an item of another class raises EInvalidCast.
  TUbicObject* GetObject(int index) const { return CheckedCast<TUbicObject>(Get(index)); }
  void SetObject(int index, TUbicObject* object) { Put(index, object); }
  const std::string& NameOf(int index) const { return GetObject(index)->GetName(); }
  // The first item whose name equals Name exactly; nil if none.
  TUbicObject* FindByName(const std::string& name) const;
};

}  // namespace ubic
