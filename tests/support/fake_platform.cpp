#include "support/fake_platform.h"

#include <vector>

#include "runtime/command_line.h"
#include "runtime/cp932_text.h"
#include "runtime/dpi.h"
#include "runtime/font.h"
#include "runtime/form.h"
#include "runtime/runtime_error.h"

namespace tolvane::testing {

namespace {

// Splits at backslashes that stand as characters of their own.
std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (IsLeadByte(byte) && i + 1 < path.size()) {
      parts.back() += path.substr(i, 2);
      ++i;
    } else if (byte == '\\') {
      parts.emplace_back();
    } else {
      parts.back() += path[i];
    }
  }
  return parts;
}

}  // namespace

FakePlatform::FakePlatform() {
  AddFolder("C:\\");
}

std::vector<std::string> FakePlatform::Arguments() {
  if (unwritable == "Arguments")
    throw RuntimeError(UnwritableParameterMessage("/o:caf?"));
  return SplitCommandLine(commandLine);
}

std::string FakePlatform::Unless(std::string_view query, const std::string& text) const {
  if (unwritable == query)
    throw RuntimeError(UnwritablePathMessage("C:\\M?ller"));
  return text;
}

std::string FakePlatform::FullPath(std::string_view path) {
  std::string absolute(path);
  const bool driveRelative =
      path.size() >= 2 && path[1] == ':' && (path.size() == 2 || path[2] != '\\');
  if (driveRelative) {
    // "Q:" and "Q:name" start from the drive's current folder: the current
    // folder when it lies on that drive, else the drive's root.
    const bool onThatDrive = EqualsIgnoreCase(DrivePart(currentDirectory_), path.substr(0, 2));
    absolute =
        AddTrailingBackslash(onThatDrive ? currentDirectory_ : std::string(path.substr(0, 2))) +
        std::string(path.substr(2));
  } else if (!HasDrivePart(path)) {
    absolute = AddTrailingBackslash(currentDirectory_) + absolute;
  }
  std::vector<std::string> parts = SplitPath(absolute);
  std::vector<std::string> kept;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    // Windows drops trailing blanks and periods of a name ("a.exe " is "a.exe").
    if (i > 0 && parts[i] != "." && parts[i] != "..") {
      std::string& part = parts[i];
      while (!part.empty() && (part.back() == ' ' || part.back() == '.') &&
             IsCharStart(part, part.size() - 1))
        part.pop_back();
    }
    if (i > 0 && (parts[i].empty() || parts[i] == "."))
      continue;
    if (parts[i] == "..") {
      if (kept.size() > 1)
        kept.pop_back();
      continue;
    }
    kept.push_back(parts[i]);
  }
  std::string result;
  for (std::size_t i = 0; i < kept.size(); ++i)
    result += (i ? "\\" : "") + kept[i];
  // A network path keeps both backslashes before its server name.
  if (absolute.starts_with("\\\\"))
    result.insert(0, "\\");
  // The root of a drive, and a path written with a trailing backslash, keep it.
  if (kept.size() == 1 || EndsWithBackslash(path))
    result = AddTrailingBackslash(result);
  return result;
}

std::string FakePlatform::Key(std::string_view path) const {
  std::string key = RemoveTrailingBackslash(const_cast<FakePlatform*>(this)->FullPath(path));
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(key[i])) && i + 1 < key.size()) {
      ++i;
      continue;
    }
    key[i] = FoldCase(key[i]);
  }
  return key;
}

void FakePlatform::AddFolder(const std::string& path) {
  std::string key = Key(path);
  while (!key.empty() && folders_.insert(key).second)
    key = RemoveTrailingBackslash(FolderPart(key));
}

void FakePlatform::AddFile(const std::string& path, const std::string& bytes) {
  files_[Key(path)] = File{bytes, 0};
  AddFolder(FolderPart(FullPath(path)));
}

void FakePlatform::AddUnreadableFile(const std::string& path, int error) {
  files_[Key(path)] = File{{}, error};
  AddFolder(FolderPart(FullPath(path)));
}

bool FakePlatform::FolderExists(const std::string& key) const {
  return folders_.count(key) > 0;
}

bool FakePlatform::SetCurrentDirectory(std::string_view path) {
  if (path.empty() || !FolderExists(Key(path)))
    return false;
  currentDirectory_ = FullPath(path);
  if (currentDirectory_.size() > 3)
    currentDirectory_ = RemoveTrailingBackslash(currentDirectory_);
  folderChanges.push_back(currentDirectory_);
  return true;
}

bool FakePlatform::FileExists(std::string_view path) {
  return !path.empty() && files_.count(Key(path)) > 0;
}

FileContent FakePlatform::ReadFile(std::string_view path) {
  const auto it = path.empty() ? files_.end() : files_.find(Key(path));
  if (it == files_.end())
    return {2, {}};
  if (it->second.error != 0)
    return {it->second.error, {}};
  return {0, it->second.bytes};
}

void FakePlatform::SetDriveType(const std::string& drive, int type) {
  driveTypes_[Key(AddTrailingBackslash(drive))] = type;
}

int FakePlatform::DriveType(std::string_view drive) {
  // "Q:" alone is the drive, as the system takes it here, not its current folder.
  const auto it = driveTypes_.find(Key(AddTrailingBackslash(drive)));
  return it == driveTypes_.end() ? 3 : it->second;  // a fixed disk unless told otherwise
}

RegistryValue FakePlatform::ReadCurrentVersionValue(std::string_view name) {
  Unless(name, {});
  return name == "ProgramFilesDir" ? programFiles : RegistryValue{RegistryValueKind::Missing, {}};
}

bool FakePlatform::CreateInstanceMutex(std::string_view) {
  const bool existed = instanceMutexExists;
  instanceMutexExists = true;
  return existed;
}

int FakePlatform::MessageBox(std::string_view text, std::string_view caption, unsigned style) {
  messages.push_back({std::string(text), std::string(caption), style});
  powerLog.push_back("MessageBox " + std::string(text));
  if (messageBoxAnswers.empty())
    return mb::kIdOk;
  const int answer = messageBoxAnswers.front();
  messageBoxAnswers.pop_front();
  return answer;
}

void FakePlatform::ProcessMessages() {
  ++processMessagesCalls;
  if (onProcessMessages)
    onProcessMessages();
}

int FakePlatform::TextWidth(const Font& font, std::string_view text, int pixelsPerInch) {
  return static_cast<int>(text.size()) * ScaleFromDesign(font.height, pixelsPerInch) / 2;
}

ShellResult FakePlatform::ShellExecute(std::string_view verb, std::string_view file,
                                       std::string_view parameters, std::string_view directory,
                                       int showCommand) {
  shellCalls.push_back({std::string(verb), std::string(file), std::string(parameters),
                        std::string(directory), showCommand});
  if (shellResults.empty())
    return 42;
  const ShellResult result = shellResults.front();
  shellResults.pop_front();
  return result;
}

void FakePlatform::SendMciCommand(std::string_view command) {
  if (onMciCommand)
    onMciCommand(command);
  mciCommands.emplace_back(command);
}

bool FakePlatform::OpenOwnProcessToken() {
  powerLog.push_back("OpenOwnProcessToken");
  return tokenOpens;
}

bool FakePlatform::LookupShutdownPrivilege() {
  powerLog.push_back("LookupShutdownPrivilege");
  return privilegeFound;
}

unsigned FakePlatform::AdjustShutdownPrivilege() {
  powerLog.push_back("AdjustShutdownPrivilege");
  return adjustError;
}

std::string FakePlatform::SystemErrorText(unsigned error) {
  const auto it = errorTexts.find(error);
  return it == errorTexts.end() ? std::string() : it->second;
}

void FakePlatform::ExitWindows(unsigned flags) {
  powerLog.push_back("ExitWindows " + std::to_string(flags));
  exitWindowsFlags.push_back(flags);
}

}  // namespace tolvane::testing

namespace tolvane::testing {

void FakePlatform::RunModal(Form& form) {
  modalForms.push_back(form.Name());
  form.Show();
  if (onModal)
    onModal(form);
}

// The block of a version resource is the path it was read from.
std::string FakePlatform::ReadVersionInfo(std::string_view path) {
  return versionInfos.count(std::string(path)) ? std::string(path) : std::string();
}

std::string FakePlatform::VersionBinaryValue(const std::string& info, std::string_view query) {
  versionQueries.emplace_back(query);
  const auto it = versionInfos.find(info);
  return it != versionInfos.end() && query == "\\VarFileInfo\\Translation" ? it->second.translation
                                                                           : std::string();
}

VersionText FakePlatform::VersionStringValue(const std::string& info, std::string_view query) {
  versionQueries.emplace_back(query);
  const auto it = versionInfos.find(info);
  if (it == versionInfos.end())
    return {};
  const auto value = it->second.strings.find(std::string(query));
  return value == it->second.strings.end() ? VersionText{} : value->second;
}

}  // namespace tolvane::testing
