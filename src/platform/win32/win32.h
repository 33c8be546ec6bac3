// The one way the Win32 layer includes the system headers. The API's A/W
// macros are undone where they would rename the program's own methods
// (Platform::MessageBox, Platform::ExitWindows, ...).
#pragma once

#include <windows.h>
// windows.h first: the headers below rely on its types.
#include <commctrl.h>
#include <ole2.h>
#include <richedit.h>
#include <shellapi.h>

#undef MessageBox
#undef SetCurrentDirectory
#undef ShellExecute
#undef ExitWindows
