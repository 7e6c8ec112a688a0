// The results file: its name, its bytes, and what a save that cannot be made
// does (refuses or reports, writes nothing it should not, keeps Save_List
// open); and the contact link.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <poll.h>
#include <sys/fanotify.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

#include "mainwindow/Window1.h"
#include "tests/support/Driver.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/support/Locales.h"
#include "tests/support/RunAgain.h"
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
    Unlimit();
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

  // Limits the size of files this process writes; Unlimit lifts it again.
  void LimitFileSize(rlim_t bytes) {
    if (!limited) {
      ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    }
    limited = true;
    struct rlimit limit = unlimited;
    limit.rlim_cur = bytes;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
  }
  void Unlimit() {
    if (limited) ::setrlimit(RLIMIT_FSIZE, &unlimited);
    limited = false;
  }

  fs::path base, folder;
  struct rlimit unlimited {};
  bool limited = false;
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
      // Only a regular file under that very name is written to.
      {"a link out of the folder", "out", "out-12-7-26.txt", "symbolic link",
       [](const fs::path& f, const std::string& name) {
         std::ofstream(f.parent_path() / "theirs.txt") << "theirs\n";
         fs::create_symlink(f.parent_path() / "theirs.txt", f / name);
         return true;
       }},
      {"a dangling link", "gone", "gone-12-7-26.txt", "symbolic link",
       [](const fs::path& f, const std::string& name) {
         fs::create_symlink(f.parent_path() / "nowhere.txt", f / name);
         return true;
       }},
      {"a link to /dev/null", "null", "null-12-7-26.txt", "symbolic link",
       [](const fs::path& f, const std::string& name) {
         fs::create_symlink("/dev/null", f / name);
         return true;
       }},
      {"a device", "dev", "dev-12-7-26.txt", "device",
       [](const fs::path& f, const std::string& name) {
         return ::mknod((f / name).c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
       }},
      {"a socket", "sock", "sock-12-7-26.txt", "socket",
       [](const fs::path& f, const std::string& name) {
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         const std::string path = (f / name).string();
         if (path.size() >= sizeof(address.sun_path)) return false;
         path.copy(address.sun_path, path.size());
         const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
         const bool bound = ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
         ::close(s);
         return bound;
       }},
      // Without a reader, opening a FIFO to write would wait for good.
      {"a FIFO", "fifo", "fifo-12-7-26.txt", "FIFO",
       [](const fs::path& f, const std::string& name) {
         return ::mkfifo((f / name).c_str(), 0644) == 0;
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
  // The program's start-up keeps the limit's signal from ending it.
  LimitFileSize(100);  // a new file
  w->PushButton11()->UserClick();
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(w->PushButton11()->Enabled());

  Unlimit();
  w->PushButton11()->UserClick();
  const std::string first = Read(file);
  EXPECT_EQ(first, Block(*w));

  w->PushButton9()->UserClick();
  PlayBracket(*w);
  LimitFileSize(first.size() + 100);  // an existing file
  w->PushButton11()->UserClick();
  EXPECT_EQ(Read(file), first);
  EXPECT_TRUE(w->PushButton11()->Enabled());

  Unlimit();
  w->PushButton11()->UserClick();
  EXPECT_EQ(Read(file), first + Block(*w));
  ASSERT_EQ(services.messages.size(), 2u);
  EXPECT_NE(services.messages[0].find("\"limit-12-7-26.txt\""), std::string::npos);
}

// The system's reason reaches the message in UTF-8 whatever character set
// the user's locale has, its first character whole: in a single-byte locale
// the first byte of a UTF-8 letter is a letter of that locale too. Only an
// English reason loses its capital; a German noun keeps its own. LANGUAGE
// is the whole process's environment: the test runs again with it set to
// check the rows that ask for it, and this run checks the others.
TEST_F(ResultsFileTest, TheSystemsReasonIsQuotedInUtf8InEveryLocale) {
  const struct {
    const char* locale;
    const char* language;  // LANGUAGE, or "" where it is not set
    const char* reason;
  } kReasons[] = {
      {"C", "", "file too large."},
      {"de_DE.UTF-8", "", "Die Datei ist zu gro\xC3\x9F."},
      {"de_DE.UTF-8", "en", "file too large."},
      {"de_DE.ISO-8859-1", "", "Die Datei ist zu gro\xC3\x9F."},
      {"ru_RU.CP1251", "",
       "\xD0\xA4\xD0\xB0\xD0\xB9\xD0\xBB \xD1\x81\xD0\xBB\xD0\xB8\xD1\x88\xD0\xBA"
       "\xD0\xBE\xD0\xBC \xD0\xB2\xD0\xB5\xD0\xBB\xD0\xB8\xD0\xBA."}};  // Файл слишком велик.
  const char* language = std::getenv("LANGUAGE");
  auto w = PlayedBracket("legacy");
  for (const auto& row : kReasons) {
    if (*row.language && !testing_support::RunningAgain()) {
      EXPECT_EQ(testing_support::RunThisTestAgain({{"LANGUAGE", row.language}}), 0)
          << row.locale << ", LANGUAGE=" << row.language;
      continue;
    }
    if (std::string_view(row.language) != (language ? language : "")) continue;
    testing_support::ScopedLocale legacy(row.locale);
    ASSERT_TRUE(legacy.InPlace()) << row.locale;
    LimitFileSize(100);
    w->PushButton11()->UserClick();
    Unlimit();
    ASSERT_FALSE(services.messages.empty());
    EXPECT_EQ(
        services.messages.back(),
        std::string("The results could not be saved to \"legacy-12-7-26.txt\": ") + row.reason)
        << row.locale;
  }
}

// Sets or clears the file system's append-only mark; false where the file
// system or the user cannot.
bool AppendOnly(const fs::path& path, bool on) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  int flags = 0;
  bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = on ? flags | FS_APPEND_FL : flags & ~FS_APPEND_FL;
  done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  if (fd >= 0) ::close(fd);
  return done;
}

// A folder that refuses to remove the file a failed save made (an
// append-only one) still lets the save cut that file back to nothing; only
// where the file cannot be cut either (an append-only file) and bytes of the
// save may be in it is the user told that it may now end with an incomplete
// block.
TEST_F(ResultsFileTest, ATakeBackThatFailsIsReported) {
  auto w = PlayedBracket("kept");
  const fs::path file = folder / "kept-12-7-26.txt";
  const std::string kIncomplete = ", and the file may now end with an incomplete block.";
  const struct {
    fs::path appendOnly;
    rlim_t limit;
    std::string reason;
  } kCases[] = {
      {folder, 100, "file too large."},
      {file, 100, "file too large" + kIncomplete},
      {file, 7, "file too large."},  // the first write fails: nothing of the save is there
  };
  for (const auto& fault : kCases) {
    if (fault.appendOnly == file) std::ofstream(file) << "theirs\n";
    if (!AppendOnly(fault.appendOnly, true)) GTEST_SKIP() << "no append-only files here";
    LimitFileSize(fault.limit);
    w->PushButton11()->UserClick();
    Unlimit();
    AppendOnly(fault.appendOnly, false);
    ASSERT_FALSE(services.messages.empty());
    const std::string& message = services.messages.back();
    EXPECT_TRUE(message.ends_with(": " + fault.reason)) << message;
    if (fault.appendOnly == folder) {
      EXPECT_EQ(Read(file), "");
    } else if (fault.limit == 7) {
      EXPECT_EQ(Read(file), "theirs\n");
    }
    EXPECT_TRUE(w->PushButton11()->Enabled());
  }
}

}  // namespace

// The suite is linked with every write of its own objects, the framework's
// among them, sent here first: the count of write calls a save makes to
// regular files, while counting is on.
static std::atomic<int> fileWrites = -1;
// Faults that a file opened for writing only (the save's own) meets while
// they are set: an error number for fsync, fallocate, ftruncate or close (the
// close still closes), which stands until it is lifted, but for EINTR, which
// comes once as from one signal.
static std::atomic<int> fsyncFails = 0, fallocateFails = 0, ftruncateFails = 0, closeFails = 0;
// Or writes that take nothing: while this is not -1, the count of them. Only
// the first takes nothing and a further one fails with EIO, so that a save
// that wrote again would show another reason and another count of writes.
static std::atomic<int> tookNothing = -1;
// The mode, offset and length of the last fallocate on such a file.
static std::array<std::atomic<off_t>, 3> reserved;

static bool SavesTo(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
         (::fcntl(fd, F_GETFL) & O_ACCMODE) == O_WRONLY;
}
static int Fail(int error) {
  errno = error;
  return -1;
}
static int Fail(std::atomic<int>& fault) {
  return Fail(fault == EINTR ? fault.exchange(0) : fault.load());
}

extern "C" ssize_t __real_write(int fd, const void* data, size_t size);
extern "C" ssize_t __wrap_write(int fd, const void* data, size_t size) {
  struct stat info {};
  if (fileWrites >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) ++fileWrites;
  if (tookNothing >= 0 && SavesTo(fd)) return tookNothing++ == 0 ? 0 : Fail(EIO);
  return __real_write(fd, data, size);
}
extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd) {
  return fsyncFails && SavesTo(fd) ? Fail(fsyncFails) : __real_fsync(fd);
}
extern "C" int __real_ftruncate(int fd, off_t length);
extern "C" int __wrap_ftruncate(int fd, off_t length) {
  return ftruncateFails && SavesTo(fd) ? Fail(ftruncateFails) : __real_ftruncate(fd, length);
}
extern "C" int __real_fallocate(int fd, int mode, off_t offset, off_t length);
extern "C" int __wrap_fallocate(int fd, int mode, off_t offset, off_t length) {
  if (!SavesTo(fd)) return __real_fallocate(fd, mode, offset, length);
  reserved[0] = mode;
  reserved[1] = offset;
  reserved[2] = length;
  return fallocateFails ? Fail(fallocateFails) : __real_fallocate(fd, mode, offset, length);
}
extern "C" int __real_close(int fd);
extern "C" int __wrap_close(int fd) {
  const bool fails = closeFails && SavesTo(fd);
  const int closed = __real_close(fd);
  return fails ? Fail(closeFails) : closed;
}

namespace {

// A save's block goes out in one write, so a save killed or stopped on the
// way leaves all of it or none. A last line that a hand edit left without its
// line end gets one first, so the block starts a line of its own; a save that
// fails takes that line end back with its block, also where a signal
// interrupts the cut.
TEST_F(ResultsFileTest, ABlockIsWrittenInOneGoOnALineOfItsOwn) {
  auto w = PlayedBracket("note");
  const fs::path file = folder / "note-12-7-26.txt";
  std::ofstream(file) << "my note";
  LimitFileSize(100);
  ftruncateFails = EINTR;
  w->PushButton11()->UserClick();
  ftruncateFails = 0;
  Unlimit();
  EXPECT_EQ(Read(file), "my note");

  fileWrites = 0;
  w->PushButton11()->UserClick();
  EXPECT_EQ(fileWrites.exchange(-1), 1);
  const std::string first = "my note\n" + Block(*w);
  EXPECT_EQ(Read(file), first);

  w->PushButton9()->UserClick();
  PlayBracket(*w);
  w->PushButton11()->UserClick();
  EXPECT_EQ(Read(file), first + Block(*w));
  EXPECT_EQ(services.messages.size(), 1u);
}

// What the file system does after the open. A save fails, says why and
// leaves the file as it was (and free for the next save) where the block may
// not have reached the device: a sync refused (a file system gone read-only),
// writes that take nothing, no room to reserve for the block (a full disk,
// before a byte is written: even the file's time of change stays). It is
// saved where the block is on the device whatever comes after (a close that
// fails, a sync that a signal interrupted once), and where the file system
// merely cannot reserve.
TEST_F(ResultsFileTest, ASaveIsDoneOnlyWhereTheBlockReachedTheDevice) {
  const struct {
    const char* userId;
    std::atomic<int>* fault;  // or writes that take nothing
    int error;
    const char* reason;  // empty where the save is done
    int writes;
  } kFaults[] = {
      {"sync", &fsyncFails, EROFS, "read-only file system", 1},
      {"nothing", nullptr, 0, "the file system accepted nothing", 1},
      {"full", &fallocateFails, ENOSPC, "no space left on device", 0},
      {"noroom", &fallocateFails, EOPNOTSUPP, "", 1},
      {"close", &closeFails, EIO, "", 1},
      {"signal", &fsyncFails, EINTR, "", 1},
  };
  for (const auto& fault : kFaults) {
    SCOPED_TRACE(fault.userId);
    auto w = PlayedBracket(fault.userId);
    const std::string name = fault.userId + std::string("-12-7-26.txt");
    const fs::path file = folder / name;
    std::ofstream(file) << "theirs\n";
    const auto changed = fs::last_write_time(file) - std::chrono::nanoseconds(123'456'789'123);
    fs::last_write_time(file, changed);
    services.messages.clear();
    reserved[0] = reserved[1] = reserved[2] = -1;
    fileWrites = 0;
    if (fault.fault) {
      *fault.fault = fault.error;
    } else {
      tookNothing = 0;
    }
    w->PushButton11()->UserClick();
    tookNothing = -1;
    if (fault.fault) *fault.fault = 0;
    EXPECT_EQ(fileWrites.exchange(-1), fault.writes);
    if (fault.writes == 0) {
      EXPECT_EQ((fs::last_write_time(file) - changed).count(), 0);
    }
    EXPECT_EQ(reserved[0], FALLOC_FL_KEEP_SIZE);
    EXPECT_EQ(reserved[1], 7);
    EXPECT_EQ(reserved[2], off_t(Block(*w).size()));
    if (*fault.reason == '\0') {
      EXPECT_TRUE(services.messages.empty());
      EXPECT_EQ(Read(file), "theirs\n" + Block(*w));
      EXPECT_FALSE(w->PushButton11()->Enabled());
    } else {
      EXPECT_EQ(services.messages, std::vector<std::string>{"The results could not be saved to \"" +
                                                            name + "\": " + fault.reason + "."});
      EXPECT_EQ(Read(file), "theirs\n");
      EXPECT_TRUE(w->PushButton11()->Enabled());
      // The file is free for the next save.
      w->PushButton11()->UserClick();
      EXPECT_EQ(Read(file), "theirs\n" + Block(*w));
      EXPECT_EQ(services.messages.size(), 1u);
    }
    w->PushButton8()->UserClick();
  }
}

TEST_F(ResultsFileTest, ABlockWrittenAtTheSameMomentIsKept) {
  auto w = PlayedBracket("both");
  const int watch = ::fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC, O_RDWR);
  if (watch < 0 || ::fanotify_mark(watch, FAN_MARK_ADD, FAN_OPEN_PERM | FAN_EVENT_ON_CHILD,
                                   AT_FDCWD, folder.c_str()) != 0)
    GTEST_SKIP() << "no file access watch here";
  // The other writer gets in at the save's first open; later opens (the save
  // reads the file's end) pass.
  std::atomic<bool> saved = false;
  std::thread other([watch, &saved] {
    pollfd ready{watch, POLLIN, 0};
    fanotify_event_metadata event{};
    for (bool first = true; !saved;) {
      if (::poll(&ready, 1, 50) != 1 || ::read(watch, &event, sizeof event) <= 0) continue;
      const std::string theirs = "theirs\n";
      if (std::exchange(first, false)) {
        EXPECT_EQ(::write(event.fd, theirs.data(), theirs.size()), ssize_t(theirs.size()));
      }
      fanotify_response allow{event.fd, FAN_ALLOW};
      EXPECT_EQ(::write(watch, &allow, sizeof allow), ssize_t(sizeof allow));
      ::close(event.fd);
    }
  });
  w->PushButton11()->UserClick();
  saved = true;
  other.join();
  ::close(watch);
  EXPECT_EQ(Read(folder / "both-12-7-26.txt"), "theirs\n" + Block(*w));
}

// Another copy of the program saving to the same file holds it until its
// block is written: a save waits for it briefly and is then refused, and one
// that it lets go of in time follows its bytes.
TEST_F(ResultsFileTest, ASaveWaitsForAnotherCopySavingToTheFile) {
  auto w = PlayedBracket("lock");
  const fs::path file = folder / "lock-12-7-26.txt";
  std::ofstream(file) << "theirs\n";
  // An open of its own, so that its lock stands against the save's in this
  // process too.
  const int theirs = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  ASSERT_GE(theirs, 0);
  ASSERT_EQ(::flock(theirs, LOCK_EX), 0);
  w->PushButton11()->UserClick();
  EXPECT_EQ(services.messages, std::vector<std::string>{
                                   "The results could not be saved to \"lock-12-7-26.txt\": "
                                   "another program is using the file."});
  EXPECT_EQ(Read(file), "theirs\n");
  EXPECT_TRUE(w->PushButton11()->Enabled());

  std::thread other([theirs] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::string more = "more\n";
    EXPECT_EQ(::write(theirs, more.data(), more.size()), ssize_t(more.size()));
    ::close(theirs);  // and so lets go of the lock
  });
  w->PushButton11()->UserClick();
  other.join();
  EXPECT_EQ(services.messages.size(), 1u);
  EXPECT_FALSE(w->PushButton11()->Enabled());
  EXPECT_EQ(Read(file), "theirs\nmore\n" + Block(*w));
}

// Where the program's own folder cannot be found, no path is made up from
// nothing: the save is refused and written nowhere (not to "/").
TEST_F(ResultsFileTest, WithoutTheProgramsFolderNothingIsWritten) {
  auto w = PlayedBracket("lost");
  services.folder = "";
  w->PushButton11()->UserClick();
  const bool escaped = fs::exists("/lost-12-7-26.txt");
  if (escaped) fs::remove("/lost-12-7-26.txt");
  EXPECT_FALSE(escaped);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0],
            "The results could not be saved to \"lost-12-7-26.txt\": the program's own folder "
            "cannot be found.");
  EXPECT_TRUE(w->PushButton11()->Enabled());
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
