#include "remote.h"

#include <commctrl.h>

#include <cstring>

#include "check.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &result))
    Abort("the launcher did not answer message 0x" + std::to_string(message));
  return static_cast<LRESULT>(result);
}

}  // namespace

RemoteMemory::RemoteMemory(HANDLE process, std::size_t size)
    : process_(process),
      base_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
  if (base_ == nullptr)
    Abort("cannot allocate memory in the launcher, error " + std::to_string(GetLastError()));
}

RemoteMemory::~RemoteMemory() {
  VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
}

void RemoteMemory::Write(std::size_t offset, const void* data, std::size_t size) {
  SIZE_T written = 0;
  if (!WriteProcessMemory(process_, static_cast<char*>(base_) + offset, data, size, &written) ||
      written != size)
    Abort("cannot write the launcher's memory, error " + std::to_string(GetLastError()));
}

void RemoteMemory::Read(std::size_t offset, void* data, std::size_t size) const {
  SIZE_T read = 0;
  if (!ReadProcessMemory(process_, static_cast<char*>(base_) + offset, data, size, &read) ||
      read != size)
    Abort("cannot read the launcher's memory, error " + std::to_string(GetLastError()));
}

WindowProcess::WindowProcess(HWND window) : handle_(nullptr) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  handle_ = OpenProcess(
      PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE,
      processId);
  if (handle_ == nullptr)
    Abort("cannot open the launcher's process, error " + std::to_string(GetLastError()));
}

WindowProcess::~WindowProcess() {
  CloseHandle(handle_);
}

CHARFORMAT2W CharFormatOf(HWND edit, LONG first, LONG last) {
  WindowProcess process(edit);
  RemoteMemory memory(process.Handle(), sizeof(CHARFORMAT2W));
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  memory.Write(0, &format, sizeof format);
  Send(edit, EM_SETSEL, static_cast<WPARAM>(first), last);
  Send(edit, EM_GETCHARFORMAT, SCF_SELECTION, memory.At());
  memory.Read(0, &format, sizeof format);
  return format;
}

std::optional<CHARRANGE> FindInRichEdit(HWND edit, std::wstring_view text) {
  WindowProcess process(edit);
  const std::size_t textOffset = (sizeof(FINDTEXTEXW) + 15) / 16 * 16;
  const std::size_t textBytes = (text.size() + 1) * sizeof(wchar_t);
  RemoteMemory memory(process.Handle(), textOffset + textBytes);
  const std::wstring terminated(text);
  memory.Write(textOffset, terminated.c_str(), textBytes);
  FINDTEXTEXW find{};
  find.chrg = {0, -1};
  find.lpstrText = reinterpret_cast<LPCWSTR>(memory.At(textOffset));
  memory.Write(0, &find, sizeof find);
  const LRESULT at = Send(edit, EM_FINDTEXTEXW, FR_DOWN, memory.At());
  if (at < 0)
    return std::nullopt;
  memory.Read(0, &find, sizeof find);
  return find.chrgText;
}

std::vector<TooltipTool> TooltipTools(HWND tooltip) {
  WindowProcess process(tooltip);
  // The tooltip copies a tool's text into the buffer without a limit; hints
  // are far shorter than this.
  constexpr std::size_t kTextChars = 4096;
  const std::size_t textOffset = (sizeof(TTTOOLINFOW) + 15) / 16 * 16;
  RemoteMemory memory(process.Handle(), textOffset + kTextChars * sizeof(wchar_t));
  std::vector<TooltipTool> tools;
  const auto count = Send(tooltip, TTM_GETTOOLCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const wchar_t nothing = 0;
    memory.Write(textOffset, &nothing, sizeof nothing);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.lpszText = reinterpret_cast<LPWSTR>(memory.At(textOffset));
    memory.Write(0, &info, sizeof info);
    if (!Send(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), memory.At()))
      Abort("the tooltip did not give its tool " + std::to_string(i));
    memory.Read(0, &info, sizeof info);
    std::wstring text(kTextChars, L'\0');
    if (info.lpszText == reinterpret_cast<LPWSTR>(memory.At(textOffset))) {
      memory.Read(textOffset, text.data(), kTextChars * sizeof(wchar_t));
      text.resize(wcsnlen(text.c_str(), kTextChars));
    } else {
      text = L"<text by callback or resource>";
    }
    const bool byHandle = (info.uFlags & TTF_IDISHWND) != 0;
    tools.push_back({byHandle ? reinterpret_cast<HWND>(info.uId) : info.hwnd, text, byHandle});
  }
  return tools;
}

namespace {

HWND FindTooltipOf(HWND owner) {
  DWORD processId = 0;
  GetWindowThreadProcessId(owner, &processId);
  struct Search {
    HWND owner;
    DWORD processId;
    HWND found;
  } search{owner, processId, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (id != s->processId || lstrcmpiW(name, TOOLTIPS_CLASSW) != 0 ||
            GetWindow(window, GW_OWNER) != s->owner)
          return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

HWND TooltipOf(HWND owner) {
  // The launcher makes it once its window has painted.
  HWND found = nullptr;
  WaitUntil(5000, [&] { return (found = FindTooltipOf(owner)) != nullptr || !IsWindow(owner); });
  return found;
}

std::wstring CurrentFolderOf(HANDLE process) {
  struct BasicInformation {
    LONG_PTR exitStatus;
    PVOID pebBaseAddress;
    ULONG_PTR affinityMask;
    LONG_PTR basePriority;
    ULONG_PTR uniqueProcessId;
    ULONG_PTR inheritedFromUniqueProcessId;
  };
  using QueryInformation = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryInformation>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  if (query == nullptr)
    return {};
  BasicInformation basic{};
  if (query(process, 0 /* ProcessBasicInformation */, &basic, sizeof basic, nullptr) != 0)
    return {};
  // The launcher has the driver's bitness, so the layouts are this build's.
  constexpr std::size_t kParametersInPeb = sizeof(void*) == 8 ? 0x20 : 0x10;
  constexpr std::size_t kCurrentFolderInParameters = sizeof(void*) == 8 ? 0x38 : 0x24;
  struct CountedString {
    USHORT length;  // in bytes
    USHORT maximumLength;
    PWSTR buffer;
  };
  auto read = [process](const void* from, void* to, std::size_t size) {
    SIZE_T got = 0;
    return ReadProcessMemory(process, from, to, size, &got) && got == size;
  };
  void* parameters = nullptr;
  CountedString folder{};
  if (!read(static_cast<const char*>(basic.pebBaseAddress) + kParametersInPeb, &parameters,
            sizeof parameters) ||
      !read(static_cast<const char*>(parameters) + kCurrentFolderInParameters, &folder,
            sizeof folder))
    return {};
  std::wstring text(folder.length / sizeof(wchar_t), L'\0');
  if (!text.empty() && !read(folder.buffer, text.data(), folder.length))
    return {};
  return text;
}

}  // namespace e2e
