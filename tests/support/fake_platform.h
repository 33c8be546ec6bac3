// A platform in memory: files and folders with Windows path rules, scripted
// answers for message boxes and the shell, and a record of every call that
// reaches outside the program.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "runtime/cp932_table.h"

namespace tolvane::testing {

struct ShownMessage {
  std::string text;
  std::string caption;
  unsigned style;
  bool operator==(const ShownMessage&) const = default;
};

inline void PrintTo(const ShownMessage& m, std::ostream* os) {
  *os << "{\"" << m.text << "\", \"" << m.caption << "\", 0x" << std::hex << m.style << std::dec
      << "}";
}

struct ShellCall {
  std::string verb, file, parameters, directory;
  int show;
  bool operator==(const ShellCall&) const = default;
};

inline void PrintTo(const ShellCall& c, std::ostream* os) {
  *os << "{\"" << c.verb << "\", \"" << c.file << "\", \"" << c.parameters << "\", \""
      << c.directory << "\", " << c.show << "}";
}

// A version resource: its translation table's bytes and its strings by query path.
struct FakeVersionInfo {
  std::string translation;
  std::map<std::string, VersionText> strings;
};

class FakePlatform : public Platform {
 public:
  FakePlatform();

  // The file system. Paths are matched ignoring letter case; a relative path
  // is taken from the current folder.
  void AddFile(const std::string& path, const std::string& bytes);
  void AddFolder(const std::string& path);
  // The file exists but reading it fails with the given system error.
  void AddUnreadableFile(const std::string& path, int error = 5);
  void SetDriveType(const std::string& drive, int type);

  std::string commandLine = "tolvane.exe";
  std::string programPath = "C:\\disc\\tolvane.exe";
  std::string windowsDirectory = "C:\\WINDOWS";
  std::string systemDirectory = "C:\\WINDOWS\\system32";
  std::string tempPath = "C:\\TEMP\\";
  RegistryValue programFiles{RegistryValueKind::String, "C:\\Program Files"};
  bool instanceMutexExists = false;
  // The query ("Arguments", "ProgramPath", "TempPath", ...) whose text code
  // page 932 cannot hold, with no short name for it: it raises.
  std::string unwritable;

  std::deque<int> messageBoxAnswers;     // answered in order; then IDOK
  std::deque<ShellResult> shellResults;  // answered in order; then 42 (success)

  std::vector<ShownMessage> messages;
  std::vector<ShellCall> shellCalls;
  std::vector<std::string> mciCommands;
  std::vector<std::string> folderChanges;  // every successful change of the current folder
  int processMessagesCalls = 0;
  bool mutexClosed = false;
  bool mutexReleased = false;
  bool messageLoopRan = false;
  // Power: scripted answers of the privilege steps. The fake never reaches a
  // real system call, so no test can end the session it runs in.
  int platformId = kPlatformNt;
  bool tokenOpens = true;
  bool privilegeFound = true;
  unsigned adjustError = 0;  // the last error after the adjustment
  unsigned lastError = 0;    // what LastError answers
  std::map<unsigned, std::string> errorTexts;
  // The power steps in order ("OpenOwnProcessToken", ..., "ExitWindows 9"),
  // with every message box among them as "MessageBox <text>".
  std::vector<std::string> powerLog;
  std::vector<unsigned> exitWindowsFlags;

  // Runs at every ProcessMessages call, as queued window events would.
  std::function<void()> onProcessMessages;
  // Runs at every sound command, before it is recorded.
  std::function<void(std::string_view)> onMciCommand;
  // Version resources by file path; a file not named here has none.
  std::map<std::string, FakeVersionInfo> versionInfos;
  std::vector<std::string> versionQueries;  // every query path, in order
  // Runs while a form is shown modally, as the user's actions would; the
  // modal run ends when it returns.
  std::function<void(Form&)> onModal;
  std::vector<std::string> modalForms;  // the names of the forms shown modally

  // Platform.
  std::vector<std::string> Arguments() override;
  std::string ProgramPath() override { return Unless("ProgramPath", programPath); }
  std::string WindowsDirectory() override { return Unless("WindowsDirectory", windowsDirectory); }
  std::string SystemDirectory() override { return Unless("SystemDirectory", systemDirectory); }
  std::string TempPath() override { return Unless("TempPath", tempPath); }
  std::string FullPath(std::string_view path) override;
  bool SetCurrentDirectory(std::string_view path) override;
  std::string CurrentDirectory() override { return currentDirectory_; }
  bool FileExists(std::string_view path) override;
  FileContent ReadFile(std::string_view path) override;
  const Cp932Codec& Cp932() override { return BuiltInCp932(); }
  int DriveType(std::string_view drive) override;
  RegistryValue ReadCurrentVersionValue(std::string_view name) override;
  bool CreateInstanceMutex(std::string_view name) override;
  void CloseInstanceMutex() override { mutexClosed = true; }
  void ReleaseInstanceMutex() override { mutexReleased = true; }
  int MessageBox(std::string_view text, std::string_view caption, unsigned style) override;
  void ProcessMessages() override;
  // Deterministic: 6 pixels a byte at height 12, in proportion to the height
  // in the screen's pixels.
  int TextWidth(const Font& font, std::string_view text, int pixelsPerInch) override;
  void CreateNativeWindow(Form&) override {}
  void RunMessageLoop() override { messageLoopRan = true; }
  void RunModal(Form& form) override;
  std::string ReadVersionInfo(std::string_view path) override;
  std::string VersionBinaryValue(const std::string& info, std::string_view query) override;
  VersionText VersionStringValue(const std::string& info, std::string_view query) override;
  ShellResult ShellExecute(std::string_view verb, std::string_view file,
                           std::string_view parameters, std::string_view directory,
                           int showCommand) override;
  void SendMciCommand(std::string_view command) override;
  int PlatformId() override { return platformId; }
  bool OpenOwnProcessToken() override;
  bool LookupShutdownPrivilege() override;
  unsigned AdjustShutdownPrivilege() override;
  void CloseOwnProcessToken() override { powerLog.push_back("CloseOwnProcessToken"); }
  unsigned LastError() override { return lastError; }
  std::string SystemErrorText(unsigned error) override;
  void ExitWindows(unsigned flags) override;

 private:
  struct File {
    std::string bytes;
    int error = 0;
  };
  std::string Key(std::string_view path) const;
  std::string Unless(std::string_view query, const std::string& text) const;
  bool FolderExists(const std::string& key) const;

  std::map<std::string, File> files_;
  std::set<std::string> folders_;
  std::map<std::string, int> driveTypes_;
  std::string currentDirectory_ = "C:\\";
};

}  // namespace tolvane::testing
