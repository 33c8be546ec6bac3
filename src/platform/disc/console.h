// The console the disc checker runs in: its arguments and what it prints, as
// UTF-8 whatever the system's own code page is.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// The arguments after the program's name. On Windows they come from the
// wide command line: `argv` holds them in the ANSI code page, which may lack
// characters of a folder's name.
std::vector<std::string> ConsoleArguments(int argc, char** argv);

enum class ConsoleStream { Output, Error };

// A console window shows the text as it is; a file or pipe gets UTF-8 bytes.
void PrintToConsole(ConsoleStream stream, std::string_view utf8);

}  // namespace tolvane
