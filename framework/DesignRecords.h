#pragma once
// A window's design as data: one row per control, the design record each
// class writes from its row (every key of the class, in the class's record
// order), the window record, and the making of one control from its row.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/ClassInfo.h"
#include "framework/Control.h"
#include "framework/Delegate.h"
#include "framework/Value.h"

namespace fw {

class Window;

enum class DesignClass { PopupMenu, ComboBox, CheckBox, RoundRectangle, TextField, TextArea,
                         Label, PushButton, Listbox, Timer };

// What only a few rows need.
struct DesignExtras {
  Color colour{};            // a frame's border, a label's text; black otherwise
  bool centred = false;      // label text centred
  bool multiline = false;    // label text on several lines
  bool noParentKey = false;  // the record leaves InitialParent out altogether
  int32_t buttonStyle = 0;   // a push button's look
  int timer = 0;             // which of the window's own timer classes, from 1
};

// One control of a window's design. The keys a row does not carry hold the
// same value on every control that writes them.
struct ControlDesign {
  const char* name;
  DesignClass cls;
  int32_t left, top, width, height;
  const char* text = "";  // caption or text; "" for none
  bool enabled = true, visible = true;
  double textSize = 0;    // 0: the class's own size is left alone
  bool bold = false, underline = false;
  const char* parent = "";  // the frame it sits in; "": the window itself
  int32_t tabIndex = 0;
  DesignExtras extras = {};
};

// The framework class of a row's control, and a new plain control of it.
const ClassInfo& ClassOfDesign(DesignClass cls);
std::shared_ptr<Control> NewDesignedControl(DesignClass cls);

// The design record of a row's control. A timer's record carries nothing of
// its row: TimerDesignRecord writes it.
std::string DesignRecord(const ControlDesign& row);
std::string TimerDesignRecord(int32_t mode, int32_t period);

// The record of a document window: minimise button, neither resizable nor
// zoomable, on screen once built; the close box is the caller's choice.
std::string WindowDesignRecord(int32_t width, int32_t height, std::string_view title,
                               bool closeButton);

// A handler for one of the control's events, by the framework's event index.
struct DesignHandler {
  int event;
  Delegate handler;
};

// Makes one control of the window from its row: registers the control under
// the row's name, checks it is of the row's class, sets its text size (where
// the row has one) and unit on classes that show text, applies its record,
// and only then binds the handlers that handlersOf gives, in their order, so
// that nothing the record sets can run a handler. A nil control is a plain
// one of the row's class.
void CreateDesignedControl(Window& window, const ControlDesign& row, std::string_view record,
                           std::shared_ptr<Control> control,
                           const std::function<std::vector<DesignHandler>()>& handlersOf);

}  // namespace fw
