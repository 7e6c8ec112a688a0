#include "framework/EnchantSpellChecker.h"

#include <enchant.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>

namespace fw {

namespace {

// Answers kept at most; a text with more different words starts again.
constexpr size_t kMostAnswers = 1 << 16;

void CollectTag(const char* tag, const char*, const char*, const char*, void* tags) {
  static_cast<std::vector<std::string>*>(tags)->emplace_back(tag);
}

bool Absolute(const char* path) { return path && path[0] == '/'; }

}  // namespace

// The engines look for the user's settings and word lists through HOME and
// the settings folders' variables, and take the current folder where HOME is
// unset, empty or relative, or one of those is empty or relative (an unset
// one only sends them on to HOME): started without HOME (by some service
// managers, or `env -u HOME`) they would read whatever settings lie there
// (one naming a filter library runs its code in this process) and write the
// user's words there. So the folders are made sure of before the engine
// starts, and once at start-up, before the program runs any other thread
// that might read the environment while it changes.
bool SettleSpellingFolders() {
  for (const char* name : {"ENCHANT_CONFIG_DIR", "XDG_CONFIG_HOME"})
    if (!Absolute(std::getenv(name))) unsetenv(name);
  if (Absolute(std::getenv("HOME"))) return true;
  const passwd* user = getpwuid(getuid());
  if (!user || !Absolute(user->pw_dir)) return false;
  return setenv("HOME", user->pw_dir, 1) == 0;
}

EnchantSpellChecker::EnchantSpellChecker(std::string language) : language_(std::move(language)) {}

EnchantSpellChecker::~EnchantSpellChecker() {
  if (dictionary_) enchant_broker_free_dict(broker_, dictionary_);
  if (broker_) enchant_broker_free(broker_);
}

EnchantDict* EnchantSpellChecker::Dictionary() {
  if (loaded_) return dictionary_;
  loaded_ = true;
  if (!SettleSpellingFolders()) {
    std::cerr << "Spell checking is off: the user has no home folder for its word lists\n";
    return nullptr;
  }
  broker_ = enchant_broker_init();
  if (!broker_) {
    std::cerr << "Spell checking is off: the spelling library could not start\n";
    return nullptr;
  }
  dictionary_ = enchant_broker_request_dict(broker_, language_.c_str());
  if (!dictionary_) {
    std::vector<std::string> tags;
    enchant_broker_list_dicts(broker_, CollectTag, &tags);
    std::sort(tags.begin(), tags.end());
    const std::string family = language_.substr(0, language_.find('_'));
    for (const std::string& tag : tags) {
      if (tag != family && tag.rfind(family + "_", 0) != 0) continue;
      dictionary_ = enchant_broker_request_dict(broker_, tag.c_str());
      if (dictionary_) break;
    }
  }
  if (!dictionary_)
    std::cerr << "Spell checking is off: no " << language_ << " dictionary is installed\n";
  return dictionary_;
}

bool EnchantSpellChecker::HasDictionary() { return Dictionary() != nullptr; }

bool EnchantSpellChecker::Check(std::string_view word) {
  EnchantDict* dictionary = Dictionary();
  if (!dictionary) return true;
  std::string key(word);
  if (auto known = answers_.find(key); known != answers_.end()) return known->second;
  // 0 is known, a positive number unknown, a negative one an error.
  const bool known =
      enchant_dict_check(dictionary, word.data(), static_cast<ssize_t>(word.size())) <= 0;
  if (answers_.size() >= kMostAnswers) answers_.clear();
  answers_.emplace(std::move(key), known);
  return known;
}

std::vector<std::string> EnchantSpellChecker::Suggest(std::string_view word) {
  EnchantDict* dictionary = Dictionary();
  if (!dictionary) return {};
  size_t count = 0;
  char** list =
      enchant_dict_suggest(dictionary, word.data(), static_cast<ssize_t>(word.size()), &count);
  if (!list) return {};
  std::vector<std::string> suggestions(list, list + count);
  enchant_dict_free_string_list(dictionary, list);
  return suggestions;
}

void EnchantSpellChecker::AddToSession(std::string_view word) {
  if (EnchantDict* dictionary = Dictionary()) {
    enchant_dict_add_to_session(dictionary, word.data(), static_cast<ssize_t>(word.size()));
    answers_.clear();
  }
}

void EnchantSpellChecker::AddToPersonalList(std::string_view word) {
  if (EnchantDict* dictionary = Dictionary()) {
    enchant_dict_add(dictionary, word.data(), static_cast<ssize_t>(word.size()));
    answers_.clear();
  }
}

SpellChecker& SharedSpellChecker() {
  static EnchantSpellChecker checker;
  return checker;
}

}  // namespace fw
