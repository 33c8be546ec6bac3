// Reading another process's list box.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::vector<std::wstring> ListItems(HWND list);
int ListSelection(HWND list);  // LB_ERR (-1) when no line is selected

}  // namespace e2e
