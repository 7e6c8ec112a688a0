#include "framework/EnchantSpellChecker.h"

#include <enchant-provider.h>
#include <enchant.h>
#include <fcntl.h>
#include <glib.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "framework/FolderItem.h"
#include "framework/SystemReason.h"

namespace fw {

namespace {

// Answers kept at most; a text with more different words starts again.
constexpr size_t kMostAnswers = 1 << 16;

void CollectTag(const char* tag, const char*, const char*, const char*, void* tags) {
  static_cast<std::vector<std::string>*>(tags)->emplace_back(tag);
}

bool Absolute(const char* path) { return path && path[0] == '/'; }

// The settings folders' variables, which the engines follow before HOME.
constexpr const char* kSettingsFolders[] = {"ENCHANT_CONFIG_DIR", "XDG_CONFIG_HOME"};

// What SettleSpellingFolders makes sure of.
bool SpellingFoldersSettled() {
  for (const char* name : kSettingsFolders)
    if (std::getenv(name) && !Absolute(std::getenv(name))) return false;
  return Absolute(std::getenv("HOME"));
}

void KeepTag(const char* tag, const char*, const char*, const char*, void* kept) {
  *static_cast<std::string*>(kept) = tag;
}

// The library's user folder for its lists ($ENCHANT_CONFIG_DIR, else the
// settings folder's "enchant"); empty where it names none.
std::string UserFolder() {
  char* folder = enchant_get_user_config_dir();
  if (!folder) return {};
  std::string path(folder);
  g_free(folder);
  return path;
}

// The library's personal list for the dictionary: "<tag>.dic" in its user
// folder, under the tag of the dictionary loaded, which may be another than
// the one asked for. Bare where the library names no folder.
std::string PersonalListOf(EnchantDict* dictionary) {
  std::string tag;
  enchant_dict_describe(dictionary, KeepTag, &tag);
  const std::string folder = UserFolder();
  return folder.empty() ? tag + ".dic" : folder + "/" + tag + ".dic";
}

// The tag as the library names its lists after it: without blanks around it,
// its character set or variant ("en_GB.UTF-8@euro"), "-" made "_", the
// language in small letters and the rest in capitals ("EN-us" is "en_US").
std::string ListTag(std::string tag) {
  constexpr char kBlanks[] = " \t\n\v\f\r";
  tag.erase(0, tag.find_first_not_of(kBlanks));
  tag.erase(tag.find_last_not_of(kBlanks) + 1);
  tag.erase(std::min(tag.find('@'), tag.size()));
  tag.erase(std::min(tag.find('.'), tag.size()));
  if (const size_t dash = tag.find('-'); dash != std::string::npos) tag[dash] = '_';
  const size_t region = std::min(tag.find('_'), tag.size());
  for (size_t i = 0; i < tag.size(); ++i)
    tag[i] = i < region ? g_ascii_tolower(tag[i]) : g_ascii_toupper(tag[i]);
  return tag;
}

// Why the library must not open a personal list of its own: the list is
// there and no regular file, and an open of a named pipe waits for a writer
// that may never come. Empty where it is a regular file or none at all (the
// library then makes it).
std::string UnusableList(const std::string& list) {
  struct stat info {};
  if (::stat(list.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return {};
  return "the word list \"" + list + "\" is not opened: " + NotARegularFile(info.st_mode);
}

// Why the library must not load the tag's dictionary: loading it opens the
// personal lists "<tag>.dic" and "<tag>.exc" in the user folder, under the
// language alone too where no dictionary has the whole tag.
std::string UnusableListFor(const std::string& tag) {
  const std::string folder = UserFolder();
  if (folder.empty()) return {};
  const std::string full = ListTag(tag), language = full.substr(0, full.find('_'));
  for (const std::string& name : {full, language})
    for (const char* kind : {".dic", ".exc"})
      if (std::string why = UnusableList(folder + "/" + name + kind); !why.empty()) return why;
  return {};
}

// Appends the word to the list as a line of its own; the system's reason
// where it cannot, the list then as it was. The library appends so too, and
// holds the file meanwhile: its readers and writers never see half a line.
// Only a regular file is written, and the open waits on nothing: the list may
// have been replaced by a named pipe since the dictionary loaded.
std::string AppendWord(const std::string& list, std::string_view word) {
  const std::string folder = list.substr(0, list.rfind('/'));
  if (g_mkdir_with_parents(folder.c_str(), 0700) != 0) return SystemReason(errno);
  const int fd =
      ::open(list.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
  struct stat info {};
  if (fd < 0) {
    const int error = errno;
    // A named pipe without a reader, a socket and a folder fail at once: say
    // what stands there rather than the system's bare reason.
    return ::stat(list.c_str(), &info) == 0 && !S_ISREG(info.st_mode)
               ? NotARegularFile(info.st_mode)
               : SystemReason(error);
  }
  const std::string refused = ::fstat(fd, &info) != 0  ? SystemReason(errno)
                              : !S_ISREG(info.st_mode) ? NotARegularFile(info.st_mode)
                                                       : "";
  if (!refused.empty()) {
    ::close(fd);
    return refused;
  }
  // A regular file never waits; the stream's writes are the ordinary kind.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
  TextOutputStream stream(fd, list);
  std::string line = stream.AtLineStart() ? "" : "\n";
  line.append(word).append("\n");
  if (stream.Write(line) && stream.Flush()) return stream.Close() ? "" : stream.Error();
  std::string reason = stream.Error();
  stream.TakeBack();
  return reason;
}

}  // namespace

// The engines look for the user's settings and word lists through HOME and
// the settings folders' variables, and take the current folder where HOME is
// unset, empty or relative, or one of those is empty or relative (an unset
// one only sends them on to HOME): started without HOME (by some service
// managers, or `env -u HOME`) they would read whatever settings lie there
// (one naming a filter library runs its code in this process) and write the
// user's words there. So the folders are made sure of once, at start-up,
// before the program runs any other thread that might read the environment
// while it changes; the checker only reads them, and stays off where they
// were not settled.
bool SettleSpellingFolders() {
  for (const char* name : kSettingsFolders)
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
  if (!SpellingFoldersSettled()) {
    std::cerr << "Spell checking is off: the user has no home folder for its word lists\n";
    return nullptr;
  }
  broker_ = enchant_broker_init();
  if (!broker_) {
    std::cerr << "Spell checking is off: the spelling library could not start\n";
    return nullptr;
  }
  std::string unusable;
  auto request = [&](const std::string& tag) -> EnchantDict* {
    unusable = UnusableListFor(tag);
    return unusable.empty() ? enchant_broker_request_dict(broker_, tag.c_str()) : nullptr;
  };
  dictionary_ = request(language_);
  if (!dictionary_ && unusable.empty()) {
    std::vector<std::string> tags;
    enchant_broker_list_dicts(broker_, CollectTag, &tags);
    std::sort(tags.begin(), tags.end());
    const std::string family = language_.substr(0, language_.find('_'));
    for (const std::string& tag : tags) {
      if (tag != family && tag.rfind(family + "_", 0) != 0) continue;
      dictionary_ = request(tag);
      if (dictionary_ || !unusable.empty()) break;
    }
  }
  if (!unusable.empty())
    std::cerr << "Spell checking is off: " << unusable << "\n";
  else if (dictionary_)
    personalList_ = PersonalListOf(dictionary_);
  else
    std::cerr << "Spell checking is off: no " << language_ << " dictionary is installed\n";
  return dictionary_;
}

// The library reads its personal lists again, before it answers, whenever
// they have changed, with the same waiting open as when it loaded them: one
// that a named pipe has replaced since turns checking off instead.
bool EnchantSpellChecker::ListsStillReadable() {
  if (!personalList_.starts_with('/')) return true;
  const std::string stem = personalList_.substr(0, personalList_.rfind('.'));
  std::string why = UnusableList(stem + ".dic");
  if (why.empty()) why = UnusableList(stem + ".exc");
  if (why.empty()) return true;
  std::cerr << "Spell checking is off: " << why << "\n";
  enchant_broker_free_dict(broker_, dictionary_);
  dictionary_ = nullptr;
  answers_.clear();
  return false;
}

bool EnchantSpellChecker::HasDictionary() { return Dictionary() != nullptr; }

bool EnchantSpellChecker::Check(std::string_view word) {
  EnchantDict* dictionary = Dictionary();
  if (!dictionary) return true;
  std::string key(word);
  if (auto known = answers_.find(key); known != answers_.end()) return known->second;
  if (!ListsStillReadable()) return true;
  // 0 is known, a positive number unknown, a negative one an error.
  const bool known =
      enchant_dict_check(dictionary, word.data(), static_cast<ssize_t>(word.size())) <= 0;
  if (answers_.size() >= kMostAnswers) answers_.clear();
  answers_.emplace(std::move(key), known);
  return known;
}

std::vector<std::string> EnchantSpellChecker::Suggest(std::string_view word) {
  EnchantDict* dictionary = Dictionary();
  if (!dictionary || !ListsStillReadable()) return {};
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

// Not through the library's own add: with Aspell it has the engine rewrite
// the user's lists in place (~/.aspell.en.pws), which a full disk cuts short,
// losing words the user had. An append fails whole, and the library reads
// its own list whatever the engine.
std::optional<WordListFailure> EnchantSpellChecker::AddToPersonalList(std::string_view word) {
  if (!Dictionary()) return std::nullopt;
  std::string reason = personalList_.starts_with('/')
                           ? AppendWord(personalList_, word)
                           : "the spelling library names no folder for it";
  if (reason.empty()) return std::nullopt;
  return WordListFailure{personalList_, std::move(reason)};
}

SpellChecker& SharedSpellChecker() {
  static EnchantSpellChecker checker;
  return checker;
}

}  // namespace fw
