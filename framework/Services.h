#pragma once
// Every service with an effect outside the window goes through this one seam:
// the message box, opening a URL, the Shift key, the clock and its short date
// text, the application's folder, new random sources and the spell checker.
// Tests put their own in place with SetServices.
#include <cstdint>
#include <memory>
#include <string>

namespace fw {

class SpellChecker;

struct DateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform integer from low to high, both included.
  virtual int32_t InRange(int32_t low, int32_t high) = 0;
};

class Services {
 public:
  virtual ~Services() = default;
  virtual void ShowMessage(const std::string& text) = 0;  // modal; returns when dismissed
  virtual bool OpenURL(const std::string& url) = 0;       // false: nothing can open it
  virtual bool ShiftKeyDown() = 0;
  virtual DateTime Now() = 0;
  virtual std::string ShortDate(const DateTime& date) = 0;
  // Empty where the program's folder cannot be found.
  virtual std::string ApplicationFolder() = 0;
  virtual std::unique_ptr<RandomSource> NewRandomSource() = 0;
  // The one checker of the process, shared by every window (see
  // SharedSpellChecker); its dictionary loads when first needed.
  virtual SpellChecker& Spelling();
};

// Services without a toolkit: messages go to standard error, nothing opens a
// URL, Shift is up, the short date is numeric month/day/year.
class BasicServices : public Services {
 public:
  void ShowMessage(const std::string& text) override;
  bool OpenURL(const std::string& url) override;
  bool ShiftKeyDown() override;
  DateTime Now() override;
  std::string ShortDate(const DateTime& date) override;
  std::string ApplicationFolder() override;
  std::unique_ptr<RandomSource> NewRandomSource() override;
};

// The folder of the running program's file, the bytes of its path as the
// system gives them (they need not be UTF-8); empty where it cannot be found.
std::string ExecutableFolder();

Services& TheServices();
// Installs services; returns the ones that were in place. nullptr puts the
// basic services back.
Services* SetServices(Services* services);

// A fresh seed from the one process-wide generator, seeded once from the
// operating system; two calls never give the same seed.
uint64_t NextRandomSeed();
// The framework's own generator for a seed: unbiased, fast, independent
// streams for distinct seeds.
std::unique_ptr<RandomSource> MakeRandomSource(uint64_t seed);

}  // namespace fw
