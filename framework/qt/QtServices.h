#pragma once
// The production services: QMessageBox, QDesktopServices, the keyboard's
// modifiers, the locale's short date and the executable's folder.
#include "framework/Services.h"

class QLocale;

namespace fw::qt {

// The locale's short date for use in a file name: without direction marks or
// blanks at its ends, and never with a letter.
std::string NumericShortDate(const QLocale& locale, const DateTime& date);

class QtServices : public BasicServices {
 public:
  void ShowMessage(const std::string& text) override;
  // Hands the address to xdg-open and returns at once; when xdg-open finds
  // nothing to open it with, the user is told once it has ended.
  bool OpenURL(const std::string& url) override;
  bool ShiftKeyDown() override;
  std::string ShortDate(const DateTime& date) override;
  std::string ApplicationFolder() override;
};

}  // namespace fw::qt
