// The sample disc's program (Tools\hello.exe on the disc): shows the
// parameters it was started with and the folder it was started in, so that a
// disc author sees what the launcher hands a program. It changes nothing.
// Only the Windows API, so that it stays a few kilobytes.
#include <windows.h>

namespace {

// The command line without the program's own name, which may be quoted.
const wchar_t* Parameters() {
  const wchar_t* p = GetCommandLineW();
  if (*p == L'"') {
    for (++p; *p != L'\0' && *p != L'"'; ++p) {
    }
    if (*p == L'"')
      ++p;
  } else {
    while (*p != L'\0' && *p != L' ' && *p != L'\t')
      ++p;
  }
  while (*p == L' ' || *p == L'\t')
    ++p;
  return p;
}

// Appends what fits of `piece`; the text stays terminated.
void Append(wchar_t* text, int capacity, const wchar_t* piece) {
  const int used = lstrlenW(text);
  lstrcpynW(text + used, piece, capacity - used);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t folder[MAX_PATH];
  const DWORD folderLength = GetCurrentDirectoryW(MAX_PATH, folder);
  const wchar_t* parameters = Parameters();

  static wchar_t text[4 * MAX_PATH];
  constexpr int kCapacity = sizeof text / sizeof text[0];
  Append(text, kCapacity, L"サンプルディスクのプログラムが起動されました。\n\nパラメータ:\n    ");
  Append(text, kCapacity, *parameters != L'\0' ? parameters : L"（なし）");
  Append(text, kCapacity, L"\n\n作業フォルダ:\n    ");
  Append(text, kCapacity, folderLength > 0 && folderLength < MAX_PATH ? folder : L"（不明）");
  MessageBoxW(nullptr, text, L"サンプルプログラム", MB_OK | MB_ICONINFORMATION);
  return 0;
}
