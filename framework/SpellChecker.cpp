#include "framework/SpellChecker.h"

#include <glib.h>

#include <algorithm>
#include <tuple>

namespace fw {

namespace {

enum class Kind { Letter, Mark, DigitOrUnderscore, Apostrophe, Other };

// The character at i and the number of UTF-16 units it takes; a lone
// surrogate is no character (-1).
std::pair<int32_t, size_t> CharAt(std::u16string_view text, size_t i) {
  const char16_t unit = text[i];
  if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
      text[i + 1] <= 0xDFFF)
    return {0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00), 2};
  if (unit >= 0xD800 && unit <= 0xDFFF) return {-1, 1};
  return {unit, 1};
}

Kind KindOf(int32_t c) {
  if (c < 0) return Kind::Other;
  const auto u = static_cast<gunichar>(c);
  if (c == '\'' || c == 0x2019) return Kind::Apostrophe;
  if (c == '_') return Kind::DigitOrUnderscore;
  if (g_unichar_isalpha(u)) return Kind::Letter;
  if (g_unichar_ismark(u)) return Kind::Mark;
  switch (g_unichar_type(u)) {
    case G_UNICODE_DECIMAL_NUMBER:
    case G_UNICODE_LETTER_NUMBER:
    case G_UNICODE_OTHER_NUMBER:
    case G_UNICODE_CONNECT_PUNCTUATION:
      return Kind::DigitOrUnderscore;
    default:
      return Kind::Other;
  }
}

bool Valid(std::string_view word) {
  return !word.empty() && g_utf8_validate(word.data(), static_cast<gssize>(word.size()), nullptr);
}

bool Blank(char16_t unit) {
  if (unit < 0x80) return unit == ' ' || (unit >= '\t' && unit <= '\r');
  return !(unit >= 0xD800 && unit <= 0xDFFF) && g_unichar_isspace(static_cast<gunichar>(unit));
}

// A run of text between blanks that is a web address ("https://...",
// "www..."), an e-mail address ("name@example.org") or a file path
// ("/usr/share/...", "~/...", "./...", "docs/en/index", "C:\Users"): its
// pieces are no words, and would be marked one by one.
bool AddressOrPath(std::u16string_view run) {
  // Opening brackets and quotes before it belong to the sentence.
  while (!run.empty() &&
         std::u16string_view(u"([{<\"'\u2018\u201C").find(run.front()) != std::u16string_view::npos)
    run.remove_prefix(1);
  // Most runs are plain words: one look for the characters that all but
  // "www." need.
  if (run.find_first_of(u":@/\\") == std::u16string_view::npos) return run.starts_with(u"www.");
  const auto has = [run](std::u16string_view piece) {
    return run.find(piece) != std::u16string_view::npos;
  };
  const auto starts = [run](std::u16string_view prefix) { return run.starts_with(prefix); };
  const size_t at = run.find(u'@');
  const bool email = at != std::u16string_view::npos && at > 0 &&
                     run.find(u'.', at + 1) != std::u16string_view::npos;
  const bool slashes = std::count(run.begin(), run.end(), u'/') >= 2;
  return has(u"://") || starts(u"www.") || email || starts(u"/") || starts(u"~/") ||
         starts(u"./") || starts(u"../") || slashes || has(u"\\");
}

// The words of a run of text between blanks, at offset in the whole text.
void SplitRun(std::u16string_view text, size_t offset, std::vector<WordSpan>& words) {
  size_t i = 0;
  while (i < text.size()) {
    auto [c, width] = CharAt(text, i);
    Kind kind = KindOf(c);
    if (kind == Kind::Other || kind == Kind::Apostrophe) {
      i += width;
      continue;
    }
    const size_t start = i;
    bool letters = false, skipped = false;
    while (i < text.size()) {
      std::tie(c, width) = CharAt(text, i);
      kind = KindOf(c);
      if (kind == Kind::Apostrophe) {
        // Only an apostrophe between a letter and a letter belongs to the word.
        const bool inner =
            i + width < text.size() && KindOf(CharAt(text, i + width).first) == Kind::Letter;
        if (!inner) break;
      } else if (kind == Kind::Other) {
        break;
      }
      letters = letters || kind == Kind::Letter;
      skipped = skipped || kind == Kind::DigitOrUnderscore;
      i += width;
    }
    if (letters && !skipped) words.push_back({offset + start, i - start});
  }
}

}  // namespace

std::vector<WordSpan> SplitWords(std::u16string_view text) {
  std::vector<WordSpan> words;
  size_t i = 0;
  while (i < text.size()) {
    if (Blank(text[i])) {
      ++i;
      continue;
    }
    const size_t start = i;
    while (i < text.size() && !Blank(text[i])) ++i;
    const std::u16string_view run = text.substr(start, i - start);
    if (!AddressOrPath(run)) SplitRun(run, start, words);
  }
  return words;
}

bool SpellChecker::IsKnown(std::string_view word) { return !Valid(word) || Check(word); }

bool SpellChecker::CanLearn(std::string_view word) {
  return Valid(word) && g_utf8_strlen(word.data(), static_cast<gssize>(word.size())) <=
                            static_cast<glong>(kLongestWord);
}

std::vector<std::string> SpellChecker::Suggestions(std::string_view word) {
  if (!CanLearn(word)) return {};
  std::vector<std::string> suggestions = Suggest(word);
  if (suggestions.size() > kMostSuggestions) suggestions.resize(kMostSuggestions);
  return suggestions;
}

void SpellChecker::Ignore(std::string_view word) {
  if (CanLearn(word)) AddToSession(word);
}

std::optional<WordListFailure> SpellChecker::AddToDictionary(std::string_view word) {
  if (!CanLearn(word)) return std::nullopt;
  // Known for this run even where the personal list cannot be written.
  AddToSession(word);
  return AddToPersonalList(word);
}

}  // namespace fw
