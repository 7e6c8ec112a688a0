#include "tests/support/RunAgain.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

extern char** environ;

namespace testing_support {

namespace {
constexpr char kAgain[] = "QUANDREL_TEST_AGAIN";
}

int RunThisTestAgain(const std::vector<EnvironmentChange>& changes, const std::string& folder) {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  const std::string filter =
      std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
  // Made here: between the fork and the exec of a process that runs threads
  // only calls that allocate nothing are safe.
  std::vector<std::string> variables;
  for (char** variable = environ; *variable; ++variable) {
    const std::string entry(*variable);
    bool changed = entry.starts_with(std::string(kAgain) + "=");
    for (const auto& change : changes) changed = changed || entry.starts_with(change.first + "=");
    if (!changed) variables.push_back(entry);
  }
  for (const auto& [name, value] : changes)
    if (value) variables.push_back(name + "=" + *value);
  variables.push_back(std::string(kAgain) + "=1");
  std::vector<char*> environment;
  for (std::string& variable : variables) environment.push_back(variable.data());
  environment.push_back(nullptr);
  char name[] = "again";
  std::vector<char*> arguments{name, const_cast<char*>(filter.c_str()), nullptr};

  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (!folder.empty() && ::chdir(folder.c_str()) != 0) ::_exit(126);
    ::execve("/proc/self/exe", arguments.data(), environment.data());
    ::_exit(127);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool RunningAgain() { return std::getenv(kAgain) != nullptr; }

}  // namespace testing_support
