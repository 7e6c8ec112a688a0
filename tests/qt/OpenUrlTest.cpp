// Opening an address: the production services hand it to xdg-open and tell
// the user when xdg-open found nothing to open it with.
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "framework/Runtime.h"
#include "framework/qt/QtServices.h"
#include "tests/support/QtFixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::QtTest;

class RecordingQtServices : public fw::qt::QtServices {
 public:
  std::vector<std::string> messages;
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
};

// Puts a stand-in xdg-open that answers with the given status first on PATH.
class FakeOpener {
 public:
  explicit FakeOpener(int status) {
    std::string pattern = (fs::temp_directory_path() / "quandrel-opener-XXXXXX").string();
    folder_ = ::mkdtemp(pattern.data());
    std::ofstream(folder_ / "xdg-open") << "#!/bin/sh\nexit " << status << "\n";
    fs::permissions(folder_ / "xdg-open", fs::perms::owner_all);
    path_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (folder_.string() + ":" + path_).c_str(), 1);
  }
  ~FakeOpener() {
    setenv("PATH", path_.c_str(), 1);
    fs::remove_all(folder_);
  }

 private:
  fs::path folder_;
  std::string path_;
};

TEST_F(QtTest, AnAddressXdgOpenCannotOpenIsNamedOnceItHasEnded) {
  RecordingQtServices production;
  fw::SetServices(&production);
  {
    FakeOpener opener(3);  // xdg-open's "no method available"
    fw::ShowURL("mailto:quandrel@example.org");
    EXPECT_TRUE(production.messages.empty());  // ShowURL does not wait
    QTRY_COMPARE_WITH_TIMEOUT(production.messages.size(), size_t{1}, 5000);
    EXPECT_NE(production.messages[0].find("mailto:quandrel@example.org"), std::string::npos);
  }
  {
    FakeOpener opener(0);
    fw::ShowURL("https://quandrel.example.org/");
    Wait(300);
    EXPECT_EQ(production.messages.size(), size_t{1});
  }
}

}  // namespace
