// Design records: the byte format, the key table, and what applying a record
// does to its target, including every way a broken record can end.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "framework/Buttons.h"
#include "framework/ComboBox.h"
#include "framework/Exceptions.h"
#include "framework/Label.h"
#include "framework/Listbox.h"
#include "framework/PopupMenu.h"
#include "framework/Record.h"
#include "framework/RoundRectangle.h"
#include "framework/Strings.h"
#include "framework/TextEdit.h"
#include "framework/Timer.h"
#include "framework/Window.h"

namespace {

using fw::RecordBuilder;
using fw::RecordException;

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

// The message of the RecordException that decoding raises, or "" when the
// bytes decode.
std::string DecodeFailure(std::string_view bytes) {
  try {
    fw::DecodeRecord(bytes);
  } catch (const RecordException& e) {
    return e.what();
  }
  return {};
}

TEST(RecordDecoding, TimerRecordIsTwentyBytes) {
  const std::string bytes = "Mode " + Bytes({0, 0, 0, 0}) + "Period " + Bytes({0, 0, 1, 0xF4});
  ASSERT_EQ(bytes.size(), 20u);
  EXPECT_EQ(RecordBuilder().Int32("Mode", 0).Int32("Period", 500).Bytes(), bytes);

  auto entries = fw::DecodeRecord(bytes);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].key, "Mode");
  EXPECT_EQ(std::get<int32_t>(entries[0].value), 0);
  EXPECT_EQ(entries[1].key, "Period");
  EXPECT_EQ(std::get<int32_t>(entries[1].value), 500);

  fw::Timer timer;
  timer.SetMode(1);
  fw::SetProperties(timer, bytes);
  EXPECT_EQ(timer.Mode(), 0);
  EXPECT_EQ(timer.Period(), 500);
}

TEST(RecordDecoding, Int32IsBigEndianTwosComplement) {
  struct Row {
    std::string value;
    int32_t expected;
  };
  const Row rows[] = {
      {Bytes({0x80, 0, 0, 0}), INT32_MIN},
      {Bytes({0xFF, 0xFF, 0xFF, 0xFF}), -1},
      {Bytes({0x7F, 0xFF, 0xFF, 0xFF}), INT32_MAX},
      {Bytes({0, 0, 0, 0x17}), 23},
      {Bytes({0, 0, 0x7D, 0}), 32000},
  };
  for (const Row& row : rows) {
    auto entries = fw::DecodeRecord("Index " + row.value);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(std::get<int32_t>(entries[0].value), row.expected);
    EXPECT_EQ(RecordBuilder().Int32("Index", row.expected).Bytes(), "Index " + row.value);
  }
  fw::Label label;
  label.SetIndex(0);
  fw::SetProperties(label, "Index " + Bytes({0x80, 0, 0, 0}));
  EXPECT_EQ(label.Index(), INT32_MIN);
}

TEST(RecordDecoding, ColourBytesAreRedGreenBlue) {
  fw::RoundRectangle frame;
  fw::SetProperties(frame, "BorderColor " + Bytes({0xFF, 0, 0}));
  EXPECT_EQ(frame.BorderColor(), (fw::Color{255, 0, 0}));

  fw::Label label;
  fw::SetProperties(label, "TextColor " + Bytes({0x66, 0x66, 0xFF}));
  EXPECT_EQ(label.TextColor(), (fw::Color{0x66, 0x66, 0xFF}));
}

TEST(RecordDecoding, TextsCountBytesAndKeepTheirCarriageReturn) {
  const std::string heading = "Quarter\rfinals";
  const std::string bytes = "Text " + Bytes({0, 0, 0, 14}) + heading + "Bold " + Bytes({1});
  fw::Label label;
  fw::SetProperties(label, bytes);
  EXPECT_EQ(label.Text(), heading);
  EXPECT_TRUE(label.Bold());

  // The empty string is the count alone, and the next key follows at once.
  auto entries = fw::DecodeRecord("HelpTag " + Bytes({0, 0, 0, 0}) + "Visible " + Bytes({0}));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(std::get<std::string>(entries[0].value), "");
  EXPECT_EQ(entries[1].key, "Visible");
  EXPECT_FALSE(std::get<bool>(entries[1].value));

  // UTF-8 is counted in bytes.
  EXPECT_EQ(RecordBuilder().String("Caption", "\xC3\xA9").Bytes(),
            "Caption " + Bytes({0, 0, 0, 2}) + "\xC3\xA9");
}

TEST(RecordDecoding, WorkedPopupRecordBeginning) {
  const std::string expected = "Name " + Bytes({0, 0, 0, 0x0A}) + "PopupMenu1" + "Index " +
                               Bytes({0x80, 0, 0, 0}) + "Left " + Bytes({0, 0, 0, 0x17}) + "Top " +
                               Bytes({0, 0, 0, 0x2F}) + "LockLeft " + Bytes({1}) + "InitialValue " +
                               Bytes({0, 0, 0, 0}) + "ListIndex " + Bytes({0, 0, 0, 0});
  const std::string built = RecordBuilder()
                                .String("Name", "PopupMenu1")
                                .Int32("Index", INT32_MIN)
                                .Int32("Left", 23)
                                .Int32("Top", 47)
                                .Boolean("LockLeft", true)
                                .String("InitialValue", "")
                                .Int32("ListIndex", 0)
                                .Bytes();
  EXPECT_EQ(built, expected);

  fw::PopupMenu popup;
  fw::SetProperties(popup, built);
  EXPECT_EQ(popup.Name(), "PopupMenu1");
  EXPECT_EQ(popup.Index(), INT32_MIN);
  EXPECT_EQ(popup.Left(), 23);  // a key of the base class RectControl
  EXPECT_EQ(popup.Top(), 47);
  EXPECT_EQ(popup.ListIndex(), -1);  // no rows yet, so no selected row
}

TEST(RecordApplying, KeysMatchPropertiesWithoutRegardToCase) {
  fw::Label label;
  fw::SetProperties(label, "Multiline " + Bytes({1}));
  EXPECT_TRUE(label.MultiLine());

  fw::TextArea area;
  fw::SetProperties(area, "ScrollbarVertical " + Bytes({0}) + "ScrollbarHorizontal " + Bytes({1}) +
                              "Multiline " + Bytes({0}));
  EXPECT_FALSE(area.ScrollBarVertical());
  EXPECT_TRUE(area.ScrollBarHorizontal());
  EXPECT_FALSE(area.MultiLine());

  fw::Window window;
  fw::SetProperties(window, RecordBuilder().Int32("MacProcID", 7).Bytes());
  EXPECT_EQ(window.MacProcId(), 7);
}

TEST(RecordKeys, TableHoldsTheNinetyFiveKeysAsSpelt) {
  EXPECT_EQ(fw::RecordKeyCount(), 95u);
  // Both spellings of the vertical scroll-bar key are keys of their own.
  EXPECT_EQ(fw::RecordKeyType("ScrollBarVertical"), fw::ValueType::Boolean);
  EXPECT_EQ(fw::RecordKeyType("ScrollbarVertical"), fw::ValueType::Boolean);
  EXPECT_EQ(fw::RecordKeyType("_ScrollWidth"), fw::ValueType::Int32);
  EXPECT_EQ(fw::RecordKeyType("Multiline"), fw::ValueType::Boolean);
  EXPECT_EQ(fw::RecordKeyType("BorderColor"), fw::ValueType::Color);
  EXPECT_EQ(fw::RecordKeyType("ColumnWidths"), fw::ValueType::String);
  // The table is looked up as the records spell the keys.
  EXPECT_FALSE(fw::RecordKeyType("MultiLine").has_value());
  EXPECT_FALSE(fw::RecordKeyType("TextSize").has_value());
}

// Every record of the program holds exactly these keys for its class; each
// must reach a property of that type.
struct ClassKeys {
  const char* className;
  std::shared_ptr<fw::Object> (*make)();
  std::string keys;
};

// Every control record begins with its name, index and place.
const std::string kPlace =
    "Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, ";

void PrintTo(const ClassKeys& row, std::ostream* out) { *out << row.className; }

template <class T>
std::shared_ptr<fw::Object> Make() {
  return std::make_shared<T>();
}

const ClassKeys kClassKeys[] = {
    {"Window", &Make<fw::Window>,
     "Placement, Width, Height, MinWidth, MinHeight, MaxWidth, MaxHeight, Frame, Composite, "
     "HasBackColor, BackColor, Title, Visible, FullScreen, MenuBarVisible, CloseButton, "
     "Resizeable, LiveResize, MaximizeButton, MinimizeButton, MacProcID"},
    {"PopupMenu", &Make<fw::PopupMenu>,
     kPlace +
         "TabPanelIndex, TabIndex, TabStop, Enabled, InitialValue, ListIndex, Visible, HelpTag, "
         "AutoDeactivate, TextFont, Bold, Italic, Underline, DataSource, DataField, InitialParent"},
    {"CheckBox", &Make<fw::CheckBox>,
     kPlace +
         "TabPanelIndex, TabIndex, TabStop, Caption, Enabled, Visible, HelpTag, AutoDeactivate, "
         "TextFont, Bold, Italic, Underline, State, Value, DataSource, DataField, InitialParent"},
    {"RoundRectangle", &Make<fw::RoundRectangle>,
     kPlace + "TabIndex, TabPanelIndex, Visible, HelpTag, AutoDeactivate, Enabled, FillColor, "
              "BorderWidth, BorderColor, OvalWidth, OvalHeight, InitialParent"},
    {"TextField", &Make<fw::TextField>,
     kPlace +
         "TabPanelIndex, TabIndex, TabStop, Border, Password, UseFocusRing, TextColor, BackColor, "
         "Enabled, Format, Visible, HelpTag, AutoDeactivate, TextFont, Bold, Italic, Underline, "
         "CueText, Text, Mask, ReadOnly, LimitText, AcceptTabs, Alignment, "
         "AutomaticallyCheckSpelling, DataSource, DataField, InitialParent"},
    {"Label", &Make<fw::Label>,
     kPlace +
         "TabPanelIndex, TabIndex, Text, TextAlign, TextColor, Multiline, Enabled, Visible, "
         "Selectable, Transparent, HelpTag, AutoDeactivate, TextFont, Bold, Italic, Underline, "
         "DataSource, DataField, InitialParent"},
    {"PushButton", &Make<fw::PushButton>,
     kPlace +
         "TabPanelIndex, TabIndex, TabStop, Caption, Default, Cancel, Enabled, Visible, HelpTag, "
         "AutoDeactivate, ButtonStyle, TextFont, Bold, Italic, Underline, InitialParent"},
    {"Listbox", &Make<fw::Listbox>,
     kPlace +
         "TabPanelIndex, TabIndex, TabStop, Visible, HelpTag, AutoDeactivate, Enabled, Border, "
         "ColumnCount, ColumnWidths, HasHeading, UseFocusRing, InitialValue, HeadingIndex, "
         "ScrollbarHorizontal, ScrollBarVertical, GridLinesHorizontal, GridLinesVertical, "
         "DefaultRowHeight, _ScrollWidth, TextFont, Bold, Italic, Underline, Hierarchical, "
         "EnableDrag, EnableDragReorder, RequiresSelection, SelectionType, ColumnsResizable, "
         "AutoHideScrollbars, DataSource, DataField, InitialParent"},
    {"Timer", &Make<fw::Timer>, "Mode, Period"},
    {"TextArea", &Make<fw::TextArea>,
     kPlace +
         "TabPanelIndex, TabIndex, TabStop, Border, Multiline, ScrollbarHorizontal, "
         "ScrollbarVertical, Styled, UseFocusRing, TextColor, BackColor, Enabled, Format, Visible, "
         "HelpTag, AutoDeactivate, HideSelection, TextFont, Bold, Italic, Underline, Text, Mask, "
         "ReadOnly, LimitText, AcceptTabs, Alignment, AutomaticallyCheckSpelling, DataSource, "
         "DataField"},
    {"ComboBox", &Make<fw::ComboBox>,
     kPlace +
         "TabPanelIndex, TabIndex, TabStop, Enabled, InitialValue, ListIndex, Visible, HelpTag, "
         "AutoDeactivate, UseFocusRing, TextFont, Bold, Italic, Underline, DataSource, DataField, "
         "AutoComplete"},
};

class RecordKeysOfClass : public ::testing::TestWithParam<ClassKeys> {};

TEST_P(RecordKeysOfClass, EveryKeyReachesAPropertyOfItsType) {
  const ClassKeys& row = GetParam();
  auto target = row.make();
  ASSERT_EQ(target->Class().Name(), row.className);
  RecordBuilder builder;
  std::vector<std::string> keys = fw::Split(row.keys, ", ");
  for (const std::string& key : keys) {
    auto type = fw::RecordKeyType(key);
    ASSERT_TRUE(type.has_value()) << key;
    const fw::PropertyInfo* property = target->Class().FindProperty(key);
    ASSERT_NE(property, nullptr) << row.className << " has no property for " << key;
    EXPECT_EQ(property->type, *type) << key;
    switch (*type) {
      case fw::ValueType::String:
        builder.String(key, "x");
        break;
      case fw::ValueType::Int32:
        builder.Int32(key, key == "Period" ? 500 : 0);
        break;
      case fw::ValueType::Boolean:
        builder.Boolean(key, true);
        break;
      case fw::ValueType::Color:
        builder.Colour(key, {1, 2, 3});
        break;
    }
  }
  EXPECT_NO_THROW(fw::SetProperties(*target, builder.Bytes()));
  // Every value set is read back the same through the property.
  for (const fw::RecordEntry& entry : fw::DecodeRecord(builder.Bytes())) {
    // No rows: ListIndex stays -1. Value, set after it, decides State.
    if (entry.key == "ListIndex" || entry.key == "State") continue;
    EXPECT_EQ(target->Class().FindProperty(entry.key)->get(*target), entry.value) << entry.key;
  }
}

INSTANTIATE_TEST_SUITE_P(ProgramClasses, RecordKeysOfClass, ::testing::ValuesIn(kClassKeys),
                         [](const auto& info) { return std::string(info.param.className); });

// A record holding each kind of value, with the byte length after each entry.
struct SampleRecord {
  std::string bytes;
  std::vector<std::string> keys;
  std::vector<size_t> ends;
};

SampleRecord Sample() {
  SampleRecord s;
  RecordBuilder b;
  auto mark = [&](const char* key) {
    s.keys.push_back(key);
    s.ends.push_back(b.Bytes().size());
  };
  b.String("Name", "Label7");
  mark("Name");
  b.Int32("Index", INT32_MIN);
  mark("Index");
  b.String("HelpTag", "");
  mark("HelpTag");
  b.String("Text", "Two\rlines");
  mark("Text");
  b.Boolean("Multiline", true);
  mark("Multiline");
  b.Colour("TextColor", {0x66, 0x66, 0xFF});
  mark("TextColor");
  b.Int32("Width", 80);
  mark("Width");
  s.bytes = b.Bytes();
  return s;
}

TEST(RecordDecoding, EveryPrefixDecodesAtABoundaryOrFailsNamingTheKey) {
  const SampleRecord s = Sample();
  const auto whole = fw::DecodeRecord(s.bytes);
  ASSERT_EQ(whole.size(), s.keys.size());
  for (size_t length = 0; length <= s.bytes.size(); ++length) {
    const std::string prefix = s.bytes.substr(0, length);
    size_t entry = 0;
    while (entry < s.ends.size() && s.ends[entry] < length) ++entry;
    const size_t start = entry == 0 ? 0 : s.ends[entry - 1];
    if (length == start || (entry < s.ends.size() && length == s.ends[entry])) {
      const size_t complete = length == start ? entry : entry + 1;
      std::vector<fw::RecordEntry> decoded;
      ASSERT_NO_THROW(decoded = fw::DecodeRecord(prefix)) << "length " << length;
      ASSERT_EQ(decoded.size(), complete) << "length " << length;
      for (size_t i = 0; i < complete; ++i) {
        EXPECT_EQ(decoded[i].key, whole[i].key);
        EXPECT_EQ(decoded[i].value, whole[i].value);
      }
      continue;
    }
    const std::string message = DecodeFailure(prefix);
    ASSERT_FALSE(message.empty()) << "length " << length << " decoded";
    const std::string& key = s.keys[entry];
    const size_t into = length - start;
    const std::string named = into < key.size() ? key.substr(0, into) : key;
    EXPECT_NE(message.find("\"" + named + "\""), std::string::npos)
        << "length " << length << ": " << message;
  }
}

TEST(RecordDecoding, MalformedRecordsNameTheKey) {
  struct Row {
    const char* what;
    std::string bytes;
    const char* key;
  };
  const Row rows[] = {
      {"unknown key", "Colour " + Bytes({1, 2, 3}), "Colour"},
      {"key in the wrong case", "MultiLine " + Bytes({1}), "MultiLine"},
      {"Boolean byte 2", "Enabled " + Bytes({2}), "Enabled"},
      {"Boolean byte FF", "Visible " + Bytes({0xFF}), "Visible"},
      {"count past the end", "Name " + Bytes({0, 0, 0, 0x10}) + "abc", "Name"},
      {"largest count", "Text " + Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "abc", "Text"},
      {"key without its blank", "Bold", "Bold"},
      {"empty key", " " + Bytes({0, 0, 0, 0}), ""},
      {"short colour", "FillColor " + Bytes({0xFF, 0}), "FillColor"},
  };
  for (const Row& row : rows) {
    const std::string message = DecodeFailure(row.bytes);
    ASSERT_FALSE(message.empty()) << row.what;
    EXPECT_NE(message.find("\"" + std::string(row.key) + "\""), std::string::npos)
        << row.what << ": " << message;
    fw::Label label;
    EXPECT_THROW(fw::SetProperties(label, row.bytes), RecordException) << row.what;
  }
}

TEST(RecordDecoding, DamagedBytesNeverEscapeAsAnythingButRecordException) {
  const std::string valid = Sample().bytes;
  std::mt19937 rng(20240607);
  for (int round = 0; round < 5000; ++round) {
    std::string bytes = valid;
    int flips = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < flips; ++i) bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
    bytes.resize(rng() % (bytes.size() + 1));
    try {
      fw::DecodeRecord(bytes);
    } catch (const RecordException&) {
    }
  }
}

// A class whose "Caption" is a number, to feed it a record of the wrong type.
class Gadget : public fw::Object {
 public:
  static const fw::ClassInfo& StaticClass() {
    return fw::BuildOnce([] {
      fw::ClassInfo c("RecordTestGadget", &fw::Object::StaticClass());
      c.Property(fw::FieldProperty("Caption", &Gadget::caption));
      c.Property(fw::FieldProperty("Width", &Gadget::width));
      return c;
    });
  }
  const fw::ClassInfo& Class() const override { return StaticClass(); }
  void BeginUpdate() override { ++begun; }
  void EndUpdate() override { ++ended; }

  int32_t caption = 0;
  int32_t width = 0;
  int begun = 0, ended = 0;
};

TEST(RecordApplying, WrongTypeAndForeignKeysStopTheApplyNamingTheKey) {
  Gadget gadget;
  try {
    fw::SetProperties(gadget, RecordBuilder().Int32("Width", 9).String("Caption", "OK").Bytes());
    FAIL() << "a String for an Int32 property was applied";
  } catch (const RecordException& e) {
    EXPECT_NE(std::string(e.what()).find("\"Caption\""), std::string::npos) << e.what();
  }
  EXPECT_EQ(gadget.width, 9);  // entries before the fault were applied in order
  EXPECT_EQ(gadget.begun, 1);
  EXPECT_EQ(gadget.ended, 1);  // the view is not left waiting for the batch's end

  fw::Label label;
  try {
    fw::SetProperties(label, RecordBuilder().Int32("Period", 500).Bytes());
    FAIL() << "a key of no Label property was applied";
  } catch (const RecordException& e) {
    EXPECT_NE(std::string(e.what()).find("\"Period\""), std::string::npos) << e.what();
  }
}

TEST(RecordApplying, ValuesASetterRefusesStopTheApplyNamingTheKey) {
  fw::CheckBox box;
  fw::PopupMenu popup;
  popup.AddRow("Round 1");
  struct Row {
    fw::Object& target;
    std::string bytes;
    const char* key;
    const char* reason;  // from the setter's own refusal
  };
  const Row rows[] = {
      {box, RecordBuilder().Int32("State", 1718886400).Bytes(), "State", "1718886400"},
      {popup, RecordBuilder().Int32("ListIndex", 5).Bytes(), "ListIndex", "no row 5"},
  };
  for (const Row& row : rows) {
    try {
      fw::SetProperties(row.target, row.bytes);
      ADD_FAILURE() << row.key << " was applied";
    } catch (const RecordException& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find("\"" + std::string(row.key) + "\""), std::string::npos) << message;
      EXPECT_NE(message.find(row.reason), std::string::npos) << message;
    }
  }
  EXPECT_EQ(box.State(), 0);
  EXPECT_EQ(popup.ListIndex(), -1);
}

TEST(RecordBuilding, RoundTripsEveryValueType) {
  const std::vector<fw::RecordEntry> entries = {
      {"Name", std::string("PushButton1")},
      {"Caption", std::string("")},
      {"Text", std::string("a\rb \xE2\x80\x94 c")},
      {"Left", int32_t{-5}},
      {"DefaultRowHeight", int32_t{-1}},
      {"Index", INT32_MIN},
      {"Enabled", true},
      {"Visible", false},
      {"FillColor", fw::Color{0, 128, 255}},
  };
  RecordBuilder builder;
  for (const auto& entry : entries) builder.Add(entry.key, entry.value);
  const auto decoded = fw::DecodeRecord(builder.Bytes());
  ASSERT_EQ(decoded.size(), entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(decoded[i].key, entries[i].key);
    EXPECT_EQ(decoded[i].value, entries[i].value) << entries[i].key;
  }
}

TEST(RecordBuilding, RefusesKeysOutsideTheTableOrOfAnotherType) {
  EXPECT_THROW(RecordBuilder().Int32("Colour", 1), RecordException);
  EXPECT_THROW(RecordBuilder().String("Width", "80"), RecordException);
  EXPECT_THROW(RecordBuilder().Boolean("BackColor", true), RecordException);
  EXPECT_THROW(RecordBuilder().Add("Period", std::string("500")), RecordException);
}

}  // namespace
