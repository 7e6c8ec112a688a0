#pragma once
// The root of every framework object. Objects are shared: whoever works with
// one holds a reference to it for as long as it does.
#include <memory>

#include "framework/ClassInfo.h"
#include "framework/Exceptions.h"

namespace fw {

class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;
  static const ClassInfo& StaticClass();
  virtual const ClassInfo& Class() const { return StaticClass(); }
  // A design record's settings come between these two calls, so that a view
  // mirrors them once rather than once per key.
  virtual void BeginUpdate() {}
  virtual void EndUpdate() {}
};

bool IsA(const Object* object, const ClassInfo& cls);

// The checked cast: nil stays nil, an object of another class raises
// IllegalCastException.
template <class T, class U>
std::shared_ptr<T> Cast(const std::shared_ptr<U>& object) {
  if (!object) return nullptr;
  if (!IsA(object.get(), T::StaticClass()))
    throw IllegalCastException(object->Class().Name() + " is not a " + T::StaticClass().Name());
  return std::static_pointer_cast<T>(std::static_pointer_cast<Object>(object));
}

template <class T>
T& CastRef(Object& object) {
  if (!IsA(&object, T::StaticClass()))
    throw IllegalCastException(object.Class().Name() + " is not a " + T::StaticClass().Name());
  return static_cast<T&>(object);
}

}  // namespace fw
