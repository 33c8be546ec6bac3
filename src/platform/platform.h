// platform/: the one interface to the Windows services the program uses.
//
// The Windows services the program uses, as one narrow interface. Texts are
// code page 932 bytes; the Win32 implementation converts at its boundary.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class Cp932Codec;
class Form;
struct Font;

// Message-box styles and answers used by the program.
namespace mb {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kYesNo = 0x4;
inline constexpr unsigned kIconHand = 0x10;
inline constexpr unsigned kIconExclamation = 0x30;
inline constexpr unsigned kIconInformation = 0x40;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
}  // namespace mb

inline constexpr int kDriveCdRom = 5;
inline constexpr int kShowNormal = 5;  // SW_SHOW
inline constexpr int kPlatformNt = 2;  // VER_PLATFORM_WIN32_NT

// ExitWindowsEx flags.
namespace ewx {
inline constexpr unsigned kLogoff = 0x0;
inline constexpr unsigned kShutdown = 0x1;
inline constexpr unsigned kReboot = 0x2;
inline constexpr unsigned kPowerOff = 0x8;
}  // namespace ewx

// ShellExecute's result when no application is associated with the file.
inline constexpr int kShellNoAssociation = 31;
// ShellExecute's result when the user refused elevation: not an error.
inline constexpr int kShellCancelled = -1;
// ShellExecute's result for a failure the shell has no code of its own for:
// the system's error code comes with it.
inline constexpr int kShellSystemError = -2;

// What a shell call gave: the shell's code (above 32 for success) and, with
// kShellSystemError, the system's error.
struct ShellResult {
  int code = 33;
  unsigned systemError = 0;
  ShellResult(int shellCode = 33, unsigned error = 0) : code(shellCode), systemError(error) {}
};

struct FileContent {
  int error = 0;  // the system's error code; 0 when the bytes were read
  std::string bytes;
};

enum class RegistryValueKind { KeyNotOpened, Missing, String, OtherType };

struct RegistryValue {
  RegistryValueKind kind = RegistryValueKind::KeyNotOpened;
  std::string text;
};

// A string value of a version resource: the characters the resource reports
// (`length`, 0 when the value is missing), as code page 932 text.
struct VersionText {
  std::size_t length = 0;
  std::string text;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Texts from Windows are code page 932 without any character replaced: a
  // path it cannot hold comes by its short (8.3) name, and where there is none
  // these raise a RuntimeError rather than give another path.

  // Process.
  // The command line split into parameters as the runtime splits it;
  // element 0 is the program's own path.
  virtual std::vector<std::string> Arguments() = 0;
  virtual std::string ProgramPath() = 0;  // full path of the running program file

  // Folders and files.
  virtual std::string WindowsDirectory() = 0;  // empty when the call fails
  virtual std::string SystemDirectory() = 0;
  virtual std::string TempPath() = 0;
  virtual std::string FullPath(std::string_view path) = 0;
  virtual bool SetCurrentDirectory(std::string_view path) = 0;
  virtual std::string CurrentDirectory() = 0;
  virtual bool FileExists(std::string_view path) = 0;  // an existing folder does not count
  virtual FileContent ReadFile(std::string_view path) = 0;
  // Code page 932 as this system defines it, for text files saved as Unicode.
  virtual const Cp932Codec& Cp932() = 0;
  virtual int DriveType(std::string_view drive) = 0;

  // HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion, opened for reading.
  virtual RegistryValue ReadCurrentVersionValue(std::string_view name) = 0;

  // The named instance mutex, created in one call; true when it already existed.
  virtual bool CreateInstanceMutex(std::string_view name) = 0;
  virtual void CloseInstanceMutex() = 0;
  virtual void ReleaseInstanceMutex() = 0;

  // User interface services.
  virtual int MessageBox(std::string_view text, std::string_view caption, unsigned style) = 0;
  virtual void ProcessMessages() = 0;
  // In pixels of a screen of this density.
  virtual int TextWidth(const Font& font, std::string_view text, int pixelsPerInch) = 0;
  // Creates the native window and the peers of a form's controls, hidden.
  virtual void CreateNativeWindow(Form& form) = 0;
  // Runs until the main window is closed.
  virtual void RunMessageLoop() = 0;
  // Shows a form whose native window exists, with its owner disabled, and
  // returns when the form has closed.
  virtual void RunModal(Form& form) = 0;

  // The version resource of a file as one block; empty when it has none.
  virtual std::string ReadVersionInfo(std::string_view path) = 0;
  // A value of that block by its query path: the bytes of a binary value,
  // empty when it is missing.
  virtual std::string VersionBinaryValue(const std::string& info, std::string_view query) = 0;
  virtual VersionText VersionStringValue(const std::string& info, std::string_view query) = 0;

  // Shell and sound.
  virtual ShellResult ShellExecute(std::string_view verb, std::string_view file,
                                   std::string_view parameters, std::string_view directory,
                                   int showCommand) = 0;
  virtual void SendMciCommand(std::string_view command) = 0;

  // Power. The token stays open from OpenOwnProcessToken until
  // CloseOwnProcessToken; the privilege steps use it.
  virtual int PlatformId() = 0;  // as GetVersionEx reports it
  virtual bool OpenOwnProcessToken() = 0;
  virtual bool LookupShutdownPrivilege() = 0;
  // Enables the looked-up privilege; the system's last error afterwards.
  virtual unsigned AdjustShutdownPrivilege() = 0;
  virtual void CloseOwnProcessToken() = 0;
  virtual unsigned LastError() = 0;
  // The system's text for an error code; empty when it has none.
  virtual std::string SystemErrorText(unsigned error) = 0;
  virtual void ExitWindows(unsigned flags) = 0;
};

// The real implementation; defined only in the Windows build.
std::unique_ptr<Platform> CreateWin32Platform();

}  // namespace tolvane
