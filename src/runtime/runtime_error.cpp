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

std::string UnwritablePathMessage(std::string_view shown) {
  return "パス \"" + std::string(shown) +
         "\" には Shift-JIS で表せない文字が含まれ、短い名前 (8.3 形式) もないため使用できません";
}

std::string UnwritableParameterMessage(std::string_view shown) {
  return "コマンドライン \"" + std::string(shown) +
         "\" には Shift-JIS で表せない文字が含まれているため使用できません";
}

InOutError::InOutError(int code) : RuntimeError(InOutErrorMessage(code)), code_(code) {}

}  // namespace tolvane
