// Feeds arbitrary text to the word splitter and its words to the spell
// checker with the real dictionary, as pasted text reaches them: every word
// lies inside the text and holds no digit, and checking it neither crashes
// nor hangs; the raw bytes, UTF-8 or not, are checked too.
#include <glib.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/EnchantSpellChecker.h"
#include "framework/SpellChecker.h"

namespace {

fw::SpellChecker& Checker() {
  static fw::EnchantSpellChecker checker;
  return checker;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The spelling folders are settled and the dictionary loads once, before
  // the inputs, as in the program.
  fw::SettleSpellingFolders();
  Checker().HasDictionary();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));

  size_t end = 0;
  for (const fw::WordSpan& word : fw::SplitWords(text)) {
    if (word.length == 0 || word.start < end || word.start + word.length > text.size()) abort();
    end = word.start + word.length;
    gchar* utf8 = g_utf16_to_utf8(reinterpret_cast<const gunichar2*>(text.data() + word.start),
                                  static_cast<glong>(word.length), nullptr, nullptr, nullptr);
    if (!utf8) abort();  // a word is whole characters
    for (const char* c = utf8; *c; ++c)
      if ((*c >= '0' && *c <= '9') || *c == '_') abort();
    Checker().IsKnown(utf8);
    // Near words are the engine's slow search, and ignoring a word changes
    // what later inputs find: both asked only of the words long enough to be
    // refused them, which the engine must never see.
    if (word.length > fw::SpellChecker::kLongestWord) {
      Checker().Suggestions(utf8);
      Checker().Ignore(utf8);
    }
    g_free(utf8);
  }
  Checker().IsKnown(bytes);
  return 0;
}
