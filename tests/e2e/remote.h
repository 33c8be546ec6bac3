// Reading another process's controls through memory in that process: the
// messages that carry a pointer (character formats, text searches, tooltip
// tools) need their structures in the target's address space, and its
// current folder is read from its process block.
#pragma once

#include <richedit.h>
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// A block of read-write memory in another process, freed with the object.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, std::size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  // The address inside the target, `offset` bytes into the block.
  LPARAM At(std::size_t offset = 0) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(base_) + offset);
  }
  void Write(std::size_t offset, const void* data, std::size_t size);
  void Read(std::size_t offset, void* data, std::size_t size) const;

 private:
  HANDLE process_;
  void* base_;
};

// The process of a window, opened for reading and writing its memory; the
// handle is closed with the object.
class WindowProcess {
 public:
  explicit WindowProcess(HWND window);
  ~WindowProcess();
  WindowProcess(const WindowProcess&) = delete;
  WindowProcess& operator=(const WindowProcess&) = delete;
  HANDLE Handle() const { return handle_; }

 private:
  HANDLE handle_;
};

// The character format of the characters [first, last) of a rich edit, read
// by selecting them. The selection stays where it was put.
CHARFORMAT2W CharFormatOf(HWND edit, LONG first, LONG last);

// Where a text first occurs in a rich edit; nullopt when it does not.
std::optional<CHARRANGE> FindInRichEdit(HWND edit, std::wstring_view text);

// The tools of a tooltip control: the window each one stands for and its text.
struct TooltipTool {
  HWND tool;  // the control (tools are registered by window handle)
  std::wstring text;
  bool byHandle;  // registered with TTF_IDISHWND
};
std::vector<TooltipTool> TooltipTools(HWND tooltip);

// The tooltip window owned by `owner` in the same process, waited for a few
// seconds; nullptr if none came.
HWND TooltipOf(HWND owner);

// The current folder of a process, read from its process parameters; empty
// when it cannot be read. The reading process must have the target's bitness.
std::wstring CurrentFolderOf(HANDLE process);

}  // namespace e2e
