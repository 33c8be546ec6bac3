// platform/disc/: the platform over a disc folder of this computer, for the disc checker.
//
// The launcher runs headless on a folder that stands for a CD-ROM drive:
// files are the folder's, matched as Windows matches names; everything that
// would reach beyond the launcher (message boxes, the shell, sounds, power)
// is recorded and answered without effect. Nothing is ever written.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace tolvane {

// What the launcher showed or asked for, as it asked (code page 932).
struct RecordedMessage {
  std::string text;
  std::string caption;
  unsigned style = 0;
};

// A file the launcher read, and the system's error (0 when it was read).
struct RecordedRead {
  std::string path;
  int error = 0;
};

struct RecordedShellCall {
  std::string verb, file, parameters, directory;
  int result = 0;  // what the launcher was told
};

class DiscPlatform final : public Platform {
 public:
  // The folder stands for this drive, with the launcher at its root.
  static constexpr std::string_view kDrive = "Q:";
  static constexpr std::string_view kProgramPath = "Q:\\tolvane.exe";

  // `parameters` are the launcher's command-line parameters, code page 932.
  DiscPlatform(const std::filesystem::path& root, std::vector<std::string> parameters);

  // The file or folder a launcher path names in the disc folder; none for a
  // path elsewhere, or one no name there matches.
  std::optional<std::filesystem::path> HostPath(std::string_view path);
  // The path from the disc's root with "/" between names, as this computer
  // spells them (UTF-8): "Docs/about.rtf". Empty for the root itself and for
  // a path that names nothing on the disc.
  std::string DiscPathOf(std::string_view path);

  std::vector<RecordedMessage> messages;
  std::vector<RecordedRead> reads;
  std::vector<RecordedShellCall> shellCalls;
  std::vector<std::string> mciCommands;
  std::vector<unsigned> exitWindowsRequests;

  std::vector<std::string> Arguments() override;
  std::string ProgramPath() override { return std::string(kProgramPath); }
  std::string WindowsDirectory() override { return "C:\\Windows"; }
  std::string SystemDirectory() override { return "C:\\Windows\\system32"; }
  std::string TempPath() override { return "C:\\Users\\user\\AppData\\Local\\Temp\\"; }
  std::string FullPath(std::string_view path) override;
  bool SetCurrentDirectory(std::string_view path) override;
  std::string CurrentDirectory() override { return current_; }
  bool FileExists(std::string_view path) override;
  FileContent ReadFile(std::string_view path) override;
  // The built-in table, which is Windows' own.
  const Cp932Codec& Cp932() override;
  int DriveType(std::string_view drive) override;
  RegistryValue ReadCurrentVersionValue(std::string_view name) override;
  bool CreateInstanceMutex(std::string_view) override { return false; }
  void CloseInstanceMutex() override {}
  void ReleaseInstanceMutex() override {}
  // OK to a message, No to a question: nothing is run.
  int MessageBox(std::string_view text, std::string_view caption, unsigned style) override;
  void ProcessMessages() override {}
  // Nothing is drawn: half the font's height a byte, as a rough measure.
  int TextWidth(const Font& font, std::string_view text, int pixelsPerInch) override;
  void CreateNativeWindow(Form&) override {}
  void RunMessageLoop() override {}
  void RunModal(Form&) override {}
  std::string ReadVersionInfo(std::string_view) override { return {}; }
  std::string VersionBinaryValue(const std::string&, std::string_view) override { return {}; }
  VersionText VersionStringValue(const std::string&, std::string_view) override { return {}; }
  // Success, except for a file on the disc that is not there, which the
  // shell would not find either.
  ShellResult ShellExecute(std::string_view verb, std::string_view file,
                           std::string_view parameters, std::string_view directory,
                           int showCommand) override;
  void SendMciCommand(std::string_view command) override { mciCommands.emplace_back(command); }
  int PlatformId() override { return kPlatformNt; }
  bool OpenOwnProcessToken() override { return false; }
  bool LookupShutdownPrivilege() override { return false; }
  unsigned AdjustShutdownPrivilege() override { return 0; }
  void CloseOwnProcessToken() override {}
  unsigned LastError() override { return 0; }
  std::string SystemErrorText(unsigned) override { return {}; }
  void ExitWindows(unsigned flags) override { exitWindowsRequests.push_back(flags); }

 private:
  FileContent ReadDiscFile(std::string_view path);

  std::filesystem::path root_;
  std::vector<std::string> parameters_;
  std::string current_ = "Q:\\";
};

// A name of this computer's file system as the launcher writes it (code page
// 932); none where it holds a character code page 932 cannot.
std::optional<std::string> Cp932NameOf(const std::filesystem::path& name);

}  // namespace tolvane
