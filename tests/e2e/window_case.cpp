#include "window_case.h"

namespace e2e {

namespace {

// Wine's "LogPixels" setting of the prefix, read as a program starts; 96 is
// a prefix without it, as a new one is. Never raises (it is reset as a case
// unwinds): a case on a screen it did not get fails on what it sees.
void SetScreenDensity(int pixelsPerInch) {
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

}  // namespace

void RunMainWindow(const MainWindowCase& c) {
  FixtureDisc disc(c.files, c.folder);
  // Set for every case, and reset after it: one cut short leaves no other on a denser screen.
  SetScreenDensity(c.pixelsPerInch);
  struct Reset {
    ~Reset() { SetScreenDensity(96); }
  } reset;
  Launcher launcher(disc.Program());
  const HWND main = launcher.WaitForMainWindow();
  c.check({disc, launcher, main});
}

}  // namespace e2e
