#include "bench/BenchSupport.h"

#include <QApplication>
#include <cstdlib>

#include "app/App.h"
#include "framework/Runtime.h"
#include "framework/Services.h"
#include "framework/qt/QtBackend.h"
#include "framework/qt/QtServices.h"

namespace bench {

namespace {

fw::qt::QtBackend& Backend() {
  static fw::qt::QtBackend* backend = [] {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", QUANDREL_DESKTOP_PLATFORM, 1);
    // Qt keeps argc and argv for the life of the application object; both
    // live as long as the process. Another benchmark may have made it first.
    static int argc = 1;
    static char name[] = "quandrel_bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
    // Class tables are built before anything else, as the program does.
    BuildClassTables();
    return new fw::qt::QtBackend;
  }();
  return *backend;
}

}  // namespace

void EnsureQtApplication() { Backend(); }

struct QtRuntime::State {
  fw::qt::QtServices services;
  fw::Services* previous = nullptr;
};

QtRuntime::QtRuntime() : state_(std::make_unique<State>()) {
  EnsureQtApplication();
  state_->previous = fw::SetServices(&state_->services);
  fw::RuntimeInit(&Backend());
}

QtRuntime::~QtRuntime() {
  fw::RuntimeExit();
  DeletePostedObjects();
  fw::SetServices(state_->previous);
}

void DeletePostedObjects() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace bench
