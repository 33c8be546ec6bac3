#include "runtime/runtime_error.h"

namespace tolvane {

std::string InOutErrorMessage(int code) {
  switch (code) {
    case 2:
      return "File not found";
    case 3:
      return "Path not found";
    case 4:
      return "Too many open files";
    case 5:
      return "File access denied";
    case 32:
      return "Sharing violation";
    default:
      return "I/O error " + std::to_string(code);
  }
}

InOutError::InOutError(int code) : RuntimeError(InOutErrorMessage(code)), code_(code) {}

}  // namespace tolvane
