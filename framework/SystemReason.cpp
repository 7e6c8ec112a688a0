#include "framework/SystemReason.h"

#include <iconv.h>
#include <langinfo.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

#include "framework/Strings.h"

namespace fw {

namespace {

bool IsEnglish(const std::string& language) {
  return language == "C" || language == "POSIX" || language.starts_with("C.") || language == "en" ||
         language.starts_with("en_") || language.starts_with("en.") ||
         language.starts_with("en@") || language.starts_with("en:");
}

bool IsAscii(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// The text in UTF-8, from the character set of the user's locale; where that
// fails, with "?" for every byte beyond ASCII.
std::string ToUtf8(std::string text, const char* codeset) {
  const iconv_t convert = ::iconv_open("UTF-8", codeset);
  if (convert != reinterpret_cast<iconv_t>(-1)) {
    std::string out(text.size() * 4, '\0');
    char *from = text.data(), *to = out.data();
    size_t left = text.size(), room = out.size();
    const bool done = ::iconv(convert, &from, &left, &to, &room) != static_cast<size_t>(-1);
    ::iconv_close(convert);
    if (done) return out.substr(0, out.size() - room);
  }
  for (char& c : text)
    if (static_cast<unsigned char>(c) >= 0x80) c = '?';
  return text;
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

bool SystemReasonsInEnglish() {
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  const std::string locale = messages ? messages : "C";
  // The C library's messages follow LANGUAGE before the locale, except in
  // the C locale itself, which is never translated.
  if (locale == "C" || locale == "POSIX") return true;
  const char* language = std::getenv("LANGUAGE");
  return IsEnglish(language && *language ? language : locale);
}

// The system's reasons start with a capital. In English it merely starts the
// sentence, while another language's may belong to the word itself (a German
// noun) and stays. Only an ASCII capital is lowered: the reason is UTF-8, and
// a byte beyond ASCII is part of a character that the locale's own tolower
// would spoil.
std::string ReasonInSentence(std::string reason) {
  if (SystemReasonsInEnglish() && !reason.empty() && reason[0] >= 'A' && reason[0] <= 'Z')
    reason[0] = static_cast<char>(reason[0] - 'A' + 'a');
  return reason;
}

}  // namespace fw
