// Errors raised by the runtime and shown by the standard error display.
#pragma once

#include <stdexcept>
#include <string>

namespace tolvane {

// An error a handler does not catch; the dispatcher that called the handler
// shows its message and skips the rest of the handler.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(const std::string& message) : std::runtime_error(message) {}
};

// A failed open, read or close of a text file; `code` is the system's error.
class InOutError : public RuntimeError {
 public:
  explicit InOutError(int code);
  int code() const { return code_; }

 private:
  int code_;
};

std::string InOutErrorMessage(int code);

}  // namespace tolvane
