// The spell checker over the desktop's spelling library, with the real
// English dictionary, and the splitting of text into the words it checks.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "framework/EnchantSpellChecker.h"
#include "framework/SpellChecker.h"
#include "framework/SystemReason.h"
#include "tests/support/RunAgain.h"

// The suite is linked with the framework's look-ups of the password
// database sent here first: where a test names one in this variable, the
// user's home folder is a folder of the test's own.
static constexpr char kPasswdHome[] = "QUANDREL_TEST_PASSWD_HOME";
extern "C" passwd* __real_getpwuid(uid_t uid);
extern "C" passwd* __wrap_getpwuid(uid_t uid) {
  passwd* user = __real_getpwuid(uid);
  if (const char* home = std::getenv(kPasswdHome); user && home)
    user->pw_dir = const_cast<char*>(home);
  return user;
}

namespace {

std::vector<std::u16string> Words(std::u16string_view text) {
  std::vector<std::u16string> words;
  for (const fw::WordSpan& word : fw::SplitWords(text))
    words.emplace_back(text.substr(word.start, word.length));
  return words;
}

TEST(SplitWords, LettersWithInnerApostrophesAndNoRunsHoldingDigitsOrUnderscores) {
  struct Row {
    std::u16string text;
    std::vector<std::u16string> words;
  };
  const std::vector<Row> rows{
      {u"teh wrod, recieve.", {u"teh", u"wrod", u"recieve"}},
      {u"don't 'quoted' rock\u2019n\u2019roll o'",
       {u"don't", u"quoted", u"rock\u2019n\u2019roll", u"o"}},
      {u"R2D2 user_id 2012 BCS's", {u"BCS's"}},
      {u"single-elimination (STEP 1:", {u"single", u"elimination", u"STEP"}},
      {u"cafe\u0301 \u03ba\u03b1\u03bb\u03ae \uc548\ub155",
       {u"cafe\u0301", u"\u03ba\u03b1\u03bb\u03ae", u"\uc548\ub155"}},
      // A lone surrogate is no letter; an emoji (a pair) is none either.
      {u"ab\xD800"
       u"cd e\U0001F600f",
       {u"ab", u"cd", u"e", u"f"}},
      {u"", {}},
      // Addresses and paths are not words, but the words around them are.
      {u"see https://wrod.example.org/teh?q=x. and www.wrod.org, mail name@gmial.com "
       u"(mailto:teh@x.org) or /usr/share/teh, ~/wrod, ../teh, docs/en/wrod, C:\\Usrs\\teh "
       u"and/or teh",
       {u"see", u"and", u"mail", u"or", u"and", u"or", u"teh"}},
  };
  for (const Row& row : rows) EXPECT_EQ(Words(row.text), row.words);
}

TEST(EnchantSpellChecker, KnowsEnglishAndSuggestsTheBestFirst) {
  fw::EnchantSpellChecker checker;
  ASSERT_TRUE(checker.HasDictionary()) << "the English dictionary must be installed";
  for (const char* known : {"the", "word", "receive", "don't", "Google"})
    EXPECT_TRUE(checker.IsKnown(known)) << known;
  for (const char* unknown : {"teh", "wrod", "recieve", "ReplayAll"})
    EXPECT_FALSE(checker.IsKnown(unknown)) << unknown;
  const auto suggestions = checker.Suggestions("recieve");
  ASSERT_FALSE(suggestions.empty());
  EXPECT_EQ(suggestions.front(), "receive");
  EXPECT_LE(suggestions.size(), fw::SpellChecker::kMostSuggestions);
}

TEST(EnchantSpellChecker, BadInputNeitherCrashesNorHangs) {
  fw::EnchantSpellChecker checker;
  const std::string huge(10000, 'a');
  EXPECT_FALSE(checker.IsKnown(huge));
  EXPECT_TRUE(checker.Suggestions(huge).empty());
  EXPECT_TRUE(checker.Suggestions(std::string(101, 'b')).empty());
  // Not UTF-8: no word, so nothing to mark or to correct.
  EXPECT_TRUE(checker.IsKnown("\xff\xfe\x80"));
  EXPECT_TRUE(checker.Suggestions("\xc3").empty());
  checker.Ignore("\xff");
  checker.AddToDictionary("\xff");
  // A word no dictionary could hold is only ever checked: the engine fails
  // on it when it is ignored or added.
  const std::string held(1100, 'q');
  checker.Ignore(held);
  checker.AddToDictionary(held);
  EXPECT_FALSE(checker.IsKnown(held));
  EXPECT_FALSE(checker.IsKnown("\xce\xba\xce\xb1\xce\xbb\xce\xae"));  // Greek
}

// Ignore lasts for the run; "Add to Dictionary" goes into the personal list
// in the user's settings folder (a temporary one in the tests), so a checker
// made afterwards knows the word too.
TEST(EnchantSpellChecker, IgnoredWordsLastTheRunAndAddedWordsTheNextOneToo) {
  fw::EnchantSpellChecker checker;
  checker.Ignore("blorpish");
  checker.AddToDictionary("frobnicatey");
  EXPECT_TRUE(checker.IsKnown("blorpish"));
  EXPECT_TRUE(checker.IsKnown("frobnicatey"));
  fw::EnchantSpellChecker next;
  EXPECT_FALSE(next.IsKnown("blorpish"));
  EXPECT_TRUE(next.IsKnown("frobnicatey"));
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// With Aspell as the engine, whose own list of the user's words (16 KB here)
// a full disk would cut short were it rewritten, an added word that does not
// fit on the disk (a file size limit, in a program of its own) leaves every
// list as it was: the user is told why, and the word is known for the run.
TEST(EnchantSpellChecker, AnAddedWordThatDoesNotFitLosesNoWordOfAnyList) {
  if (testing_support::RunningAgain()) {
    const std::string list = std::string(std::getenv("ENCHANT_CONFIG_DIR")) + "/en_US.dic";
    fw::EnchantSpellChecker checker;
    ASSERT_TRUE(checker.HasDictionary());
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = std::filesystem::file_size(list) + 4;  // not the word's whole line
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    const std::optional<fw::WordListFailure> failure = checker.AddToDictionary("quorbelt");
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->list, list);
    EXPECT_EQ(failure->reason, fw::SystemReason(EFBIG));
    EXPECT_TRUE(checker.IsKnown("quorbelt"));
    return;
  }
  QTemporaryDir folder;  // Enchant's settings folder and Aspell's home
  const std::string path = folder.path().toStdString();
  std::string pws = "personal_ws-1.1 en 676 \n", dic = "zorbly\nfrobnic\n";
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b = 'a'; b <= 'z'; ++b) pws += std::string("quandrelbracketplayer") + a + b + "\n";
  std::ofstream(path + "/enchant.ordering") << "*:aspell\nen_US:aspell\n";
  std::ofstream(path + "/.aspell.en.pws") << pws;
  std::ofstream(path + "/en_US.dic") << dic;
  EXPECT_EQ(testing_support::RunThisTestAgain(
                {{"ENCHANT_CONFIG_DIR", path}, {"ASPELL_CONF", "home-dir " + path}}),
            0);
  EXPECT_EQ(Read(path + "/.aspell.en.pws"), pws);
  EXPECT_EQ(Read(path + "/en_US.dic"), dic);
}

// A settings folder that cannot be made (one under a plain file: not even
// root can) keeps an added word for this run; a personal list of garbage is
// the library's to read past.
TEST(EnchantSpellChecker, AnUnwritableOrDamagedPersonalListLeavesCheckingWorking) {
  QTemporaryDir folder;
  QFile plain(folder.filePath("file")), garbage(folder.filePath("damaged/en_US.dic"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  ASSERT_TRUE(QDir(folder.path()).mkdir("damaged") && garbage.open(QIODevice::WriteOnly));
  garbage.write(QByteArray("\xff\xfe\0\x80teh\n\n\xc3", 10).repeated(1000));
  garbage.close();
  for (const QString& settings : {plain.fileName() + "/enchant", folder.filePath("damaged")}) {
    setenv("ENCHANT_CONFIG_DIR", settings.toLocal8Bit().constData(), 1);
    fw::EnchantSpellChecker checker;
    EXPECT_TRUE(checker.HasDictionary());
    EXPECT_FALSE(checker.IsKnown("wrod"));
    checker.AddToDictionary("quorbelt");
    EXPECT_TRUE(checker.IsKnown("quorbelt")) << settings.toStdString();
  }
  unsetenv("ENCHANT_CONFIG_DIR");
}

// A personal list of the library's that is a named pipe stalls nobody: one
// there when the dictionary loads leaves checking off, and one put in place
// of the list afterwards, read or not, gets no word, the word known for the
// run, and turns checking off before the library reads it again. In a
// program of its own under an alarm, so that a stall fails the
// test instead of hanging it.
TEST(EnchantSpellChecker, APersonalListThatIsANamedPipeStallsNothing) {
  if (testing_support::RunningAgain()) {
    ::alarm(20);
    const std::string folder = std::getenv("ENCHANT_CONFIG_DIR"), list = folder + "/en_US.dic";
    for (const std::string& pipe : {list, folder + "/en_US.exc"}) {
      ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
      testing::internal::CaptureStderr();
      EXPECT_FALSE(fw::EnchantSpellChecker().HasDictionary());
      const std::string said = testing::internal::GetCapturedStderr();
      EXPECT_NE(said.find("Spell checking is off: the word list \"" + pipe + "\""), said.npos)
          << said;
      ASSERT_EQ(::unlink(pipe.c_str()), 0);
    }
    fw::EnchantSpellChecker checker;
    ASSERT_TRUE(checker.HasDictionary());
    // Changed since the library read the list, so that it would read it again.
    const timespec changed[] = {{0, UTIME_OMIT}, {::time(nullptr) + 60, 0}};
    ASSERT_TRUE(::unlink(list.c_str()) == 0 && ::mkfifo(list.c_str(), 0600) == 0 &&
                ::utimensat(AT_FDCWD, list.c_str(), changed, 0) == 0);
    int reader = -1;
    for (const char* word : {"quorbelt", "zarfling"}) {
      const std::optional<fw::WordListFailure> failure = checker.AddToDictionary(word);
      ASSERT_TRUE(failure.has_value());
      EXPECT_EQ(failure->list, list);
      EXPECT_EQ(failure->reason, "it is a named pipe (FIFO), not a regular file");
      // The next word finds a reader waiting.
      if (reader < 0) reader = ::open(list.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }
    char got = 0;
    EXPECT_LE(::read(reader, &got, 1), 0) << "the pipe got " << got;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(checker.IsKnown("quorbelt") && checker.IsKnown("zarfling"));
    EXPECT_TRUE(checker.Suggestions("wrod").empty());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Spell checking is off: the word list \"" + list + "\""), said.npos)
        << said;
    return;
  }
  QTemporaryDir folder;
  EXPECT_EQ(
      testing_support::RunThisTestAgain({{"ENCHANT_CONFIG_DIR", folder.path().toStdString()}}), 0)
      << "128 + " << SIGALRM << " is a stall";
}

// Started without HOME and with empty settings folders' variables, from a
// folder whose settings would silence every mark, the program takes the
// home folder from the password database at start-up: the marks stay, and
// an added word goes there, not into the current folder. In a program of its
// own (this test, run again with only that environment), so that the test
// main settles the folders as the program's main does, before Qt starts.
TEST(EnchantSpellChecker, WithoutHomeNothingIsReadFromOrWrittenToTheCurrentFolder) {
  if (testing_support::RunningAgain()) {
    fw::EnchantSpellChecker checker;
    EXPECT_TRUE(checker.HasDictionary() && !checker.IsKnown("recieve"));
    checker.AddToDictionary("quorbelt");
    return;
  }
  QTemporaryDir current, home;
  std::ofstream(current.filePath(".aspell.conf").toStdString()) << "ignore 30\n";
  EXPECT_EQ(testing_support::RunThisTestAgain({{"HOME", std::nullopt},
                                               {"ASPELL_CONF", std::nullopt},
                                               {"ENCHANT_CONFIG_DIR", ""},
                                               {"XDG_CONFIG_HOME", ""},
                                               {kPasswdHome, home.path().toStdString()}},
                                              current.path().toStdString()),
            0)
      << "the current folder's settings silenced the marks";
  EXPECT_EQ(QDir(current.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{".aspell.conf"});
  QFile added(home.filePath(".config/enchant/en_US.dic"));
  ASSERT_TRUE(added.open(QIODevice::ReadOnly));
  EXPECT_TRUE(added.readAll().contains("quorbelt"));
}

TEST(EnchantSpellChecker, WithoutTheLanguageItKnowsEveryWordAndSaysSoOnce) {
  testing::internal::CaptureStderr();
  fw::EnchantSpellChecker checker("xx_XX");
  EXPECT_FALSE(checker.HasDictionary());
  EXPECT_TRUE(checker.IsKnown("teh"));
  EXPECT_TRUE(checker.Suggestions("teh").empty());
  checker.AddToDictionary("teh");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

}  // namespace
