#pragma once
// Spell checking for text areas that ask for it: which words a text holds,
// whether the dictionary knows each, what it suggests instead, and the words
// the user has ignored or added. One checker serves the whole process; it is
// reached through the services (TheServices().Spelling()).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// A word of a text: where it starts and how many UTF-16 units it spans.
struct WordSpan {
  size_t start = 0, length = 0;
  bool operator==(const WordSpan&) const = default;
};

// The words a spell checker looks at: runs of letters (with the marks that
// go with them) that may hold apostrophes between two letters ("don't").
// A run that holds a digit or an underscore ("R2D2", "user_id") is no word
// to check. Units that are not valid UTF-16 end a word.
std::vector<WordSpan> SplitWords(std::u16string_view text);

class SpellChecker {
 public:
  static constexpr size_t kMostSuggestions = 8;
  // Longer words get no suggestions: no dictionary holds them, and finding
  // near words for them takes long.
  static constexpr size_t kLongestWordToSuggestFor = 100;

  virtual ~SpellChecker() = default;

  // False where no dictionary can be had; every word is then known.
  virtual bool HasDictionary() = 0;
  // The word in UTF-8; text that is not valid UTF-8 is no word and known.
  bool IsKnown(std::string_view word);
  // Best first, at most kMostSuggestions; none for a word longer than
  // kLongestWordToSuggestFor characters.
  std::vector<std::string> Suggestions(std::string_view word);
  // Known from now on, in every text area, until the program ends.
  void Ignore(std::string_view word);
  // Kept in the user's personal word list, so known in later runs too; where
  // that list cannot be written, known for this run.
  void AddToDictionary(std::string_view word);

 protected:
  virtual bool Check(std::string_view word) = 0;
  virtual std::vector<std::string> Suggest(std::string_view word) = 0;
  virtual void AddToSession(std::string_view word) = 0;
  virtual void AddToPersonalList(std::string_view word) = 0;
};

// A checker without a dictionary: knows every word, suggests nothing.
class NoSpellChecker final : public SpellChecker {
 public:
  bool HasDictionary() override { return false; }

 protected:
  bool Check(std::string_view) override { return true; }
  std::vector<std::string> Suggest(std::string_view) override { return {}; }
  void AddToSession(std::string_view) override {}
  void AddToPersonalList(std::string_view) override {}
};

// The process's one checker over the desktop's spelling library, made on the
// first call; its dictionary is loaded when a word is first checked.
SpellChecker& SharedSpellChecker();

}  // namespace fw
