#include "framework/Random.h"

namespace fw {

const ClassInfo& Random::StaticClass() {
  return BuildOnce([] {
    ClassInfo c("Random", &Object::StaticClass());
    c.Method("Constructor").Method("InRange", "( Int32, Int32 ) as Int32");
    return c;
  });
}

const ClassInfo& Date::StaticClass() {
  return BuildOnce([] {
    ClassInfo c("Date", &Object::StaticClass());
    c.Method("Constructor").Method("ShortDate", "( ) as String");
    return c;
  });
}

}  // namespace fw
