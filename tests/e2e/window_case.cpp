#include "window_case.h"

#include "check.h"

namespace e2e {

namespace {

// 96 is a prefix without the setting, as a new one is.
void SetLogPixels(int pixelsPerInch) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    Abort("cannot open HKCU\\Control Panel\\Desktop for the screen's density");
  const DWORD value = static_cast<DWORD>(pixelsPerInch);
  if (pixelsPerInch == 96)
    RegDeleteValueW(key, L"LogPixels");
  else
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
  RegCloseKey(key);
}

}  // namespace

ScreenDensity::ScreenDensity(int pixelsPerInch) {
  SetLogPixels(pixelsPerInch);
}

ScreenDensity::~ScreenDensity() {
  SetLogPixels(96);
}

void RunMainWindow(const MainWindowCase& c) {
  FixtureDisc disc(c.files, c.folder);
  // Set for every case: one that was cut short leaves no other on a denser screen.
  const ScreenDensity density(c.pixelsPerInch);
  Launcher launcher(disc.Program());
  const HWND main = launcher.WaitForMainWindow();
  c.check({disc, launcher, main});
}

}  // namespace e2e
