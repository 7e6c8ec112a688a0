#include "framework/SystemReason.h"

#include <iconv.h>
#include <langinfo.h>

#include <cstring>

#include "framework/Strings.h"

namespace fw {

namespace {

bool IsAscii(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// The text in UTF-8, from the character set of the user's locale; a byte that
// cannot be converted becomes "?".
std::string ToUtf8(const std::string& text, const char* codeset) {
  const iconv_t convert = ::iconv_open("UTF-8", codeset);
  if (convert == reinterpret_cast<iconv_t>(-1)) {
    std::string plain = text;
    for (char& c : plain)
      if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    return plain;
  }
  std::string in = text, out(text.size() * 4 + 4, '\0');
  char* from = in.data();
  char* to = out.data();
  size_t left = in.size(), room = out.size();
  while (left > 0 && ::iconv(convert, &from, &left, &to, &room) == static_cast<size_t>(-1)) {
    if (room < 4) break;
    *to++ = '?';
    --room;
    ++from;
    --left;
  }
  ::iconv_close(convert);
  out.resize(out.size() - room);
  return out;
}

}  // namespace

// The C library gives its reasons in the character set of the user's
// locale, which is not always UTF-8 ("zu gro\xDF" under de_DE.ISO-8859-1);
// the program's texts are.
std::string SystemReason(int error) {
  const std::string reason = std::strerror(error);
  const char* codeset = ::nl_langinfo(CODESET);
  if (IsAscii(reason) || !codeset || EqualsIgnoreCase(codeset, "UTF-8")) return reason;
  return ToUtf8(reason, codeset);
}

}  // namespace fw
