#pragma once
// Spell checking for text areas that ask for it: which words a text holds,
// whether the dictionary knows each, what it suggests instead, and the words
// the user has ignored or added. One checker serves the whole process; it is
// reached through the services (TheServices().Spelling()).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// Why an added word could not be kept for later runs: the word list it was
// to go to, and the system's reason.
struct WordListFailure {
  std::string list, reason;
};

// A word of a text: where it starts and how many UTF-16 units it spans.
struct WordSpan {
  size_t start = 0, length = 0;
  bool operator==(const WordSpan&) const = default;
};

// The words a spell checker looks at: runs of letters (with the marks that
// go with them) that may hold apostrophes between two letters ("don't").
// A run that holds a digit or an underscore ("R2D2", "user_id") is no word
// to check, nor is any piece of a web address, e-mail address or file path.
// Units that are not valid UTF-16 end a word.
std::vector<WordSpan> SplitWords(std::u16string_view text);

class SpellChecker {
 public:
  static constexpr size_t kMostSuggestions = 8;
  // The longest word a dictionary may hold, in characters. A longer one (a
  // key held down, a paste) is only ever checked: finding near words for it
  // takes long, and the engines fail on it when it is ignored or added.
  static constexpr size_t kLongestWord = 100;

  virtual ~SpellChecker() = default;

  // False where no dictionary can be had; every word is then known.
  virtual bool HasDictionary() = 0;
  // The word in UTF-8; text that is not valid UTF-8 is no word and known.
  bool IsKnown(std::string_view word);
  // Best first, at most kMostSuggestions; none for a word longer than
  // kLongestWord characters.
  std::vector<std::string> Suggestions(std::string_view word);
  // Whether the word is one that can be ignored or added: valid UTF-8 of at
  // most kLongestWord characters.
  static bool CanLearn(std::string_view word);
  // Known from now on, in every text area, until the program ends; nothing
  // where the word cannot be learnt.
  void Ignore(std::string_view word);
  // Kept in the user's personal word list, so known in later runs too; where
  // that list cannot be written, known for this run, and the failure is
  // returned. Nothing where the word cannot be learnt.
  std::optional<WordListFailure> AddToDictionary(std::string_view word);

 protected:
  virtual bool Check(std::string_view word) = 0;
  virtual std::vector<std::string> Suggest(std::string_view word) = 0;
  virtual void AddToSession(std::string_view word) = 0;
  virtual std::optional<WordListFailure> AddToPersonalList(std::string_view word) = 0;
};

// A checker without a dictionary: knows every word, suggests nothing.
class NoSpellChecker final : public SpellChecker {
 public:
  bool HasDictionary() override { return false; }

 protected:
  bool Check(std::string_view) override { return true; }
  std::vector<std::string> Suggest(std::string_view) override { return {}; }
  void AddToSession(std::string_view) override {}
  std::optional<WordListFailure> AddToPersonalList(std::string_view) override {
    return std::nullopt;
  }
};

// The process's one checker over the desktop's spelling library, made on the
// first call; its dictionary is loaded when a word is first checked.
SpellChecker& SharedSpellChecker();

}  // namespace fw
