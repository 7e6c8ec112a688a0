#pragma once
// The framework's exceptions. Everything a handler can raise on its own is a
// RuntimeException; the call wrapper hands those to the default report.
#include <stdexcept>
#include <string>

namespace fw {

class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
  virtual const char* ClassName() const { return "RuntimeException"; }
};

#define FW_RUNTIME_EXCEPTION(Name)                                          \
  class Name : public RuntimeException {                                    \
   public:                                                                  \
    explicit Name(const std::string& message) : RuntimeException(message) {} \
    const char* ClassName() const override { return #Name; }                \
  };

FW_RUNTIME_EXCEPTION(NilObjectException)
FW_RUNTIME_EXCEPTION(IllegalCastException)
FW_RUNTIME_EXCEPTION(OutOfBoundsException)
FW_RUNTIME_EXCEPTION(InvalidArgumentException)
FW_RUNTIME_EXCEPTION(RecordException)
FW_RUNTIME_EXCEPTION(IOException)

#undef FW_RUNTIME_EXCEPTION

}  // namespace fw
