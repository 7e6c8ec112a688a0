#pragma once
// The four value types that a property, and so a design record, can hold.
#include <cstdint>
#include <string>
#include <variant>

namespace fw {

struct Color {
  uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color kWhite{255, 255, 255};
constexpr Color kBlack{0, 0, 0};

enum class ValueType { String, Int32, Boolean, Color };

using Value = std::variant<std::string, int32_t, bool, Color>;

inline ValueType TypeOf(const Value& v) { return static_cast<ValueType>(v.index()); }
const char* TypeName(ValueType t);

}  // namespace fw
