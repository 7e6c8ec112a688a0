#pragma once
// A test fixture that runs the framework on the headless backend, with the
// test services and a test clock.
#include <gtest/gtest.h>

#include "framework/headless/HeadlessBackend.h"
#include "tests/support/TestServices.h"

namespace testing_support {

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  fw::HeadlessBackend backend;
  TestServices services;
};

}  // namespace testing_support
