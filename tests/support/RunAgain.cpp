#include "tests/support/RunAgain.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace testing_support {

namespace {
constexpr char kAgain[] = "QUANDREL_TEST_AGAIN";
}

int RunThisTestAgain(const std::vector<EnvironmentChange>& changes, const std::string& folder) {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  const std::string filter =
      std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    // The child has this one thread alone: the environment is its to change.
    for (const auto& [name, value] : changes)
      value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    ::setenv(kAgain, "1", 1);
    if (!folder.empty() && ::chdir(folder.c_str()) != 0) ::_exit(126);
    ::execl("/proc/self/exe", "again", filter.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool RunningAgain() { return std::getenv(kAgain) != nullptr; }

}  // namespace testing_support
