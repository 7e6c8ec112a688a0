#pragma once
// Runs part of a test under a user's locale, one of those the build makes
// into its own folder, so that no test depends on what a machine has
// installed.
#include <string>

namespace testing_support {

// Puts the locale (such as "de_DE.UTF-8") in place for every category of
// the process, as Qt's start-up does with the user's; the locale before
// comes back at the end of the scope. Messages follow it too: the test main
// has set LANGUAGE aside.
class ScopedLocale {
 public:
  explicit ScopedLocale(const std::string& name);
  ~ScopedLocale();
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;
  // Whether the locale could be put in place.
  bool InPlace() const { return inPlace_; }

 private:
  std::string before_;
  bool inPlace_;
};

}  // namespace testing_support
