// The controls of the main window that the selection cases read, and menus
// written as records.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// The controls a selection case reads.
struct Window {
  HWND main;
  HWND list;
  HWND pane;
  HWND run;     // Button1
  HWND folder;  // Button4
};

Window WindowOf(HWND main);

// Selects every line in turn as the list box reports a click, each answered
// within the driver's message time limit.
void SelectEveryLine(const Window& w);

// A record of the menu file.
struct Entry {
  std::string_view caption;
  std::string_view folder;
  std::string_view target;
};

// The menu file's bytes (code page 932) for these records.
std::string MenuText(const std::vector<Entry>& entries);

}  // namespace e2e
