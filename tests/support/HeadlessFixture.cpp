#include "tests/support/HeadlessFixture.h"

#include "app/MenuBar1.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

namespace testing_support {

void HeadlessTest::SetUp() {
  fw::RuntimeInit(&backend);
  fw::SetServices(&services);
}

void HeadlessTest::TearDown() {
  fw::Window::CloseAll();
  backend.ProcessPosted();
  fw::RuntimeExit();
  ReleaseMenuBar1();
  fw::SetServices(nullptr);
}

}  // namespace testing_support
