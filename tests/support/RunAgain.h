#pragma once
// Runs the current test again as a program of its own, with an environment
// made before that program starts: the environment is the whole process's,
// and once Qt runs its threads no test may change it. The test then finds
// itself run again (RunningAgain) and does its part in the new process.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// A variable and its value, or nothing to remove it.
using EnvironmentChange = std::pair<std::string, std::optional<std::string>>;

// The exit status of the current test run again with these changes, in the
// folder given (else this one); 128 + N where signal N ended it. The test
// main then leaves the environment as given: the test makes sure it names
// no folder of the user's.
int RunThisTestAgain(const std::vector<EnvironmentChange>& changes, const std::string& folder = {});

// Whether this process is a test run again.
bool RunningAgain();

}  // namespace testing_support
