#pragma once
// The framework runtime: start and end, the event loop, the call wrapper
// through which every handler runs, the default report, and the message box.
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace fw {

class Backend;
class Application;

// The call wrapper: calls function(argument); gives back nothing, or the
// RuntimeException it raised. Other exceptions pass through it.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);

// Makes the process safe to run whatever started it: a closed standard
// stream is opened on /dev/null, so that no file or connection the program
// opens later becomes descriptor 2 and receives its warnings; and a write to
// a pipe without a reader or past the file-size limit fails (EPIPE, EFBIG)
// instead of ending the program, while the programs it starts still get the
// default actions. The first thing the program does; RuntimeInit does it
// too.
void RuntimeProtectProcess();
void RuntimeInit(Backend* backend);
int32_t RuntimeExit();
Backend& TheBackend();
bool RuntimeActive();

void RuntimeSetExceptionHelper(ExceptionHelper helper);
std::exception_ptr DefaultExceptionHelper(void (*function)(void*), void* argument);
void RunFrameworkInitialization(void (*startup)());
void RuntimeInitExternalClasses();
void RuntimeRun();
void RuntimeQuit();
void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
Application* TheApplication();

// The default report: a modal box naming the failure and the same line on
// standard error. The program goes on.
void UnhandledException(std::exception_ptr failure);
std::string DescribeFailure(std::exception_ptr failure);

// Runs a handler through the call wrapper; what it raises is reported.
void CallHandler(const std::function<void()>& handler);
// Runs an event that comes from the event loop (user input, timer tick).
void DeliverEvent(const std::function<void()>& event);
// Runs work as soon as no handler is running and no message box is open.
void WhenIdle(std::function<void()> work);
bool HandlerRunning();
bool MessageBoxOpen();

// A modal message with one OK button; returns when the user dismisses it.
void MsgBox(const std::string& text);
// Opens a URL with the desktop's handler and returns at once; where nothing
// can open it the user is told so.
void ShowURL(const std::string& url);
// Tells the user that nothing on the computer opened the address; the
// services call it when they learn so only after ShowURL has returned.
void ReportUnopenedURL(const std::string& url);

class Keyboard {
 public:
  static bool AsyncShiftKey();
};

}  // namespace fw
