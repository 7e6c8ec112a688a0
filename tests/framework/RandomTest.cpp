// Random numbers: independent streams per object, and InRange uniform over
// both of its ends.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <unordered_set>
#include <vector>

#include "framework/Random.h"
#include "framework/Services.h"
#include "tests/support/HeadlessFixture.h"

namespace {

using RandomNumbers = testing_support::HeadlessTest;

std::vector<int32_t> Draws(fw::Random& random, int count) {
  std::vector<int32_t> out;
  for (int i = 0; i < count; ++i) out.push_back(random.InRange(0, 1000000000));
  return out;
}

TEST_F(RandomNumbers, ObjectsMadeBackToBackDrawDifferentSequences) {
  for (int pair = 0; pair < 50; ++pair) {
    auto first = std::make_shared<fw::Random>();
    auto second = std::make_shared<fw::Random>();
    EXPECT_NE(Draws(*first, 8), Draws(*second, 8));
  }
  EXPECT_EQ(services.randomSourcesMade, 100);
}

TEST_F(RandomNumbers, InRangeIsUniformOverBothEnds) {
  constexpr int32_t kLow = 25, kHigh = 55;
  constexpr int kPerValue = 2000;
  constexpr int kValues = kHigh - kLow + 1;
  fw::Random random;
  std::map<int32_t, int> seen;
  for (int i = 0; i < kValues * kPerValue; ++i) {
    int32_t v = random.InRange(kLow, kHigh);
    ASSERT_GE(v, kLow);
    ASSERT_LE(v, kHigh);
    ++seen[v];
  }
  ASSERT_EQ(seen.size(), static_cast<size_t>(kValues));  // both ends included
  double chiSquare = 0;
  for (const auto& [value, count] : seen) {
    double d = count - kPerValue;
    chiSquare += d * d / kPerValue;
  }
  // 30 degrees of freedom: mean 30, standard deviation under 8. A bias of a
  // few percent on one value pushes this well past the bound; chance alone
  // reaches it about once in ten billion runs.
  EXPECT_LT(chiSquare, 120.0);
}

TEST_F(RandomNumbers, InRangeHandlesDegenerateAndFullSpans) {
  fw::Random random;
  for (int i = 0; i < 100; ++i) EXPECT_EQ(random.InRange(7, 7), 7);
  bool negative = false, positive = false;
  for (int i = 0; i < 200; ++i) {
    int32_t v = random.InRange(INT32_MIN, INT32_MAX);
    negative |= v < 0;
    positive |= v > 0;
  }
  EXPECT_TRUE(negative && positive);
}

TEST(RandomSeeds, NeverRepeat) {
  std::unordered_set<uint64_t> seeds;
  for (int i = 0; i < 200000; ++i) ASSERT_TRUE(seeds.insert(fw::NextRandomSeed()).second) << i;
}

}  // namespace
