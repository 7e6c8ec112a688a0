#pragma once
// The main window's design as data: one row per control in creation order,
// and the design records built from those rows once per process.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "framework/ClassInfo.h"
#include "framework/Value.h"

namespace window1 {

enum class ControlClass { PopupMenu, CheckBox, RoundRectangle, TextField, Label, PushButton,
                          Listbox, Timer };

// What only a few rows need.
struct ControlExtras {
  fw::Color colour{};        // a frame's border, a label's text; black otherwise
  bool centred = false;      // label text centred
  bool multiline = false;    // label text on several lines
  bool noParentKey = false;  // the record leaves InitialParent out altogether
  int timer = 0;             // 1 to 3: which of the window's timer classes
};

struct ControlDesign {
  const char* name;
  ControlClass cls;
  int32_t left, top, width, height;
  const char* text;  // caption or text; "" for none
  bool enabled, visible;
  double textSize;   // 0: the class's own size is left alone
  bool bold, underline;
  const char* parent;  // "" : the window itself
  int32_t tabIndex;
  ControlExtras extras;
};

// The 87 controls in creation order.
std::span<const ControlDesign> ControlTable();
// The first row of each creation batch, and the end of the last one.
inline constexpr size_t kBatchStart[] = {0, 30, 60, 87};

// The record of the control in that row of the table (the timers share one).
const std::string& ControlRecord(size_t row);
const std::string& ControlRecord(std::string_view name);
const std::string& TimerRecord();
const std::string& WindowRecord();

// The framework class a row's control is of (the timers: Timer).
const fw::ClassInfo& ClassOf(ControlClass cls);

}  // namespace window1
