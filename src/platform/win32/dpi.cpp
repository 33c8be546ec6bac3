#include "platform/win32/dpi.h"

#include "platform/win32/dll_loading.h"
#include "runtime/dpi.h"

namespace tolvane::win32 {

namespace {

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

HMODULE User32() {
  return GetModuleHandleW(L"user32.dll");
}

}  // namespace

int MonitorPixelsPerInch(HMONITOR monitor) {
  using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  UINT dpiX = 0;
  UINT dpiY = 0;
  if (HMODULE shcore = LoadSystemLibrary(L"shcore.dll")) {
    const auto getDpi = FindFunction<GetDpiForMonitorFunction>(shcore, "GetDpiForMonitor");
    if (getDpi == nullptr || FAILED(getDpi(monitor, kEffectiveDpi, &dpiX, &dpiY)))
      dpiY = 0;
    FreeLibrary(shcore);
  }
  if (dpiY > 0)
    return static_cast<int>(dpiY);
  // Windows 7 and 8: one density, the screen's.
  int dpi = 0;
  if (HDC screen = GetDC(nullptr)) {
    dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  return dpi > 0 ? dpi : kDesignPixelsPerInch;
}

void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, int pixelsPerInch) {
  using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  const auto adjust = FindFunction<AdjustFunction>(User32(), "AdjustWindowRectExForDpi");
  if (adjust == nullptr || !adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(pixelsPerInch)))
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

int SystemMetricForDpi(int metric, int pixelsPerInch) {
  using MetricFunction = int(WINAPI*)(int, UINT);
  const auto metricForDpi = FindFunction<MetricFunction>(User32(), "GetSystemMetricsForDpi");
  return metricForDpi != nullptr ? metricForDpi(metric, static_cast<UINT>(pixelsPerInch))
                                 : GetSystemMetrics(metric);
}

}  // namespace tolvane::win32
