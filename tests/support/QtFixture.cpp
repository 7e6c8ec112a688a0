#include "tests/support/QtFixture.h"

#include <QCoreApplication>
#include <QTest>

#include "app/MenuBar1.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

namespace testing_support {

void QtTest::SetUp() {
  backend = std::make_unique<fw::qt::QtBackend>();
  fw::RuntimeInit(backend.get());
  fw::SetServices(&services);
}

void QtTest::TearDown() {
  fw::Window::CloseAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  fw::RuntimeExit();
  ReleaseMenuBar1();
  fw::SetServices(nullptr);
  backend.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtTest::Wait(int ms) { QTest::qWait(ms); }

}  // namespace testing_support
