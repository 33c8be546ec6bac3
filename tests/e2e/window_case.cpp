#include "window_case.h"

namespace e2e {

// Never raises (it runs in a destructor); a case on a screen it did not get
// fails on what it sees.
void ScreenDensity::Set(int pixelsPerInch) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  const DWORD value = static_cast<DWORD>(pixelsPerInch);
  if (pixelsPerInch == 96)
    RegDeleteValueW(key, L"LogPixels");
  else
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
  RegCloseKey(key);
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
