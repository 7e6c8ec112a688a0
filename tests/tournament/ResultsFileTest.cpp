// The results file: its name, its bytes, and what a save that cannot be made
// does (refuses or reports, writes nothing it should not, keeps Save_List
// open); and the contact link.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "mainwindow/Window1.h"
#include "tests/support/Driver.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/tournament/WindowSnapshot.h"

namespace {

namespace fs = std::filesystem;
using testing_support::PlayBracket;
using testing_support::SetUpBracket;

// A fresh temporary tree for each test: base/app is the program's folder, so
// that a save that escaped it would show up in base.
class ResultsFileTest : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    std::string pattern = (fs::temp_directory_path() / "quandrel-results-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    base = pattern;
    folder = base / "app";
    fs::create_directory(folder);
    services.folder = folder.string();
  }
  void TearDown() override {
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(base);
    HeadlessTest::TearDown();
  }

  // Every entry below base, with the size of each regular file.
  std::map<std::string, std::uintmax_t> Tree() const {
    std::map<std::string, std::uintmax_t> entries;
    for (const auto& entry : fs::recursive_directory_iterator(base))
      entries[entry.path().string()] =
          entry.is_regular_file() && !entry.is_symlink() ? entry.file_size() : 0;
    return entries;
  }

  std::shared_ptr<Window1> PlayedBracket(const std::string& userId) {
    auto w = SetUpBracket();
    PlayBracket(*w);
    w->TextField15()->UserEdited(userId);
    return w;
  }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  // The block a save of the table as it stands must write.
  static std::string Block(Window1& w) {
    std::string block = "TEAM (BCS#)_Strength\t|| Number of Wins\n";
    for (int32_t row = 0; row < 8; ++row)
      block += w.Listbox1()->Cell(row, 0) + "\t|| " + w.Listbox1()->Cell(row, 1) + "\n";
    return block + "==========\n";
  }

  fs::path base, folder;
};

TEST_F(ResultsFileTest, SavesOfOneIdAndDayShareAFileAndANewDayStartsAnother) {
  auto w = PlayedBracket("ab.c d:1_e");
  w->PushButton11()->UserClick();
  EXPECT_EQ(w->TextField15()->Text(), "abcd-1-e");
  EXPECT_FALSE(w->PushButton11()->Enabled());
  const fs::path first = folder / "abcd-1-e-12-7-26.txt";
  std::string expected = Block(*w);
  EXPECT_EQ(Read(first), expected);
  // Whatever column 0 holds, the slots' entries are what a save writes.
  auto slots = testing_support::MatchUpSlots(*w);
  EXPECT_EQ(w->Listbox1()->Cell(0, 0), slots[0]->Text());

  w->PushButton9()->UserClick();
  PlayBracket(*w);
  w->PushButton11()->UserClick();
  expected += Block(*w);
  EXPECT_EQ(Read(first), expected);

  services.now.day = 8;
  w->PushButton9()->UserClick();
  PlayBracket(*w);
  w->PushButton11()->UserClick();
  EXPECT_EQ(Read(folder / "abcd-1-e-12-8-26.txt"), Block(*w));
  EXPECT_EQ(Read(first), expected);
  EXPECT_EQ(Tree().size(), 3u);  // app and its two files
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(ResultsFileTest, TheIdIsCleanedInTheFieldAndTheFileName) {
  const struct {
    const char* typed;
    const char* cleaned;
  } kIds[] = {{"ab.c d:1_e", "abcd-1-e"}, {"x_y:z", "x-y-z"}, {". . .", ""}, {"Ann", "Ann"}};
  for (const auto& id : kIds) {
    auto w = PlayedBracket(id.typed);
    w->PushButton11()->UserClick();
    EXPECT_EQ(w->TextField15()->Text(), id.cleaned) << id.typed;
    EXPECT_TRUE(fs::is_regular_file(folder / (std::string(id.cleaned) + "-12-7-26.txt")))
        << id.typed;
    EXPECT_FALSE(w->PushButton11()->Enabled()) << id.typed;
    w->PushButton8()->UserClick();
  }
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(ResultsFileTest, AnEmptyIdIsAskedForAndNothingIsWritten) {
  auto w = PlayedBracket("");
  w->PushButton11()->UserClick();
  EXPECT_EQ(services.messages, std::vector<std::string>{"Please enter your UserID first"});
  EXPECT_TRUE(w->PushButton11()->Enabled());
  EXPECT_EQ(Tree().size(), 1u);
}

// A save that cannot be made: the user is told which file and why, nothing
// is written anywhere, and Save_List stays open for another try.
struct FailedSave {
  const char* what;
  std::string userId;
  std::string fileName;
  std::string reason;  // a piece of the message
  // Prepares the folder; false when this machine cannot show the fault.
  std::function<bool(const fs::path& folder, const std::string& fileName)> prepare;
};

TEST_F(ResultsFileTest, ASaveThatCannotBeMadeSaysWhyAndLeavesSaveListOpen) {
  const std::string kLong(300, 'a');
  const FailedSave kFaults[] = {
      {"a / in the ID", "sub/x", "sub/x-12-7-26.txt", "\"/\"",
       [](const fs::path& f, const std::string&) {
         // A sub-folder that a name with "/" would reach.
         fs::create_directory(f / "sub");
         return true;
       }},
      {"a name too long", kLong, kLong + "-12-7-26.txt", "long",
       [](const fs::path&, const std::string&) { return true; }},
      {"a read-only folder", "ro", "ro-12-7-26.txt", "permission denied",
       [](const fs::path& f, const std::string&) {
         fs::permissions(f, fs::perms::owner_read | fs::perms::owner_exec);
         return ::access(f.c_str(), W_OK) != 0;
       }},
      {"a folder of that name", "dir", "dir-12-7-26.txt", "is a directory",
       [](const fs::path& f, const std::string& name) { return fs::create_directory(f / name); }},
      {"a full device", "full", "full-12-7-26.txt", "no space left on device",
       [](const fs::path& f, const std::string& name) {
         if (!fs::exists("/dev/full")) return false;
         fs::create_symlink("/dev/full", f / name);
         return true;
       }},
  };
  for (const FailedSave& fault : kFaults) {
    SCOPED_TRACE(fault.what);
    auto w = PlayedBracket(fault.userId);
    if (!fault.prepare(folder, fault.fileName)) {
      std::cout << "not shown on this machine: " << fault.what << '\n';
      w->PushButton8()->UserClick();
      continue;
    }
    auto table = w->Listbox1()->Rows();
    auto tree = Tree();
    services.messages.clear();

    w->PushButton11()->UserClick();
    ASSERT_EQ(services.messages.size(), 1u);
    const std::string& message = services.messages[0];
    EXPECT_NE(message.find("\"" + fault.fileName + "\""), std::string::npos) << message;
    EXPECT_NE(message.find(fault.reason), std::string::npos) << message;
    EXPECT_TRUE(w->PushButton11()->Enabled());
    EXPECT_EQ(w->Listbox1()->Rows(), table);
    EXPECT_EQ(Tree(), tree);

    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder);
    fs::create_directory(folder);
    w->PushButton8()->UserClick();
  }
}

// A file that fills up part way through a block (here: the file size limit)
// gets none of that block; the next save, once there is room, starts on a
// clean line.
TEST_F(ResultsFileTest, ABlockThatCannotBeFinishedIsTakenBack) {
  auto w = PlayedBracket("limit");
  const fs::path file = folder / "limit-12-7-26.txt";
  struct rlimit before {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  auto limitTo = [&](rlim_t bytes) {
    struct rlimit limit = before;
    limit.rlim_cur = bytes;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
  };

  limitTo(100);  // a new file
  w->PushButton11()->UserClick();
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(w->PushButton11()->Enabled());

  ::setrlimit(RLIMIT_FSIZE, &before);
  w->PushButton11()->UserClick();
  const std::string first = Read(file);
  EXPECT_EQ(first, Block(*w));

  w->PushButton9()->UserClick();
  PlayBracket(*w);
  limitTo(first.size() + 100);  // an existing file
  w->PushButton11()->UserClick();
  EXPECT_EQ(Read(file), first);
  EXPECT_TRUE(w->PushButton11()->Enabled());

  ::setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, previous);
  w->PushButton11()->UserClick();
  EXPECT_EQ(Read(file), first + Block(*w));
  ASSERT_EQ(services.messages.size(), 2u);
  EXPECT_NE(services.messages[0].find("\"limit-12-7-26.txt\""), std::string::npos);
}

TEST_F(ResultsFileTest, ATableWithoutAWholeBracketIsNotWritten) {
  // Save_List is opened only by a final, which leaves eight rows; a window
  // that got here some other way must not write a broken block.
  auto w = GetWindow1();
  w->TextField15()->UserEdited("early");
  w->PushButton11_Action(*w->PushButton11());
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_NE(services.messages[0].find("\"early-12-7-26.txt\""), std::string::npos);
  EXPECT_EQ(Tree().size(), 1u);
}

TEST_F(ResultsFileTest, TheContactLinkOpensAMailAndChangesNothing) {
  auto w = SetUpBracket();
  PlayBracket(*w);
  auto before = tournament_tests::Snapshot(*w);
  EXPECT_FALSE(w->Label26()->UserMouseDown(3, 4));
  EXPECT_EQ(services.urls, std::vector<std::string>{"mailto:quandrel@example.org"});
  tournament_tests::ExpectState(tournament_tests::Snapshot(*w), before);
  EXPECT_TRUE(services.messages.empty());
}

}  // namespace
