#include "framework/Services.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <iostream>
#include <random>

#include "framework/SpellChecker.h"

namespace fw {

namespace {

uint64_t SplitMix64(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// xoshiro256**: a small generator with good statistics and a cheap start.
class Xoshiro final : public RandomSource {
 public:
  explicit Xoshiro(uint64_t seed) {
    for (auto& word : s_) word = seed = SplitMix64(seed);
  }
  int32_t InRange(int32_t low, int32_t high) override {
    if (high < low) std::swap(low, high);
    uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(high) - low) + 1;
    // Rejection keeps every value equally likely.
    uint64_t limit = UINT64_MAX - UINT64_MAX % span;
    uint64_t x;
    do x = Next(); while (x >= limit);
    return static_cast<int32_t>(low + static_cast<int64_t>(x % span));
  }

 private:
  static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  uint64_t Next() {
    uint64_t result = Rotl(s_[1] * 5, 7) * 9;
    uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
  }
  uint64_t s_[4];
};

BasicServices& Basic() {
  static BasicServices basic;
  return basic;
}

Services* current = nullptr;

}  // namespace

uint64_t NextRandomSeed() {
  static const uint64_t base = [] {
    std::random_device device;
    return (static_cast<uint64_t>(device()) << 32) ^ device();
  }();
  static std::atomic<uint64_t> counter{0};
  return SplitMix64(base + counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
}

std::unique_ptr<RandomSource> MakeRandomSource(uint64_t seed) {
  return std::make_unique<Xoshiro>(seed);
}

SpellChecker& Services::Spelling() { return SharedSpellChecker(); }

void BasicServices::ShowMessage(const std::string& text) { std::cerr << text << '\n'; }
bool BasicServices::OpenURL(const std::string&) { return false; }
bool BasicServices::ShiftKeyDown() { return false; }

DateTime BasicServices::Now() {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string BasicServices::ShortDate(const DateTime& d) {
  return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" +
         std::to_string(d.year % 100 < 10 ? 0 : (d.year % 100) / 10) + std::to_string(d.year % 10);
}

std::string BasicServices::ApplicationFolder() { return ExecutableFolder(); }

std::string ExecutableFolder() {
  std::string exe(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink("/proc/self/exe", exe.data(), exe.size());
    if (n <= 0) return {};
    // A path that fills the buffer may have been cut short.
    if (static_cast<size_t>(n) < exe.size()) {
      exe.resize(static_cast<size_t>(n));
      break;
    }
    if (exe.size() >= (1u << 20)) return {};
    exe.resize(exe.size() * 2);
  }
  const size_t slash = exe.rfind('/');
  if (exe.front() != '/' || slash == std::string::npos) return {};
  return exe.substr(0, slash == 0 ? 1 : slash);
}

std::unique_ptr<RandomSource> BasicServices::NewRandomSource() {
  return MakeRandomSource(NextRandomSeed());
}

Services& TheServices() { return current ? *current : Basic(); }

Services* SetServices(Services* services) {
  Services* before = current ? current : &Basic();
  current = services;
  return before;
}

}  // namespace fw
