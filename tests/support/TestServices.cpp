#include "tests/support/TestServices.h"

#include <stdexcept>

namespace testing_support {

namespace {
class ScriptedSource : public fw::RandomSource {
 public:
  ScriptedSource(TestServices& services, std::unique_ptr<fw::RandomSource> fallback)
      : services_(services), fallback_(std::move(fallback)) {}
  int32_t InRange(int32_t low, int32_t high) override {
    if (services_.scriptedDraws.empty()) return fallback_->InRange(low, high);
    int32_t value = services_.scriptedDraws.front();
    services_.scriptedDraws.pop_front();
    if (value < low || value > high)
      throw std::logic_error("scripted draw " + std::to_string(value) + " outside " +
                             std::to_string(low) + ".." + std::to_string(high));
    return value;
  }

 private:
  TestServices& services_;
  std::unique_ptr<fw::RandomSource> fallback_;
};
}  // namespace

void TestServices::ShowMessage(const std::string& text) {
  messages.push_back(text);
  if (onMessage) onMessage(text);
}

bool TestServices::OpenURL(const std::string& url) {
  urls.push_back(url);
  return urlOpens;
}

bool TestServices::ShiftKeyDown() {
  ++shiftReads;
  return shift;
}

std::string TestServices::ShortDate(const fw::DateTime& d) {
  return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" +
         std::to_string(d.year % 100);
}

std::unique_ptr<fw::RandomSource> TestServices::NewRandomSource() {
  ++randomSourcesMade;
  return std::make_unique<ScriptedSource>(*this, fw::MakeRandomSource(fw::NextRandomSeed()));
}

}  // namespace testing_support
