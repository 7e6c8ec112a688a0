#include "framework/Application.h"

#include "framework/Backend.h"
#include "framework/Runtime.h"

namespace fw {

const ClassInfo& Application::StaticClass() {
  return BuildOnce([] {
    ClassInfo c("Application", &Object::StaticClass());
    c.Method("Constructor").Method("MenuBar", "( ) as MenuItem");
    return c;
  });
}

void Application::SetMenuBar(const std::shared_ptr<fw::MenuItem>& bar) {
  menuBar_ = bar;
  if (RuntimeActive()) TheBackend().MenuBarChanged();
}

}  // namespace fw
