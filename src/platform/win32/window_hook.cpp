#include "platform/win32/window_hook.h"

#include "platform/win32/window_guard.h"

namespace tolvane::win32 {

namespace {

constexpr UINT_PTR kHookId = 1;

}  // namespace

HICON LoadProgramIcon(int size) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                       size, size, LR_DEFAULTCOLOR));
}

bool RegisterHookedClass(const wchar_t* name, const wchar_t* cursor, bool programIcon) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, name, &existing))
    return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  if (programIcon) {
    windowClass.hIcon = LoadProgramIcon(GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = LoadProgramIcon(GetSystemMetrics(SM_CXSMICON));
  }
  windowClass.hCursor = LoadCursorW(nullptr, cursor);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) != 0;
}

bool WindowHook::Hook(HWND window) {
  Unhook();
  if (window == nullptr ||
      !SetWindowSubclass(window, Procedure, kHookId, reinterpret_cast<DWORD_PTR>(this)))
    return false;
  hooked_ = window;
  return true;
}

void WindowHook::Unhook() {
  if (hooked_ != nullptr && IsWindow(hooked_))
    RemoveWindowSubclass(hooked_, Procedure, kHookId);
  hooked_ = nullptr;
}

LRESULT WindowHook::PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK WindowHook::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
  auto* hook = reinterpret_cast<WindowHook*>(data);
  if (message == WM_NCDESTROY) {
    hook->Unhook();
    RunGuarded(hook->app_, [hook] {
      hook->WindowDestroyed();
      return LRESULT{0};
    });
    return PassOn(window, message, wParam, lParam);
  }
  return RunGuarded(hook->app_,
                    [&] { return hook->HandleMessage(window, message, wParam, lParam); });
}

}  // namespace tolvane::win32
