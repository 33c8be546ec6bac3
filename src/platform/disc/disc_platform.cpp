#include "platform/disc/disc_platform.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "platform/disc/host_text.h"
#include "runtime/cp932_table.h"
#include "runtime/cp932_text.h"
#include "runtime/dpi.h"
#include "runtime/font.h"

namespace tolvane {

namespace {

namespace fs = std::filesystem;

constexpr int kErrorFileNotFound = 2;
constexpr int kErrorAccessDenied = 5;
constexpr int kErrorReadFault = 30;
constexpr int kDriveFixed = 3;
constexpr int kDriveNoRootDirectory = 1;
constexpr const char* kProgramFilesValue = "ProgramFilesDir";

// The names of a path, split at the backslashes that stand as characters.
std::vector<std::string> NamesOf(std::string_view path) {
  std::vector<std::string> names(1);
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size()) {
      names.back() += path.substr(i, 2);
      ++i;
    } else if (path[i] == '\\') {
      names.emplace_back();
    } else {
      names.back() += path[i];
    }
  }
  return names;
}

std::string Utf8Of(const fs::path& path) {
  const std::u8string name = path.generic_u8string();
  return std::string(name.begin(), name.end());
}

// The entry of `folder` that `name` names as Windows matches names (A to Z
// in either case): the one spelt alike if there is one, else the first in
// byte order, so that a folder holding two such names always gives the same.
std::optional<fs::path> MatchName(const fs::path& folder, std::string_view name) {
  std::error_code error;
  std::optional<fs::path> match;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::path entry = it->path().filename();
    const std::optional<std::string> written = Cp932NameOf(entry);
    if (!written || !EqualsIgnoreCase(*written, name))
      continue;
    if (*written == name)
      return entry;
    if (!match || entry < *match)
      match = entry;
  }
  return match;
}

}  // namespace

std::optional<std::string> Cp932NameOf(const fs::path& name) {
  return Cp932FromUtf8(Utf8Of(name));
}

DiscPlatform::DiscPlatform(const fs::path& root, std::vector<std::string> parameters)
    : root_(fs::absolute(root).lexically_normal()), parameters_(std::move(parameters)) {
  if (!root_.has_filename() && root_.has_relative_path())
    root_ = root_.parent_path();  // "disc/" is "disc"
}

std::vector<std::string> DiscPlatform::Arguments() {
  std::vector<std::string> args{std::string(kProgramPath)};
  args.insert(args.end(), parameters_.begin(), parameters_.end());
  return args;
}

// As Windows forms a full path: "/" is "\", a path is taken from the current
// folder (of its drive), "." and ".." are resolved, and a name loses its
// trailing blanks and periods.
std::string DiscPlatform::FullPath(std::string_view path) {
  std::string written(path);
  std::replace(written.begin(), written.end(), '/', '\\');  // never a trail byte
  if (written.empty() || written.starts_with("\\\\"))
    return written;
  std::string root, base, rest;
  if (written.size() >= 2 && written[1] == ':') {
    root = written.substr(0, 2) + "\\";
    const bool fromRoot = written.size() > 2 && written[2] == '\\';
    base =
        !fromRoot && EqualsIgnoreCase(DrivePart(current_), written.substr(0, 2)) ? current_ : root;
    rest = written.substr(fromRoot ? 3 : 2);
  } else {
    root = DrivePart(current_) + "\\";
    base = written[0] == '\\' ? root : current_;
    rest = written;
  }
  std::vector<std::string> kept;
  for (const std::string& name : NamesOf(base.substr(std::min(root.size(), base.size()))))
    if (!name.empty())
      kept.push_back(name);
  for (std::string name : NamesOf(rest)) {
    if (name == "..") {
      if (!kept.empty())
        kept.pop_back();
      continue;
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == '.') &&
           IsCharStart(name, name.size() - 1))
      name.pop_back();
    if (!name.empty())
      kept.push_back(name);
  }
  std::string full = root;
  for (std::size_t i = 0; i < kept.size(); ++i)
    full += (i ? "\\" : "") + kept[i];
  if (!kept.empty() && EndsWithBackslash(written))
    full += '\\';
  return full;
}

std::optional<fs::path> DiscPlatform::HostPath(std::string_view path) {
  if (path.empty())
    return std::nullopt;
  const std::string full = FullPath(path);
  if (!EqualsIgnoreCase(DrivePart(full), kDrive))
    return std::nullopt;
  fs::path host = root_;
  for (const std::string& name : NamesOf(full.substr(kDrive.size()))) {
    if (name.empty())
      continue;
    const std::optional<fs::path> match = MatchName(host, name);
    if (!match)
      return std::nullopt;
    host /= *match;
  }
  return host;
}

std::string DiscPlatform::DiscPathOf(std::string_view path) {
  const std::optional<fs::path> host = HostPath(path);
  if (!host || *host == root_)
    return {};
  return Utf8Of(host->lexically_relative(root_));
}

bool DiscPlatform::SetCurrentDirectory(std::string_view path) {
  const std::optional<fs::path> host = HostPath(path);
  std::error_code error;
  if (!host || !fs::is_directory(*host, error))
    return false;
  const std::string full = FullPath(path);
  current_ = full.size() > 3 ? RemoveTrailingBackslash(full) : full;
  return true;
}

bool DiscPlatform::FileExists(std::string_view path) {
  if (NamesDevice(path))
    return false;
  const std::optional<fs::path> host = HostPath(path);
  std::error_code error;
  return host && fs::is_regular_file(*host, error);
}

FileContent DiscPlatform::ReadFile(std::string_view path) {
  FileContent content = ReadDiscFile(path);
  reads.push_back({std::string(path), content.error});
  return content;
}

FileContent DiscPlatform::ReadDiscFile(std::string_view path) {
  FileContent content;
  const std::optional<fs::path> host = NamesDevice(path) ? std::nullopt : HostPath(path);
  if (!host) {
    content.error = kErrorFileNotFound;
    return content;
  }
  // A folder, a pipe or a device is no file to read: reading could wait forever.
  std::error_code error;
  const bool isFile = fs::is_regular_file(*host, error);
  const std::uintmax_t size = isFile ? fs::file_size(*host, error) : 0;
  std::ifstream in;
  if (isFile && !error)
    in.open(*host, std::ios::binary);
  if (!in.is_open()) {
    content.error = kErrorAccessDenied;
    return content;
  }
  content.bytes.resize(size);
  if (!in.read(content.bytes.data(), static_cast<std::streamsize>(size)) ||
      in.peek() != std::char_traits<char>::eof()) {
    // The file changed while it was read: it is read as Windows would fail.
    content.error = kErrorReadFault;
    content.bytes.clear();
  }
  return content;
}

const Cp932Codec& DiscPlatform::Cp932() {
  return BuiltInCp932();
}

int DiscPlatform::DriveType(std::string_view drive) {
  const std::string letter = RemoveTrailingBackslash(drive);
  if (EqualsIgnoreCase(letter, kDrive))
    return kDriveCdRom;
  return EqualsIgnoreCase(letter, "C:") ? kDriveFixed : kDriveNoRootDirectory;
}

// A 32-bit program on 64-bit Windows reads this folder for programs.
RegistryValue DiscPlatform::ReadCurrentVersionValue(std::string_view name) {
  if (name == kProgramFilesValue)
    return {RegistryValueKind::String, "C:\\Program Files (x86)"};
  return {RegistryValueKind::Missing, {}};
}

int DiscPlatform::MessageBox(std::string_view text, std::string_view caption, unsigned style) {
  messages.push_back({std::string(text), std::string(caption), style});
  // Never Yes: nothing is opened and no power action is taken.
  return (style & 0xF) == mb::kOk ? mb::kIdOk : mb::kIdNo;
}

int DiscPlatform::TextWidth(const Font& font, std::string_view text, int pixelsPerInch) {
  return static_cast<int>(text.size()) * ScaleFromDesign(font.height, pixelsPerInch) / 2;
}

ShellResult DiscPlatform::ShellExecute(std::string_view verb, std::string_view file,
                                       std::string_view parameters, std::string_view directory,
                                       int) {
  RecordedShellCall call{std::string(verb), std::string(file), std::string(parameters),
                         std::string(directory), 42};
  // An address ("http://...", "mailto:...") has a colon where a path has none.
  const bool isPath = HasDrivePart(file) || file.find(':') == std::string_view::npos;
  if (isPath) {
    const std::string full = FullPath(HasDrivePart(file) || directory.empty()
                                          ? std::string(file)
                                          : AddTrailingBackslash(directory) + std::string(file));
    if (EqualsIgnoreCase(DrivePart(full), kDrive) && !HostPath(full))
      call.result = kErrorFileNotFound;
  }
  shellCalls.push_back(call);
  return call.result;
}

}  // namespace tolvane
