#pragma once
// What the About box and the Instructions window share: their class tables,
// their window record, which differs only in size and title, the making of
// their controls from a small design table, and their single instance.
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
#include "framework/DesignRecords.h"
#include "framework/Window.h"

namespace auxwindows {

using Kind = fw::DesignClass;
using ControlDesign = fw::ControlDesign;

// The look these windows give their push buttons.
inline constexpr int32_t kButtonStyle = 6;

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
inline std::string WindowRecord(int32_t width, int32_t height, std::string_view title) {
  return fw::WindowDesignRecord(width, height, title, /*closeButton=*/true);
}

std::vector<std::string> ControlRecords(std::span<const ControlDesign> designs);

// Creates the table's controls in its order, each bound to the handler that
// handlerOf gives for its name (none where it gives an empty one) on the one
// event of its class these windows handle: a button's Action, a label's
// MouseDown.
void CreateControls(fw::Window& window, std::span<const ControlDesign> designs,
                    std::span<const std::string> records,
                    const std::function<fw::Delegate(std::string_view)>& handlerOf);

// The window's single instance: the open one, or a new one, which its record
// puts on screen. Showing it is the caller's business.
template <class W>
std::shared_ptr<W> SingleInstance() {
  std::shared_ptr<fw::Window> open = fw::Window::GetImplicitWindow(W::StaticClass());
  if (!open) return fw::Window::Create<W>();
  return fw::Cast<W>(open);
}

}  // namespace auxwindows
