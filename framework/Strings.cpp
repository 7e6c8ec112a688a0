#include "framework/Strings.h"

#include <locale.h>
#include <stdlib.h>

#include <cctype>
#include <charconv>
#include <cmath>

namespace fw {

int32_t CountFields(std::string_view text, std::string_view separator) {
  if (text.empty()) return 0;
  if (separator.empty()) return 1;
  int32_t count = 1;
  for (size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, at + separator.size()))
    ++count;
  return count;
}

std::string NthField(std::string_view text, std::string_view separator, int32_t n) {
  if (n < 1 || text.empty()) return {};
  if (separator.empty()) return n == 1 ? std::string(text) : std::string();
  size_t start = 0;
  for (int32_t field = 1; field < n; ++field) {
    size_t at = text.find(separator, start);
    if (at == std::string_view::npos) return {};
    start = at + separator.size();
  }
  size_t end = text.find(separator, start);
  return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  if (separator.empty()) {
    parts.emplace_back(text);
    return parts;
  }
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, start)) {
    parts.emplace_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) out += separator;
    out += parts[i];
  }
  return out;
}

std::string Replace(std::string_view text, std::string_view find, std::string_view with) {
  std::string out(text);
  if (find.empty()) return out;
  size_t at = out.find(find);
  if (at != std::string::npos) out.replace(at, find.size(), with);
  return out;
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(text);
  std::string out;
  size_t start = 0;
  for (size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, start)) {
    out.append(text.substr(start, at - start));
    out.append(with);
    start = at + find.size();
  }
  out.append(text.substr(start));
  return out;
}

std::string Chr(uint32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

// Only a plain decimal number counts: no hexadecimal, no "inf" or "nan",
// which strtod would also accept.
double Val(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
  bool digits = false;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    number += text[i++];
    digits = true;
  }
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      number += text[i++];
      digits = true;
    }
  }
  if (!digits) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    bool expDigits = false;
    while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
      exponent += text[j++];
      expDigits = true;
    }
    if (expDigits) number += exponent;
  }
  // The user's locale may want a decimal comma; these texts always have a
  // point.
  static const locale_t kPlainNumbers = newlocale(LC_NUMERIC_MASK, "C", nullptr);
  return strtod_l(number.c_str(), nullptr, kPlainNumbers);
}

std::string Str(int32_t value) { return std::to_string(value); }

std::string Str(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  // Written with a decimal point whatever the user's locale.
  char buffer[64];
  const bool whole = value == std::trunc(value) && std::fabs(value) < 1e15;
  const auto written = whole ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                             std::chars_format::fixed, 0)
                             : std::to_chars(buffer, buffer + sizeof buffer, value,
                                             std::chars_format::general, 15);
  std::string out(buffer, written.ptr);
  return out == "-0" ? "0" : out;
}

double Round(double value) { return std::round(value); }

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  // Names are ASCII; folding by hand keeps the locale out of it and keeps
  // the record keys' property look-up, done for every key of every control
  // built, cheap.
  auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && fold(a[i]) != fold(b[i])) return false;
  return true;
}

}  // namespace fw
