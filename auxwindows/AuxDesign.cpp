#include "auxwindows/AuxDesign.h"

#include <map>

#include "framework/Buttons.h"
#include "framework/Label.h"

namespace auxwindows {

namespace {

// The one event of each class that these windows handle.
int HandledEvent(const ControlDesign& design) {
  switch (design.cls) {
    case Kind::Label:
      return fw::Label::kMouseDown;
    case Kind::PushButton:
      return fw::PushButton::kAction;
    default:
      break;
  }
  throw fw::InvalidArgumentException(std::string(design.name) + " handles no event");
}

}  // namespace

fw::ClassInfo ClassTable(const char* name, std::span<const ControlDesign> controls,
                         std::initializer_list<HandlerMethod> handlers) {
  const std::map<std::string, std::string> visible{{"__Scope", "Public"}};
  const std::map<std::string, std::string> hidden{{"__Scope", "Public"}, {"Hidden", "True"}};
  fw::ClassInfo c(name, &fw::Window::StaticClass());
  c.Method("Layout", {}, visible)
      .Method("CreateControls", {}, visible)
      .Method("_CreateControls0", {}, hidden);
  for (const ControlDesign& control : controls)
    c.Method(control.name, "(  ) as " + fw::ClassOfDesign(control.cls).Name(), visible);
  for (const HandlerMethod& handler : handlers) c.Method(handler.name, handler.signature, visible);
  return c;
}

std::vector<std::string> ControlRecords(std::span<const ControlDesign> designs) {
  std::vector<std::string> records;
  for (const ControlDesign& design : designs) records.push_back(fw::DesignRecord(design));
  return records;
}

void CreateControls(fw::Window& window, std::span<const ControlDesign> designs,
                    std::span<const std::string> records,
                    const std::function<fw::Delegate(std::string_view)>& handlerOf) {
  if (designs.size() != records.size())
    throw fw::InvalidArgumentException("a control design without its record");
  for (size_t row = 0; row < designs.size(); ++row) {
    const ControlDesign& design = designs[row];
    fw::CreateDesignedControl(window, design, records[row], nullptr, [&] {
      std::vector<fw::DesignHandler> handlers;
      if (fw::Delegate handler = handlerOf(design.name))
        handlers.push_back({HandledEvent(design), std::move(handler)});
      return handlers;
    });
  }
}

}  // namespace auxwindows
