#include "tests/support/Locales.h"

#include <clocale>
#include <cstdlib>

namespace testing_support {

ScopedLocale::ScopedLocale(const std::string& name) : before_(std::setlocale(LC_ALL, nullptr)) {
  if (const char* language = std::getenv("LANGUAGE")) language_ = language;
  ::unsetenv("LANGUAGE");
  ::setenv("LOCPATH", QUANDREL_TEST_LOCALES, 1);
  inPlace_ = std::setlocale(LC_ALL, name.c_str()) != nullptr;
}

ScopedLocale::~ScopedLocale() {
  std::setlocale(LC_ALL, before_.c_str());
  if (language_) ::setenv("LANGUAGE", language_->c_str(), 1);
}

}  // namespace testing_support
