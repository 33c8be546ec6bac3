// The density of the screens the windows are on, and the system's sizes at a
// density: functions of Windows 8.1 and 10, looked up at run time. Where they
// are missing the system has one density for every screen, and the older
// functions give what they would.
#pragma once

#include "platform/win32/win32.h"

namespace tolvane::win32 {

// The pixels per inch of a monitor, as the program's windows on it are scaled.
int MonitorPixelsPerInch(HMONITOR monitor);

// Grows a client rectangle to the window around it, as a window of this
// style has it at the density.
void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, int pixelsPerInch);

// A system metric (SM_CXSMICON, ...) at the density.
int SystemMetricForDpi(int metric, int pixelsPerInch);

}  // namespace tolvane::win32
