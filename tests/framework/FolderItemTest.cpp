// Files by bare name in the application's folder: what is written arrives,
// and every way the system can refuse is reported, never taken for success.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/FolderItem.h"
#include "tests/support/HeadlessFixture.h"

namespace {

namespace fs = std::filesystem;

class Files : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    std::string pattern = (fs::temp_directory_path() / "quandrel-files-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    services.folder = folder;
  }
  void TearDown() override {
    ::chmod(folder.c_str(), 0700);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    HeadlessTest::TearDown();
  }
  std::string Contents(const std::string& name) const {
    std::ifstream in(folder + "/" + name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  using Opener = std::shared_ptr<fw::TextOutputStream> (fw::FolderItem::*)();
  // Opening the named file that way gives nil and says why.
  void ExpectRefused(const std::string& name, Opener open) {
    auto file = fw::GetFolderItem(name);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(((*file).*open)(), nullptr);
    EXPECT_FALSE(file->LastError().empty());
  }
  std::string folder;
};

TEST_F(Files, CreateThenAppendKeepsBothBlocks) {
  auto file = fw::GetFolderItem("Results.txt");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Path(), folder + "/Results.txt");
  EXPECT_FALSE(file->Exists());

  auto out = file->CreateTextFile();
  ASSERT_NE(out, nullptr) << file->LastError();
  EXPECT_TRUE(out->Write("first block" + fw::EndOfLine()));
  EXPECT_TRUE(out->Close());
  EXPECT_TRUE(file->Exists());

  out = fw::GetFolderItem("Results.txt")->AppendToTextFile();
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(out->WriteLine("second block"));
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(Contents("Results.txt"), "first block\nsecond block\n");

  // Creating again starts the file afresh.
  out = file->CreateTextFile();
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(out->Write("new"));
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(Contents("Results.txt"), "new");
}

TEST_F(Files, AppendingToAMissingFileFails) {
  ExpectRefused("Missing.txt", &fw::FolderItem::AppendToTextFile);
  EXPECT_FALSE(fs::exists(folder + "/Missing.txt"));
}

TEST_F(Files, NamesThatAreNotOneFileNameAreRefused) {
  const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  ASSERT_GT(limit, 0);
  struct Row {
    std::string name;
    const char* reasonMentions;
  };
  const Row rows[] = {
      {"../Results.txt", "/"},
      {"sub/Results.txt", "/"},
      {"/tmp/Results.txt", "/"},
      {"", "empty"},
      {std::string(static_cast<size_t>(limit) + 1, 'r'), "long"},
      {"..", ".."},
      {std::string("a\0b", 3), "NUL"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(fw::GetFolderItem(row.name), nullptr) << row.name;
    const std::string reason = fw::InvalidFileNameReason(folder, row.name);
    EXPECT_NE(reason.find(row.reasonMentions), std::string::npos) << row.name << ": " << reason;
  }
  // The longest name the file system allows is still a name.
  const std::string longest(static_cast<size_t>(limit), 'r');
  EXPECT_EQ(fw::InvalidFileNameReason(folder, longest), "");
  auto file = fw::GetFolderItem(longest);
  ASSERT_NE(file, nullptr);
  auto out = file->CreateTextFile();
  ASSERT_NE(out, nullptr) << file->LastError();
  EXPECT_TRUE(out->Close());
  // Nothing was written outside the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(Files, AFolderOfThatNameIsNoFile) {
  fs::create_directory(folder + "/Results.txt");
  ExpectRefused("Results.txt", &fw::FolderItem::CreateTextFile);
  ExpectRefused("Results.txt", &fw::FolderItem::AppendToTextFile);
  EXPECT_TRUE(fs::is_directory(folder + "/Results.txt"));
}

TEST_F(Files, AFullDeviceIsReportedNotTakenForSuccess) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  // A folder item opens no device, so the stream is given one directly.
  auto out = std::make_shared<fw::TextOutputStream>(::open("/dev/full", O_WRONLY | O_CLOEXEC),
                                                    "/dev/full");
  const bool wrote = out->Write("Champion: Navy" + fw::EndOfLine());
  const bool closed = out->Close();
  EXPECT_FALSE(wrote);
  // Close speaks for the whole stream: a write lost before it is a failure.
  EXPECT_FALSE(closed);
  EXPECT_FALSE(out->Error().empty());
  // Once it failed, the stream keeps saying so.
  EXPECT_FALSE(out->Close());
  EXPECT_FALSE(out->Write("more"));
}

TEST_F(Files, AReadOnlyFolderRefusesNewFiles) {
  ASSERT_EQ(::chmod(folder.c_str(), 0500), 0);
  if (::access(folder.c_str(), W_OK) == 0) GTEST_SKIP() << "this user may write anywhere";
  ExpectRefused("Results.txt", &fw::FolderItem::CreateTextFile);
  EXPECT_FALSE(fs::exists(folder + "/Results.txt"));
}

TEST_F(Files, AClosedStreamWritesNothing) {
  auto out = fw::GetFolderItem("Results.txt")->CreateTextFile();
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(out->Close());
  EXPECT_FALSE(out->Write("late"));
  EXPECT_FALSE(out->Error().empty());
  EXPECT_EQ(Contents("Results.txt"), "");
}

// A block that cannot be finished is taken back, and only this stream's own
// bytes are: what another writer put after them stays (and the take-back says
// it failed), and a file that has taken the name of the one it made is left.
TEST_F(Files, ATakeBackTouchesOnlyThisStreamsBytes) {
  const std::string path = folder + "/Results.txt";
  auto file = fw::GetFolderItem("Results.txt");
  auto out = file->AppendOrCreateTextFile();
  ASSERT_NE(out, nullptr) << file->LastError();
  ASSERT_TRUE(out->Write("half a block"));
  EXPECT_TRUE(out->TakeBack());
  EXPECT_TRUE(out->Close());
  EXPECT_FALSE(fs::exists(path));

  std::ofstream(path) << "first\n";
  out = file->AppendOrCreateTextFile();
  ASSERT_TRUE(out->Write("half a block"));
  EXPECT_TRUE(out->TakeBack());
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(Contents("Results.txt"), "first\n");

  out = file->AppendOrCreateTextFile();
  ASSERT_TRUE(out->Write("ours\n"));
  std::ofstream(path, std::ios::app) << "theirs\n";
  EXPECT_FALSE(out->TakeBack());
  out->Close();
  EXPECT_EQ(Contents("Results.txt"), "first\nours\ntheirs\n");

  fs::remove(path);
  out = file->AppendOrCreateTextFile();
  ASSERT_TRUE(out->Write("ours\n"));
  std::ofstream(folder + "/other.txt") << "other\n";
  fs::rename(folder + "/other.txt", path);
  EXPECT_TRUE(out->TakeBack());
  out->Close();
  EXPECT_EQ(Contents("Results.txt"), "other\n");
}

}  // namespace
