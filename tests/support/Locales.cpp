#include "tests/support/Locales.h"

#include <clocale>

namespace testing_support {

// The test main points the C library at the build's locales and sets
// LANGUAGE aside before Qt starts a thread; the environment stays as it is.
ScopedLocale::ScopedLocale(const std::string& name) : before_(std::setlocale(LC_ALL, nullptr)) {
  inPlace_ = std::setlocale(LC_ALL, name.c_str()) != nullptr;
}

ScopedLocale::~ScopedLocale() { std::setlocale(LC_ALL, before_.c_str()); }

}  // namespace testing_support
