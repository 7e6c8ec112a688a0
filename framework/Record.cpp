#include "framework/Record.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

#include "framework/Exceptions.h"
#include "framework/Object.h"

namespace fw {

namespace {

using KeyEntry = std::pair<std::string_view, ValueType>;
constexpr ValueType S = ValueType::String, I = ValueType::Int32, B = ValueType::Boolean,
                    C = ValueType::Color;

// The 95 keys of the program's records, as they are spelt in the records.
constexpr std::array<KeyEntry, 95> kKeys{{
    {"Name", S}, {"Title", S}, {"Caption", S}, {"Text", S}, {"TextFont", S}, {"HelpTag", S},
    {"InitialValue", S}, {"InitialParent", S}, {"DataSource", S}, {"DataField", S},
    {"CueText", S}, {"Format", S}, {"Mask", S}, {"ColumnWidths", S},
    {"Placement", I}, {"Width", I}, {"Height", I}, {"MinWidth", I}, {"MinHeight", I},
    {"MaxWidth", I}, {"MaxHeight", I}, {"Frame", I}, {"MacProcID", I}, {"Index", I},
    {"Left", I}, {"Top", I}, {"TabPanelIndex", I}, {"TabIndex", I}, {"ListIndex", I},
    {"State", I}, {"BorderWidth", I}, {"OvalWidth", I}, {"OvalHeight", I}, {"LimitText", I},
    {"Alignment", I}, {"TextAlign", I}, {"ButtonStyle", I}, {"ColumnCount", I},
    {"HeadingIndex", I}, {"GridLinesHorizontal", I}, {"GridLinesVertical", I},
    {"DefaultRowHeight", I}, {"_ScrollWidth", I}, {"SelectionType", I}, {"Mode", I},
    {"Period", I},
    {"Composite", B}, {"HasBackColor", B}, {"Visible", B}, {"FullScreen", B},
    {"MenuBarVisible", B}, {"CloseButton", B}, {"Resizeable", B}, {"LiveResize", B},
    {"MaximizeButton", B}, {"MinimizeButton", B}, {"LockLeft", B}, {"LockTop", B},
    {"LockRight", B}, {"LockBottom", B}, {"TabStop", B}, {"Enabled", B},
    {"AutoDeactivate", B}, {"Bold", B}, {"Italic", B}, {"Underline", B}, {"Value", B},
    {"Border", B}, {"Password", B}, {"UseFocusRing", B}, {"ReadOnly", B}, {"AcceptTabs", B},
    {"AutomaticallyCheckSpelling", B}, {"Multiline", B}, {"Selectable", B},
    {"Transparent", B}, {"Default", B}, {"Cancel", B}, {"HasHeading", B},
    {"ScrollbarHorizontal", B}, {"ScrollBarVertical", B}, {"ScrollbarVertical", B},
    {"Styled", B}, {"HideSelection", B}, {"Hierarchical", B}, {"EnableDrag", B},
    {"EnableDragReorder", B}, {"RequiresSelection", B}, {"ColumnsResizable", B},
    {"AutoHideScrollbars", B}, {"AutoComplete", B},
    {"BackColor", C}, {"FillColor", C}, {"BorderColor", C}, {"TextColor", C},
}};

void PutInt32(std::string& out, int32_t value) {
  auto u = static_cast<uint32_t>(value);
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((u >> shift) & 0xFF);
}

uint32_t GetUInt32(std::string_view bytes, size_t at) {
  uint32_t u = 0;
  for (size_t i = 0; i < 4; ++i) u = (u << 8) | static_cast<uint8_t>(bytes[at + i]);
  return u;
}

}  // namespace

std::optional<ValueType> RecordKeyType(std::string_view key) {
  // Every entry of every record is looked up here.
  static const std::unordered_map<std::string_view, ValueType> byName(kKeys.begin(), kKeys.end());
  auto it = byName.find(key);
  if (it == byName.end()) return std::nullopt;
  return it->second;
}

size_t RecordKeyCount() { return kKeys.size(); }

void RecordBuilder::Key(std::string_view key, ValueType type) {
  auto known = RecordKeyType(key);
  if (!known || *known != type)
    throw RecordException("design record key \"" + std::string(key) + "\" is not a " +
                          TypeName(type) + " key");
  bytes_.append(key);
  bytes_ += ' ';
}

RecordBuilder& RecordBuilder::String(std::string_view key, std::string_view value) {
  Key(key, ValueType::String);
  PutInt32(bytes_, static_cast<int32_t>(value.size()));
  bytes_.append(value);
  return *this;
}

RecordBuilder& RecordBuilder::Int32(std::string_view key, int32_t value) {
  Key(key, ValueType::Int32);
  PutInt32(bytes_, value);
  return *this;
}

RecordBuilder& RecordBuilder::Boolean(std::string_view key, bool value) {
  Key(key, ValueType::Boolean);
  bytes_ += static_cast<char>(value ? 1 : 0);
  return *this;
}

RecordBuilder& RecordBuilder::Colour(std::string_view key, Color value) {
  Key(key, ValueType::Color);
  bytes_ += static_cast<char>(value.red);
  bytes_ += static_cast<char>(value.green);
  bytes_ += static_cast<char>(value.blue);
  return *this;
}

RecordBuilder& RecordBuilder::Add(std::string_view key, const Value& value) {
  std::visit(
      [&](const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::string>) String(key, v);
        else if constexpr (std::is_same_v<T, int32_t>) Int32(key, v);
        else if constexpr (std::is_same_v<T, bool>) Boolean(key, v);
        else Colour(key, v);
      },
      value);
  return *this;
}

std::vector<RecordEntry> DecodeRecord(std::string_view bytes) {
  std::vector<RecordEntry> entries;
  // A control's record holds a few dozen keys.
  entries.reserve(48);
  size_t at = 0;
  while (at < bytes.size()) {
    size_t space = bytes.find(' ', at);
    if (space == std::string_view::npos)
      throw RecordException("design record ends inside the key \"" +
                            std::string(bytes.substr(at)) + "\"");
    std::string key(bytes.substr(at, space - at));
    auto type = RecordKeyType(key);
    if (!type) throw RecordException("design record holds the unknown key \"" + key + "\"");
    at = space + 1;
    auto need = [&](size_t n) {
      if (bytes.size() - at < n)
        throw RecordException("design record ends inside the value of \"" + key + "\"");
    };
    Value value;
    switch (*type) {
      case ValueType::String: {
        need(4);
        uint32_t length = GetUInt32(bytes, at);
        at += 4;
        need(length);
        value = std::string(bytes.substr(at, length));
        at += length;
        break;
      }
      case ValueType::Int32:
        need(4);
        value = static_cast<int32_t>(GetUInt32(bytes, at));
        at += 4;
        break;
      case ValueType::Boolean: {
        need(1);
        auto b = static_cast<uint8_t>(bytes[at]);
        if (b > 1)
          throw RecordException("design record gives \"" + key + "\" the Boolean byte " +
                                std::to_string(b));
        value = b == 1;
        at += 1;
        break;
      }
      case ValueType::Color:
        need(3);
        value = Color{static_cast<uint8_t>(bytes[at]), static_cast<uint8_t>(bytes[at + 1]),
                      static_cast<uint8_t>(bytes[at + 2])};
        at += 3;
        break;
    }
    entries.push_back({std::move(key), std::move(value)});
  }
  return entries;
}

void SetProperties(Object& target, std::string_view record) {
  std::vector<RecordEntry> entries = DecodeRecord(record);
  struct Batch {
    Object& target;
    explicit Batch(Object& t) : target(t) { target.BeginUpdate(); }
    ~Batch() { target.EndUpdate(); }
  } batch(target);
  for (const RecordEntry& entry : entries) {
    const PropertyInfo* property = target.Class().FindProperty(entry.key);
    if (!property)
      throw RecordException("design record key \"" + entry.key + "\" names no property of " +
                            target.Class().Name());
    if (property->type != TypeOf(entry.value))
      throw RecordException("design record key \"" + entry.key + "\" holds a " +
                            TypeName(TypeOf(entry.value)) + " but " + property->name +
                            " is a " + TypeName(property->type));
    try {
      property->set(target, entry.value);
    } catch (const RuntimeException& e) {
      // The setter's refusal speaks of the value alone; the record's error
      // must also say which entry holds it.
      throw RecordException("design record key \"" + entry.key + "\" holds a value " +
                            target.Class().Name() + "." + property->name + " refuses: " +
                            e.what());
    }
  }
}

}  // namespace fw
