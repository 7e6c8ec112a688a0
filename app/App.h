#pragma once
// The application object and the process's start-up order.
#include <cstdint>
#include <exception>

#include "framework/Application.h"

class App : public fw::Application {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }
  void Constructor() {}
};

// The start-up routine that the framework calls back once.
void Startup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void MakeDefaultView();
// Registers the call wrapper, initialises the framework with Startup and runs
// the event loop; whatever escapes goes to the default report.
void Main();
// The call wrapper the framework calls every handler through.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);
// Builds every class table once, the framework's first.
void BuildClassTables();
// The whole process after the backend is chosen: returns the exit status.
int32_t RunProgram();
