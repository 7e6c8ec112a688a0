// The main window's controls: each made, registered, sized, given its design
// record and bound to its handlers, in that order, so that nothing a record
// sets can run a handler.
#include <string_view>
#include <variant>
#include <vector>

#include "framework/DesignRecords.h"
#include "mainwindow/Window1.h"
#include "mainwindow/Window1Records.h"

namespace {

using window1::ControlClass;
using window1::ControlDesign;

// The events the window handles: the framework's event index and the
// signature the binding must carry.
struct EventSpec {
  const char* sender;
  const char* event;
  int index;
  const char* signature;
};

constexpr EventSpec kEvents[] = {
    {"PopupMenu", "Open", 1, "( PopupMenu )"},
    {"PopupMenu", "Change", 15, "( PopupMenu )"},
    {"CheckBox", "Action", 15, "( CheckBox )"},
    {"PushButton", "Action", 15, "( PushButton )"},
    {"Label", "MouseDown", 16, "( Label, Int32, Int32 ) as Boolean"},
    {"Listbox", "Open", 1, "( Listbox )"},
    {"Timer", "Action", 0, "( Timer )"},
};

const EventSpec& EventOf(std::string_view sender, std::string_view event) {
  for (const EventSpec& spec : kEvents)
    if (sender == spec.sender && event == spec.event) return spec;
  throw fw::InvalidArgumentException("the main window handles no " + std::string(sender) + "." +
                                     std::string(event));
}

using HandlerMethod =
    std::variant<void (Window1::*)(fw::PopupMenu&), void (Window1::*)(fw::CheckBox&),
                 void (Window1::*)(fw::PushButton&), bool (Window1::*)(fw::Label&, int32_t, int32_t),
                 void (Window1::*)(fw::Listbox&), void (Window1::*)(fw::Timer&)>;

// One binding: the handler named control "_" event, the sender's class and
// the method.
struct Binding {
  std::string_view handler;
  std::string_view sender;
  HandlerMethod method;

  std::string_view Control() const { return handler.substr(0, handler.find('_')); }
  std::string_view Event() const { return handler.substr(handler.find('_') + 1); }
};

// The 50 bindings, a control's Open before its Change.
const Binding kBindings[] = {
#define WINDOW1_BINDING(Name, Sender) {#Name, #Sender, &Window1::Name},
    WINDOW1_HANDLERS(WINDOW1_BINDING)
    {"Label26_MouseDown", "Label", &Window1::Label26_MouseDown},
    WINDOW1_LATE_HANDLERS(WINDOW1_BINDING)
#undef WINDOW1_BINDING
};
static_assert(std::size(kBindings) == 50);

// The window's own timer classes, each with a constructor of its own; nil
// for every other row, which gets a plain control of its class.
std::shared_ptr<fw::Control> OwnControl(const ControlDesign& design) {
  if (design.cls != ControlClass::Timer) return nullptr;
  auto start = [](auto timer) -> std::shared_ptr<fw::Control> {
    timer->Constructor();
    return timer;
  };
  switch (design.extras.timer) {
    case 1: return start(std::make_shared<Window1Timer1>());
    case 2: return start(std::make_shared<Window1Timer2>());
    case 3: return start(std::make_shared<Window1Timer3>());
  }
  throw fw::InvalidArgumentException(std::string("no timer class for ") + design.name);
}

// The control's handlers in the order of the bindings table.
std::vector<fw::DesignHandler> HandlersOf(Window1& window, std::string_view control) {
  std::vector<fw::DesignHandler> handlers;
  for (const Binding& binding : kBindings) {
    if (binding.Control() != control) continue;
    const EventSpec& event = EventOf(binding.sender, binding.Event());
    handlers.push_back({event.index, std::visit(
                                         [&](auto method) {
                                           return fw::MethodDelegate(window, method,
                                                                     event.signature);
                                         },
                                         binding.method)});
  }
  return handlers;
}

void CreateControl(Window1& window, size_t row) {
  const ControlDesign& design = window1::ControlTable()[row];
  fw::CreateDesignedControl(window, design, window1::ControlRecord(row), OwnControl(design),
                            [&] { return HandlersOf(window, design.name); });
}

void CreateBatch(Window1& window, int batch) {
  for (size_t row = window1::kBatchStart[batch]; row < window1::kBatchStart[batch + 1]; ++row)
    CreateControl(window, row);
}

}  // namespace

void Window1::CreateControls0() { CreateBatch(*this, 0); }
void Window1::CreateControls1() { CreateBatch(*this, 1); }
void Window1::CreateControls2() { CreateBatch(*this, 2); }

// The results table fills when the China Bowl is first played, not on Open.
void Window1::Listbox1_Open(fw::Listbox&) {}
