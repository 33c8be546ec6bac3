// The text files the launcher reads: the encoding each was saved in, bytes
// that are no text, and descriptions that are not the RTF the pane can show.
#include <algorithm>
#include <optional>

#include "check/check_steps.h"
#include "platform/disc/host_text.h"
#include "runtime/cp932_table.h"
#include "runtime/cp932_text.h"
#include "runtime/rtf_text.h"
#include "runtime/text_report.h"

namespace tolvane::check {

namespace {

enum class Role { Menu, Names, Sounds, About, Description, Combined };

struct TextFile {
  std::string path;  // as the launcher names it
  Role role;
};

// What of a file is lost where code page 932 cannot hold a character.
const char* LostFrom(Role role) {
  switch (role) {
    case Role::Menu:
      return "the captions, folders and targets";
    case Role::Names:
      return "the names it lists";
    case Role::Sounds:
      return "the sound files it names";
    case Role::About:
      return "the About box's text";
    case Role::Combined:
      return "the descriptions";
    case Role::Description:
      break;
  }
  return nullptr;  // a plain description is shown as saved
}

std::string_view EncodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return "UTF-8 without a byte-order mark";
    case TextEncoding::Utf8WithMark:
      return "UTF-8 with a byte-order mark";
    case TextEncoding::Utf16Le:
      return "UTF-16 (little-endian) with a byte-order mark";
    case TextEncoding::Utf16Be:
      return "UTF-16 (big-endian) with a byte-order mark";
    case TextEncoding::Cp932:
      break;
  }
  return "code page 932";
}

bool IsUtf16(TextEncoding encoding) {
  return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
}

// The line that holds the byte at `offset`.
int LineAt(std::string_view bytes, TextEncoding encoding, std::size_t offset) {
  int line = 1;
  if (!IsUtf16(encoding))
    return line +
           static_cast<int>(std::count(
               bytes.begin(),
               bytes.begin() + static_cast<std::ptrdiff_t>(std::min(offset, bytes.size())), '\n'));
  UnicodeCharacter next;
  for (std::size_t i = 0; NextUnicodeCharacter(bytes, encoding, i, next) && next.at < offset;)
    line += next.c == '\n' ? 1 : 0;
  return line;
}

// The first byte that begins no character of the file's encoding.
std::optional<std::size_t> FirstInvalidByte(std::string_view bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::Cp932) {
    for (std::size_t i = 0; i < bytes.size();) {
      const auto byte = static_cast<unsigned char>(bytes[i]);
      const auto code = static_cast<std::uint16_t>(
          byte << 8 | (i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u));
      if (byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF))
        i += 1;
      else if (IsLeadByte(byte) && BuiltInCp932().Decode(code) != 0)
        i += 2;
      else
        return i;
    }
    return std::nullopt;
  }
  UnicodeCharacter next;
  for (std::size_t i = 0; NextUnicodeCharacter(bytes, encoding, i, next);)
    if (!next.valid)
      return next.at;
  if (IsUtf16(encoding) && bytes.size() % 2 != 0)
    return bytes.size() - 1;
  return std::nullopt;
}

std::string CharacterText(char32_t c) {
  std::string utf8 = "\"";
  AppendUtf8(c, utf8);
  return utf8 + "\"";
}

void CheckEncoding(DiscReport& report, const std::string& file, Role role, std::string_view bytes) {
  const TextReport text = ExamineText(bytes);
  if (const std::optional<std::size_t> at = FirstInvalidByte(bytes, text.encoding))
    AddFinding(report, Severity::Warning, file, LineAt(bytes, text.encoding, *at),
               "the file holds bytes that are no text in " +
                   std::string(text.encoding == TextEncoding::Cp932
                                   ? "code page 932 (Shift-JIS) nor in UTF-8"
                                   : EncodingName(text.encoding)) +
                   ", the first on this line: the launcher shows other characters in their place",
               "the file is damaged or in another encoding: save it as Shift-JIS (code page 932)");
  if (text.encoding == TextEncoding::Cp932)
    return;
  std::string message = "saved as " + std::string(EncodingName(text.encoding)) +
                        ", not as code page 932 (Shift-JIS): the disc rests on the launcher's "
                        "detection of the encoding";
  int line = 0;
  std::string advice =
      "save it as Shift-JIS: in Notepad, \"Save as\" with the encoding \"ANSI\" on a Japanese "
      "Windows; in other editors \"Shift_JIS\", \"SJIS\" or \"CP932\"";
  if (const char* lost = LostFrom(role)) {
    if (text.unmappable > 0) {
      line = LineAt(bytes, text.encoding, text.firstUnmappableAt);
      message += ", and " + std::to_string(text.unmappable) +
                 " characters code page 932 cannot hold are lost from " + lost +
                 " (\"?\" in their place), the first " + CharacterText(text.firstUnmappable) +
                 " on this line";
      advice = "replace those characters, then " + advice;
    } else {
      message += ", which turns any character code page 932 cannot hold in " + std::string(lost) +
                 " into \"?\"";
    }
  } else {
    message += "; the pane shows every character as saved";
  }
  AddFinding(report, Severity::Warning, file, line, message, advice);
}

// What the pane makes of a description: RTF only when the file begins
// with "{\rtf", and only as deep as the control survives.
void CheckDocument(DiscReport& report, const std::string& file, const std::string& path,
                   std::string_view bytes) {
  const bool rtf = IsRtfDocument(bytes);
  if (!rtf && EqualsIgnoreCase(ExtensionPart(path), ".rtf")) {
    const bool marked = bytes.starts_with("\xEF\xBB\xBF") && IsRtfDocument(bytes.substr(3));
    AddFinding(report, Severity::Warning, file, 0,
               marked ? "named .rtf, but a byte-order mark comes before \"{\\rtf\": the pane "
                        "shows the document as plain text, its RTF codes included"
                      : "named .rtf, but the file does not begin with \"{\\rtf\": the pane "
                        "shows it as plain text",
               marked ? "save it without the byte-order mark" : "save it as RTF, or rename it");
  }
  if (!rtf)
    return;
  const std::size_t depth = RtfGroupDepth(PrepareRtfForControl(bytes));
  if (depth > kMaxRtfGroupDepth)
    AddFinding(report, Severity::Warning, file, 0,
               "its RTF groups nest " + std::to_string(depth) +
                   " deep and the pane shows at most " + std::to_string(kMaxRtfGroupDepth) +
                   ": it shows this document as plain text",
               "nest fewer groups (\"{ ... }\"): a word processor saving it again usually does");
}

}  // namespace

void CheckTextFiles(const LauncherRun& run, DiscReport& report) {
  DiscPlatform& platform = run.platform;
  const StartupFolders& folders = run.form.Folders;
  std::vector<TextFile> files;
  auto add = [&](const std::string& path, Role role) {
    if (platform.FileExists(path))
      files.push_back({path, role});
  };
  if (!EqualsIgnoreCase(FileNamePart(run.menuPath), "AutoRun.KWT"))
    add(run.menuPath, Role::Menu);
  add(folders.MenuDirSlash + "txt.kwp", Role::Names);
  add(folders.MenuDirSlash + "sound.kwp", Role::Sounds);
  add(folders.ApplicationDirSlash + "AutoLice.txt", Role::About);
  add(folders.ApplicationDirSlash + "AutoRun.txt", Role::About);
  for (const std::string& path : run.descriptionFiles)
    add(path, Role::Description);
  if (run.form.DocOptionActive && !run.options.empty())
    add(folders.MenuDirSlash + run.options.back().value, Role::Combined);

  std::vector<std::string> seen;
  for (const TextFile& text : files) {
    const std::string file = FindingFile(platform, text.path);
    if (std::find(seen.begin(), seen.end(), file) != seen.end())
      continue;
    seen.push_back(file);
    const FileContent content = platform.ReadFile(text.path);
    if (content.error != 0)
      continue;  // the launcher's own error box says so
    if (text.role == Role::Description || text.role == Role::Combined) {
      CheckDocument(report, file, text.path, content.bytes);
      if (IsRtfDocument(content.bytes))
        continue;
    }
    CheckEncoding(report, file, text.role, content.bytes);
  }
}

}  // namespace tolvane::check
