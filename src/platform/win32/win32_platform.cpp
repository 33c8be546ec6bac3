// Process set-up and the user-interface services of the platform.
#include "platform/win32/win32_platform.h"

#include "platform/win32/dll_loading.h"
#include "platform/win32/form_peer.h"
#include "platform/win32/text_conversion.h"
#include "runtime/command_line.h"
#include "runtime/form.h"

namespace tolvane {

std::unique_ptr<Platform> CreateWin32Platform() {
  return std::make_unique<win32::Win32Platform>();
}

namespace win32 {

Win32Platform::Win32Platform() {
  // No "insert a disk" or "cannot open" boxes from an empty drive on the way.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  RestrictDllSearch();
  // The shell's extensions expect a single-threaded apartment.
  comInitialized_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  // The rich-text control copies through the OLE clipboard.
  oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  LoadRichEditControl();
}

Win32Platform::~Win32Platform() {
  forms_.clear();
  CloseOwnProcessToken();
  if (instanceMutex_ != nullptr)
    CloseHandle(instanceMutex_);
  if (oleInitialized_)
    OleUninitialize();
  if (comInitialized_)
    CoUninitialize();
}

void Win32Platform::LoadRichEditControl() {
  if (LoadSystemLibrary(L"msftedit.dll") != nullptr) {
    richEditClass_ = MSFTEDIT_CLASS;
  } else if (LoadSystemLibrary(L"riched20.dll") != nullptr) {
    richEditClass_ = RICHEDIT_CLASSW;
  }
}

HWND Win32Platform::MainWindow() const {
  if (forms_.empty())
    return nullptr;
  HWND window = forms_.front()->Handle();
  return IsWindow(window) ? window : nullptr;
}

std::vector<std::string> Win32Platform::Arguments() {
  std::vector<std::wstring> words = SplitCommandLine(std::wstring_view(GetCommandLineW()));
  const std::wstring program = ProgramPathW();
  const std::wstring folder = program.substr(0, program.find_last_of(L'\\') + 1);
  // Element 0 is never examined: the program's own path stands for it, read
  // as every path is.
  std::vector<std::string> args{NarrowPath(program)};
  for (std::size_t i = 1; i < words.size(); ++i)
    args.push_back(NarrowParameter(words[i], folder));
  return args;
}

std::wstring Win32Platform::ProgramPathW() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0)
      return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768)
      return {};
    path.resize(path.size() * 2);
  }
}

std::string Win32Platform::ProgramPath() {
  return NarrowPath(ProgramPathW());
}

int Win32Platform::MessageBox(std::string_view text, std::string_view caption, unsigned style) {
  // Over the window the user works in: the About box while it is open.
  HWND owner = GetActiveWindow();
  if (owner == nullptr)
    owner = MainWindow();
  return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), style);
}

int Win32Platform::TextWidth(const Font& font, std::string_view text, int pixelsPerInch) {
  const std::wstring wide = Widen(text);
  if (wide.empty())
    return 0;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr)
    return 0;
  HGDIOBJ previous = nullptr;
  if (HFONT handle = gdi_.FontOf(font, pixelsPerInch))
    previous = SelectObject(screen, handle);
  SIZE size{};
  if (!GetTextExtentPoint32W(screen, wide.c_str(), static_cast<int>(wide.size()), &size))
    size.cx = 0;
  if (previous != nullptr)
    SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return size.cx;
}

void Win32Platform::CreateNativeWindow(Form& form) {
  auto peer = std::make_unique<FormPeer>(form, gdi_, richEditClass_);
  peer->Create(MainWindow());
  forms_.push_back(std::move(peer));
}

}  // namespace win32
}  // namespace tolvane
