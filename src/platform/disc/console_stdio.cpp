// Where terminals and file names are UTF-8, the arguments and the output are
// taken as they are.
#include <cstdio>

#include "platform/disc/console.h"

namespace tolvane {

std::vector<std::string> ConsoleArguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

void PrintToConsole(ConsoleStream stream, std::string_view utf8) {
  std::FILE* file = stream == ConsoleStream::Output ? stdout : stderr;
  std::fwrite(utf8.data(), 1, utf8.size(), file);
  std::fflush(file);
}

}  // namespace tolvane
