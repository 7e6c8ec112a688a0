#pragma once
// The string functions the handlers use. Fields are counted from 1, as the
// handlers count them; texts are UTF-8 bytes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

int32_t CountFields(std::string_view text, std::string_view separator);
std::string NthField(std::string_view text, std::string_view separator, int32_t n);
std::vector<std::string> Split(std::string_view text, std::string_view separator);
std::string Join(const std::vector<std::string>& parts, std::string_view separator);
std::string Replace(std::string_view text, std::string_view find, std::string_view with);
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with);
std::string Chr(uint32_t code);
double Val(std::string_view text);
std::string Str(int32_t value);
std::string Str(double value);
double Round(double value);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace fw
