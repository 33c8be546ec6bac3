// Errors raised by the runtime and shown by the standard error display.
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <utility>

namespace tolvane {

// An error a handler does not catch; the dispatcher that called the handler
// shows its message and skips the rest of the handler. (Not a
// std::runtime_error: that one keeps its message in a second string type the
// program would have to carry.)
class RuntimeError : public std::exception {
 public:
  explicit RuntimeError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
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

// Going on with a path or parameter that code page 932 cannot hold would use
// another file, so start-up ends with one of these. `shown` is the text as far
// as it can be shown.
// A path from Windows with no short (8.3) name that could stand for it.
std::string UnwritablePathMessage(std::string_view shown);
// A command-line parameter that is no such path either.
std::string UnwritableParameterMessage(std::string_view shown);

}  // namespace tolvane
