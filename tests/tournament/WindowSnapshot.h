#pragma once
// The main window's whole changeable state, to check that a handler changed
// exactly what it should and nothing else.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "framework/Strings.h"
#include "mainwindow/Window1.h"

namespace tournament_tests {

// Everything a user or a handler can change in the window, by control name
// and attribute, plus the window's own properties under "(properties)".
using State = std::map<std::string, std::map<std::string, std::string>>;

inline std::string ColorText(const fw::Color& c) {
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

inline State Snapshot(Window1& w) {
  State state;
  for (const auto& control : w.Controls()) {
    auto& a = state[control->Name()];
    if (auto r = dynamic_cast<fw::RectControl*>(control.get())) {
      a["Enabled"] = r->Enabled() ? "1" : "0";
      a["Visible"] = r->Visible() ? "1" : "0";
      a["Bold"] = r->Bold() ? "1" : "0";
    }
    if (auto label = dynamic_cast<fw::Label*>(control.get())) a["Text"] = label->Text();
    if (auto field = dynamic_cast<fw::TextEdit*>(control.get())) {
      a["Text"] = field->Text();
      a["BackColor"] = ColorText(field->BackColor());
    }
    if (auto popup = dynamic_cast<fw::PopupMenu*>(control.get())) {
      a["ListIndex"] = std::to_string(popup->ListIndex());
      a["Rows"] = fw::Join(popup->Rows(), "|");
    }
    if (auto list = dynamic_cast<fw::Listbox*>(control.get())) {
      std::string rows;
      for (const auto& row : list->Rows()) rows += fw::Join(row, "\t") + "\n";
      a["Rows"] = rows;
    }
    if (auto box = dynamic_cast<fw::CheckBox*>(control.get()))
      a["Value"] = box->Value() ? "1" : "0";
    if (auto timer = dynamic_cast<fw::Timer*>(control.get())) {
      a["Mode"] = std::to_string(timer->Mode());
      a["Pending"] = timer->Pending() ? "1" : "0";
    }
  }
  auto& p = state["(properties)"];
  p["team"] = fw::Join(w.team, ",");
  p["listit"] = std::to_string(w.listit);
  for (int32_t flag : {w.one, w.two, w.three, w.four, w.five, w.six, w.seven, w.eight})
    p["opened"] += std::to_string(flag);
  return state;
}

inline void ExpectState(const State& actual, const State& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (const auto& [name, attributes] : expected) {
    auto it = actual.find(name);
    ASSERT_NE(it, actual.end()) << name;
    EXPECT_EQ(it->second, attributes) << name;
  }
}

}  // namespace tournament_tests
