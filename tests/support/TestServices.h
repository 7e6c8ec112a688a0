#pragma once
// Services for tests: every message is recorded and answered OK, URLs are
// recorded, Shift and the date are what the test says, random draws can be
// scripted value by value, and the spell checker can be replaced (the real
// one by default).
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/Services.h"
#include "framework/SpellChecker.h"

namespace testing_support {

class TestServices : public fw::Services {
 public:
  std::vector<std::string> messages;
  // Runs while a message is "on screen", before it is answered.
  std::function<void(const std::string&)> onMessage;
  std::vector<std::string> urls;
  bool urlOpens = true;
  bool shift = false;
  int shiftReads = 0;
  fw::DateTime now{2026, 12, 7, 10, 30, 0};
  std::string folder = ".";
  // Draws handed out in order by every new random source, across sources;
  // when empty, sources draw real random numbers.
  std::deque<int32_t> scriptedDraws;
  int randomSourcesMade = 0;
  fw::SpellChecker* spelling = nullptr;

  void ShowMessage(const std::string& text) override;
  bool OpenURL(const std::string& url) override;
  bool ShiftKeyDown() override;
  fw::DateTime Now() override { return now; }
  std::string ShortDate(const fw::DateTime& date) override;
  std::string ApplicationFolder() override { return folder; }
  std::unique_ptr<fw::RandomSource> NewRandomSource() override;
  fw::SpellChecker& Spelling() override { return spelling ? *spelling : Services::Spelling(); }
};

}  // namespace testing_support
