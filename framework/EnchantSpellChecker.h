#pragma once
// The spell checker over Enchant, the desktop's spelling library: it picks
// the engine the system prefers for the language and keeps the user's
// personal word list where other desktop programs keep it
// ($XDG_CONFIG_HOME/enchant/<language>.dic).
#include <string>
#include <unordered_map>

#include "framework/SpellChecker.h"

typedef struct str_enchant_broker EnchantBroker;
typedef struct str_enchant_dict EnchantDict;

namespace fw {

// Makes HOME the user's home folder (from the password database where it is
// unset, empty or relative) and drops empty or relative settings folders'
// variables, so that no engine reads or writes the current folder; false
// where the user has no home folder at all. Called once at start-up, while
// the process has no other thread; where the folders are not settled then,
// spell checking is off.
bool SettleSpellingFolders();

class EnchantSpellChecker final : public SpellChecker {
 public:
  // The language's dictionary, or else another installed one of the same
  // language ("en_GB" for "en_US"); loaded when first needed.
  explicit EnchantSpellChecker(std::string language = "en_US");
  ~EnchantSpellChecker() override;
  EnchantSpellChecker(const EnchantSpellChecker&) = delete;
  EnchantSpellChecker& operator=(const EnchantSpellChecker&) = delete;

  bool HasDictionary() override;

 protected:
  bool Check(std::string_view word) override;
  std::vector<std::string> Suggest(std::string_view word) override;
  void AddToSession(std::string_view word) override;
  std::optional<WordListFailure> AddToPersonalList(std::string_view word) override;

 private:
  EnchantDict* Dictionary();
  // False, and checking off from then on, where a personal list the library
  // reads before it answers is no longer a regular file.
  bool ListsStillReadable();

  std::string language_;
  bool loaded_ = false;
  EnchantBroker* broker_ = nullptr;
  EnchantDict* dictionary_ = nullptr;
  // The library's own personal list for the dictionary's language, which it
  // reads whatever the engine.
  std::string personalList_;
  // Answers already given: a text repeats its words, and asking the engine
  // costs far more than a look-up. Emptied when a word becomes known.
  std::unordered_map<std::string, bool> answers_;
};

}  // namespace fw
