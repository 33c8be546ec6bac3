// platform/win32/: that interface over the Win32 API, and the controls' native peers.
//
// The Platform over the Win32 API.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/win32.h"

namespace tolvane::win32 {

class FormPeer;

class Win32Platform final : public Platform {
 public:
  // Sets up the process: error mode, DLL search, COM, common controls and
  // the rich-text control.
  Win32Platform();
  ~Win32Platform() override;

  std::vector<std::string> Arguments() override;
  std::string ProgramPath() override;

  std::string WindowsDirectory() override;
  std::string SystemDirectory() override;
  std::string TempPath() override;
  std::string FullPath(std::string_view path) override;
  bool SetCurrentDirectory(std::string_view path) override;
  std::string CurrentDirectory() override;
  bool FileExists(std::string_view path) override;
  FileContent ReadFile(std::string_view path) override;
  const Cp932Codec& Cp932() override;
  int DriveType(std::string_view drive) override;

  RegistryValue ReadCurrentVersionValue(std::string_view name) override;

  bool CreateInstanceMutex(std::string_view name) override;
  void CloseInstanceMutex() override;
  void ReleaseInstanceMutex() override;

  int MessageBox(std::string_view text, std::string_view caption, unsigned style) override;
  void ProcessMessages() override;
  int TextWidth(const Font& font, std::string_view text, int pixelsPerInch) override;
  void CreateNativeWindow(Form& form) override;
  void RunMessageLoop() override;
  void RunModal(Form& form) override;

  std::string ReadVersionInfo(std::string_view path) override;
  std::string VersionBinaryValue(const std::string& info, std::string_view query) override;
  VersionText VersionStringValue(const std::string& info, std::string_view query) override;

  ShellResult ShellExecute(std::string_view verb, std::string_view file,
                           std::string_view parameters, std::string_view directory,
                           int showCommand) override;
  void SendMciCommand(std::string_view command) override;

  int PlatformId() override;
  bool OpenOwnProcessToken() override;
  bool LookupShutdownPrivilege() override;
  unsigned AdjustShutdownPrivilege() override;
  void CloseOwnProcessToken() override;
  unsigned LastError() override;
  std::string SystemErrorText(unsigned error) override;
  void ExitWindows(unsigned flags) override;

 private:
  // The main window: the first form's, while it exists; nullptr otherwise.
  HWND MainWindow() const;
  // The program's own keys for the window a message is meant for; true when
  // the message was handled and must not be dispatched.
  bool TranslateFormKeys(MSG& msg);
  // One message of a loop: the program's own keys first, else to its window.
  void DispatchOne(MSG& msg);
  void LoadRichEditControl();
  // The program file's full path as Windows gives it; empty when it fails.
  static std::wstring ProgramPathW();
  // version.dll, loaded from System32 at the first use.
  HMODULE VersionLibrary();

  bool comInitialized_ = false;
  bool oleInitialized_ = false;
  std::wstring richEditClass_;
  HANDLE instanceMutex_ = nullptr;
  HANDLE processToken_ = nullptr;
  LUID shutdownPrivilege_{};
  HMODULE winmm_ = nullptr;
  bool winmmLoaded_ = false;
  HMODULE version_ = nullptr;
  bool versionLoaded_ = false;
  GdiObjects gdi_;
  std::vector<std::unique_ptr<FormPeer>> forms_;
};

}  // namespace tolvane::win32
