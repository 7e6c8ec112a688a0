#include "framework/ClassInfo.h"

#include <mutex>

#include "framework/Object.h"
#include "framework/Strings.h"

namespace fw {

const char* TypeName(ValueType t) {
  switch (t) {
    case ValueType::String: return "String";
    case ValueType::Int32: return "Int32";
    case ValueType::Boolean: return "Boolean";
    case ValueType::Color: return "Color";
  }
  return "?";
}

ClassInfo::ClassInfo(std::string name, const ClassInfo* base)
    : name_(std::move(name)), base_(base) {}

bool ClassInfo::IsSubclassOf(const ClassInfo& other) const {
  for (const ClassInfo* c = this; c; c = c->base_)
    if (c == &other) return true;
  return false;
}

const PropertyInfo* ClassInfo::FindProperty(std::string_view name) const {
  for (const ClassInfo* c = this; c; c = c->base_)
    for (const PropertyInfo& p : c->properties_)
      if (p.name.size() == name.size() && EqualsIgnoreCase(p.name, name)) return &p;
  return nullptr;
}

const EventInfo* ClassInfo::FindEvent(int index) const {
  for (const ClassInfo* c = this; c; c = c->base_)
    for (const EventInfo& e : c->events_)
      if (e.index == index) return &e;
  return nullptr;
}

ClassInfo& ClassInfo::Method(std::string name, std::string signature,
                             std::map<std::string, std::string> attributes) {
  methods_.push_back({std::move(name), std::move(signature), std::move(attributes)});
  return *this;
}

ClassInfo& ClassInfo::Property(PropertyInfo property) {
  properties_.push_back(std::move(property));
  return *this;
}

ClassInfo& ClassInfo::Event(int index, std::string name, std::string signature) {
  events_.push_back({index, std::move(name), std::move(signature)});
  return *this;
}

ClassInfo& ClassInfo::Attribute(std::string key, std::string value) {
  attributes_[std::move(key)] = std::move(value);
  return *this;
}

namespace {
struct Registry {
  std::mutex mutex;
  std::map<std::string, const ClassInfo*, std::less<>> byName;
};
Registry& TheRegistry() {
  static Registry registry;
  return registry;
}
}  // namespace

const ClassInfo* ClassRegistry::Lookup(std::string_view name) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  auto it = r.byName.find(name);
  return it == r.byName.end() ? nullptr : it->second;
}

void ClassRegistry::Add(const ClassInfo& info) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  r.byName.emplace(info.Name(), &info);
}

std::vector<std::string> ClassRegistry::Names() {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  std::vector<std::string> names;
  for (auto& [name, info] : r.byName) names.push_back(name);
  return names;
}

const ClassInfo& Object::StaticClass() {
  return BuildOnce([] { return ClassInfo("Object", nullptr); });
}

bool IsA(const Object* object, const ClassInfo& cls) {
  return object && object->Class().IsSubclassOf(cls);
}

}  // namespace fw
