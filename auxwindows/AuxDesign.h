#pragma once
// What the About box and the Instructions window share: their window record,
// which differs only in size and title, and the making of one control from a
// row of a small design table.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/ClassInfo.h"
#include "framework/Control.h"
#include "framework/Delegate.h"
#include "framework/Value.h"
#include "framework/Window.h"

namespace auxwindows {

enum class Kind { Label, PushButton, ComboBox, TextArea };

// One control of a small window. The keys a row does not carry hold the same
// value on every control of these windows.
struct ControlDesign {
  const char* name;
  Kind kind;
  int32_t left, top, width, height;
  int32_t tabIndex;
  std::string_view text = {};  // a label's or text area's Text, a button's Caption
  double textSize = 0;         // 0: left at the framework's default
  bool bold = false, underline = false;
  int32_t textAlign = 0;             // labels: 0 left, 1 centred
  fw::Color textColor = fw::kBlack;  // labels
  bool multiline = false;            // labels
};

inline constexpr const char* kActionSignature = "( PushButton )";
inline constexpr const char* kMouseDownSignature = "( Label, Int32, Int32 ) as Boolean";

struct HandlerMethod {
  const char* name;
  const char* signature;
};

// The window class's table: the construction hooks, its one creation batch
// (hidden), an accessor per control in creation order, then its handlers;
// every method public.
fw::ClassInfo ClassTable(const char* name, std::span<const ControlDesign> controls,
                         std::initializer_list<HandlerMethod> handlers);

// The window record of a small document window: close box and minimise
// button, neither resizable nor zoomable, on screen once built.
std::string WindowRecord(int32_t width, int32_t height, std::string_view title);

// The control's design record, every key of its class in record order.
std::string ControlRecord(const ControlDesign& design);
std::vector<std::string> ControlRecords(std::span<const ControlDesign> designs);

// Makes the control, registers it under its name, sets its text size (where
// the row has one) and unit, applies its record, and then binds the handler,
// if any, to the class's one handled event (a button's Action, a label's
// MouseDown).
void CreateControl(fw::Window& window, const ControlDesign& design, const std::string& record,
                   fw::Delegate handler = {});
// Creates the table's controls in its order, each bound to the handler that
// handlerOf gives for its name (none where it gives an empty one).
void CreateControls(fw::Window& window, std::span<const ControlDesign> designs,
                    std::span<const std::string> records,
                    const std::function<fw::Delegate(std::string_view)>& handlerOf);

// The control of that name, cast to its class; a missing control is a fault.
template <class C>
std::shared_ptr<C> Named(const fw::Window& window, const char* name) {
  std::shared_ptr<fw::Control> control = window.ControlByName(name);
  if (!control) throw fw::NilObjectException(window.Class().Name() + " has no control " + name);
  return fw::Cast<C>(control);
}

// The window's single instance: the open one, or a new one, which its record
// puts on screen. Showing it is the caller's business.
template <class W>
std::shared_ptr<W> SingleInstance() {
  std::shared_ptr<fw::Window> open = fw::Window::GetImplicitWindow(W::StaticClass());
  if (!open) return fw::Window::Create<W>();
  return fw::Cast<W>(open);
}

}  // namespace auxwindows
