// The design records as bytes: the worked bytes, the shared timer record, and
// every record holding exactly its class's keys in order.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "framework/Record.h"
#include "mainwindow/Window1Records.h"

namespace {

using Keys = std::vector<std::string>;

const Keys kHead = {"Name", "Index", "Left", "Top", "Width", "Height",
                    "LockLeft", "LockTop", "LockRight", "LockBottom"};

Keys Join(const Keys& a, const Keys& b) {
  Keys all = a;
  all.insert(all.end(), b.begin(), b.end());
  return all;
}

const std::map<window1::ControlClass, Keys>& KeyOrder() {
  using K = window1::ControlClass;
  static const std::map<K, Keys> order = {
      {K::PopupMenu,
       Join(kHead, {"TabPanelIndex", "TabIndex", "TabStop", "Enabled", "InitialValue",
                    "ListIndex", "Visible", "HelpTag", "AutoDeactivate", "TextFont", "Bold",
                    "Italic", "Underline", "DataSource", "DataField", "InitialParent"})},
      {K::CheckBox,
       Join(kHead, {"TabPanelIndex", "TabIndex", "TabStop", "Caption", "Enabled", "Visible",
                    "HelpTag", "AutoDeactivate", "TextFont", "Bold", "Italic", "Underline",
                    "State", "Value", "DataSource", "DataField", "InitialParent"})},
      {K::RoundRectangle,
       Join(kHead, {"TabIndex", "TabPanelIndex", "Visible", "HelpTag", "AutoDeactivate",
                    "Enabled", "FillColor", "BorderWidth", "BorderColor", "OvalWidth",
                    "OvalHeight", "InitialParent"})},
      {K::TextField,
       Join(kHead, {"TabPanelIndex", "TabIndex", "TabStop", "Border", "Password",
                    "UseFocusRing", "TextColor", "BackColor", "Enabled", "Format", "Visible",
                    "HelpTag", "AutoDeactivate", "TextFont", "Bold", "Italic", "Underline",
                    "CueText", "Text", "Mask", "ReadOnly", "LimitText", "AcceptTabs",
                    "Alignment", "AutomaticallyCheckSpelling", "DataSource", "DataField",
                    "InitialParent"})},
      {K::Label,
       Join(kHead, {"TabPanelIndex", "TabIndex", "Text", "TextAlign", "TextColor", "Multiline",
                    "Enabled", "Visible", "Selectable", "Transparent", "HelpTag",
                    "AutoDeactivate", "TextFont", "Bold", "Italic", "Underline", "DataSource",
                    "DataField", "InitialParent"})},
      {K::PushButton,
       Join(kHead, {"TabPanelIndex", "TabIndex", "TabStop", "Caption", "Default", "Cancel",
                    "Enabled", "Visible", "HelpTag", "AutoDeactivate", "ButtonStyle",
                    "TextFont", "Bold", "Italic", "Underline", "InitialParent"})},
      {K::Listbox,
       Join(kHead, {"TabPanelIndex", "TabIndex", "TabStop", "Visible", "HelpTag",
                    "AutoDeactivate", "Enabled", "Border", "ColumnCount", "ColumnWidths",
                    "HasHeading", "UseFocusRing", "InitialValue", "HeadingIndex",
                    "ScrollbarHorizontal", "ScrollBarVertical", "GridLinesHorizontal",
                    "GridLinesVertical", "DefaultRowHeight", "_ScrollWidth", "TextFont",
                    "Bold", "Italic", "Underline", "Hierarchical", "EnableDrag",
                    "EnableDragReorder", "RequiresSelection", "SelectionType",
                    "ColumnsResizable", "AutoHideScrollbars", "DataSource", "DataField",
                    "InitialParent"})},
      {K::Timer, {"Mode", "Period"}},
  };
  return order;
}

Keys KeysOf(const std::string& record) {
  Keys keys;
  for (const fw::RecordEntry& entry : fw::DecodeRecord(record)) keys.push_back(entry.key);
  return keys;
}

TEST(Window1Records, FirstTeamPickerMatchesTheWorkedBytes) {
  using namespace std::string_literals;
  const std::string& record = window1::ControlRecord("PopupMenu1");
  ASSERT_EQ(record.size(), 317u);
  const std::string start =
      "Name \0\0\0\x0APopupMenu1"s "Index \x80\0\0\0"s "Left \0\0\0\x17"s "Top \0\0\0\x2F"s
      "Width \0\0\0\x50"s "Height \0\0\0\x14"s "LockLeft \x01"s "LockTop \x01"s
      "LockRight \0"s "LockBottom \0"s "TabPanelIndex \0\0\0\0"s "TabIndex \0\0\0\0"s
      "TabStop \x01"s "Enabled \x01"s "InitialValue \0\0\0\0"s "ListIndex \0\0\0\0"s
      "Visible \x01"s;
  EXPECT_EQ(record.substr(0, start.size()), start);
  const std::string end = "InitialParent \0\0\0\0"s;
  EXPECT_EQ(record.substr(record.size() - end.size()), end);
}

TEST(Window1Records, TimersShareOneTwentyByteRecord) {
  using namespace std::string_literals;
  EXPECT_EQ(window1::TimerRecord(), "Mode \0\0\0\0Period \0\0\x01\xF4"s);
  for (const char* timer : {"Timer1", "Timer2", "Timer3"})
    EXPECT_EQ(&window1::ControlRecord(timer), &window1::TimerRecord()) << timer;
}

TEST(Window1Records, EveryRecordHoldsExactlyItsClassKeys) {
  auto table = window1::ControlTable();
  ASSERT_EQ(table.size(), 87u);
  for (size_t row = 0; row < table.size(); ++row) {
    const auto& design = table[row];
    SCOPED_TRACE(design.name);
    Keys expected = KeyOrder().at(design.cls);
    // The UserID field alone sits in the window without saying so.
    if (std::string(design.name) == "TextField15") expected.pop_back();
    EXPECT_EQ(KeysOf(window1::ControlRecord(row)), expected);
    if (design.cls != window1::ControlClass::Timer) {
      auto entries = fw::DecodeRecord(window1::ControlRecord(row));
      EXPECT_EQ(std::get<std::string>(entries[0].value), design.name);
      EXPECT_EQ(std::get<int32_t>(entries[1].value), INT32_MIN);
    }
  }
}

TEST(Window1Records, WindowRecordKeysAndLineBreak) {
  EXPECT_EQ(KeysOf(window1::WindowRecord()),
            (Keys{"Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth",
                  "MaxHeight", "Frame", "Composite", "HasBackColor", "BackColor", "Title",
                  "Visible", "FullScreen", "MenuBarVisible", "CloseButton", "Resizeable",
                  "LiveResize", "MaximizeButton", "MinimizeButton", "MacProcID"}));
  // The heading's line break is one CR byte, counted in the text's length.
  for (const auto& entry : fw::DecodeRecord(window1::ControlRecord("Label7"))) {
    if (entry.key == "Text") {
      EXPECT_EQ(std::get<std::string>(entry.value),
                "What if we had a quandrel in 2012?\rHow often would the strongest team win?");
    }
  }
}

// Every byte of every record the main window applies, folded into one
// FNV-1a hash: any change to a key, a value or an order shows here.
TEST(Window1Records, AllRecordBytesHashAsDesigned) {
  uint64_t hash = 0xcbf29ce484222325u;
  auto fold = [&hash](const std::string& bytes) {
    for (unsigned char byte : bytes) hash = (hash ^ byte) * 0x100000001b3u;
  };
  for (size_t row = 0; row < window1::ControlTable().size(); ++row)
    fold(window1::ControlRecord(row));
  fold(window1::WindowRecord());
  EXPECT_EQ(hash, 0x6246bc246bccdce7u);
}

}  // namespace
