#pragma once
// Class tables: every framework and program class is described once by name,
// base class, ordered methods and typed properties. Design records find their
// properties here, and checked casts test the class here.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "framework/Value.h"

namespace fw {

class Object;

struct MethodInfo {
  std::string name;
  std::string signature;  // "( PopupMenu )", "(  ) as Boolean", empty for none
  std::map<std::string, std::string> attributes;  // "__Scope" = "Public", "Hidden" = ...
};

struct PropertyInfo {
  std::string name;
  ValueType type;
  std::function<void(Object&, const Value&)> set;
  std::function<Value(const Object&)> get;
};

struct EventInfo {
  int index;
  std::string name;
  std::string signature;
};

class ClassInfo {
 public:
  ClassInfo(std::string name, const ClassInfo* base);

  const std::string& Name() const { return name_; }
  const ClassInfo* Base() const { return base_; }
  bool IsSubclassOf(const ClassInfo& other) const;

  const std::vector<MethodInfo>& Methods() const { return methods_; }
  const std::vector<PropertyInfo>& Properties() const { return properties_; }
  const std::map<std::string, std::string>& Attributes() const { return attributes_; }
  // Looks a property up without regard to case, in this class and then its bases.
  const PropertyInfo* FindProperty(std::string_view name) const;
  // Looks an event up by its index, in this class and then its bases.
  const EventInfo* FindEvent(int index) const;

  ClassInfo& Method(std::string name, std::string signature = {},
                    std::map<std::string, std::string> attributes = {{"__Scope", "Public"}});
  ClassInfo& Property(PropertyInfo property);
  ClassInfo& Event(int index, std::string name, std::string signature);
  ClassInfo& Attribute(std::string key, std::string value);

 private:
  std::string name_;
  const ClassInfo* base_;
  std::vector<MethodInfo> methods_;
  std::vector<PropertyInfo> properties_;
  std::vector<EventInfo> events_;
  std::map<std::string, std::string> attributes_;
};

// Every class table registers itself here by name the first time it is built.
class ClassRegistry {
 public:
  static const ClassInfo* Lookup(std::string_view name);
  static void Add(const ClassInfo& info);
  static std::vector<std::string> Names();
};

// Builds a class table once, on the first call; later calls return the same.
template <class Build>
const ClassInfo& BuildOnce(Build build) {
  static const ClassInfo& info = [&]() -> const ClassInfo& {
    static ClassInfo table = build();
    ClassRegistry::Add(table);
    return table;
  }();
  return info;
}

// The value type of a property held as T.
template <class T>
constexpr ValueType ValueTypeOf() {
  if constexpr (std::is_same_v<T, std::string>) return ValueType::String;
  else if constexpr (std::is_same_v<T, int32_t>) return ValueType::Int32;
  else if constexpr (std::is_same_v<T, bool>) return ValueType::Boolean;
  else return ValueType::Color;
}

// Typed property helpers for class tables: a plain field, or a setter and a
// getter.
template <class C, class T>
PropertyInfo FieldProperty(std::string name, T C::*field) {
  return PropertyInfo{
      std::move(name), ValueTypeOf<T>(),
      [field](Object& o, const Value& v) { static_cast<C&>(o).*field = std::get<T>(v); },
      [field](const Object& o) { return Value(static_cast<const C&>(o).*field); }};
}

template <class C, class T, class Setter, class Getter>
PropertyInfo AccessorProperty(std::string name, Setter setter, Getter getter) {
  return PropertyInfo{
      std::move(name), ValueTypeOf<T>(),
      [setter](Object& o, const Value& v) { (static_cast<C&>(o).*setter)(std::get<T>(v)); },
      [getter](const Object& o) { return Value((static_cast<const C&>(o).*getter)()); }};
}

}  // namespace fw
