// Ten thousand automatic runs of one bracket in one window, through the timer
// chain that holding Shift keeps going: every run is counted, and the heap
// stops growing once the window has settled.
#include <gtest/gtest.h>
#include <malloc.h>

#include <chrono>
#include <cstddef>
#include <iostream>

#include "tests/scenarios/Scenario.h"
#include "tests/support/Driver.h"
#include "tests/support/HeadlessFixture.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SCENARIO_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SCENARIO_UNDER_ASAN 1
#endif
#ifdef SCENARIO_UNDER_ASAN
// The sanitizer's own count of live heap bytes; its header is not installed
// with every compiler, the function always is.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

using scenarios::kPeriod;
using scenarios::WinsCounted;

// Bytes of heap in use. AddressSanitizer has its own allocator, which the C
// library's statistics do not see.
size_t HeapInUse() {
#ifdef SCENARIO_UNDER_ASAN
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

class SoakTest : public testing_support::HeadlessTest {};

TEST_F(SoakTest, TenThousandShiftRepeatsAreAllCountedInBoundedMemory) {
  constexpr int kRunsByHand = 1, kAutomaticRuns = 10'000, kSettledAfter = 1'000;
  constexpr long long kAllowedGrowth = 1 << 20;

  auto w = testing_support::SetUpBracket();
  services.shift = true;
  // The window's first final finds ReplayAll disabled, reads Shift and so
  // starts the chain.
  testing_support::PlayBracket(*w);
  ASSERT_EQ(WinsCounted(*w), kRunsByHand);
  ASSERT_TRUE(w->Timer3()->Pending());

  size_t settled = 0;
  const auto started = std::chrono::steady_clock::now();
  for (int run = 1; run <= kAutomaticRuns; ++run) {
    backend.Advance(kPeriod);  // Timer3: ReplayAll plays the first round
    backend.Advance(kPeriod);  // Timer1: both semifinals
    if (run == kAutomaticRuns) services.shift = false;
    backend.Advance(kPeriod);  // Timer2: the final, which starts Timer3 again while Shift is down
    ASSERT_EQ(WinsCounted(*w), kRunsByHand + run) << "run " << run;
    ASSERT_EQ(w->Timer3()->Pending(), run < kAutomaticRuns) << "run " << run;
    if (run == kSettledAfter) settled = HeapInUse();
  }
  const auto elapsed =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started);
  const long long growth = static_cast<long long>(HeapInUse()) - static_cast<long long>(settled);
  std::cout << "[ soak     ] " << kAutomaticRuns << " runs in " << elapsed.count() << " ms ("
            << 1000.0 * elapsed.count() / kAutomaticRuns << " us a run); heap in use changed by "
            << growth << " bytes from run " << kSettledAfter << " to the last\n";

  EXPECT_LE(growth, kAllowedGrowth);
  EXPECT_EQ(backend.Now(), (kAutomaticRuns * 3) * kPeriod);
  EXPECT_EQ(w->Listbox1()->ListCount(), 8);
  EXPECT_EQ(w->listit, 1);
  for (auto button : {w->PushButton9(), w->PushButton10(), w->PushButton11()})
    EXPECT_TRUE(button->Enabled()) << button->Name();
  EXPECT_EQ(backend.PendingTimers(), 0u);

  // Shift was up at the last final: time alone plays nothing more.
  backend.Advance(10 * kPeriod);
  EXPECT_EQ(WinsCounted(*w), kRunsByHand + kAutomaticRuns);
  EXPECT_TRUE(services.messages.empty());
}

}  // namespace
