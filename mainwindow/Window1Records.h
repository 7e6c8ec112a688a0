#pragma once
// The main window's design as data: one row per control in creation order,
// and the design records built from those rows once per process.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "framework/DesignRecords.h"

namespace window1 {

using ControlClass = fw::DesignClass;
using ControlDesign = fw::ControlDesign;

// The 87 controls in creation order.
std::span<const ControlDesign> ControlTable();
// The first row of each creation batch, and the end of the last one.
inline constexpr size_t kBatchStart[] = {0, 30, 60, 87};

// The record of the control in that row of the table (the timers share one).
const std::string& ControlRecord(size_t row);
const std::string& ControlRecord(std::string_view name);
const std::string& TimerRecord();
const std::string& WindowRecord();

}  // namespace window1
