// The disc folder's names as a disc image with Joliet names (what Windows
// reads; tools/mkdisc writes one with xorriso) and then Windows take them.
#include <algorithm>
#include <map>
#include <system_error>

#include "check/check_steps.h"
#include "platform/disc/host_text.h"
#include "runtime/cp932_text.h"
#include "runtime/text_encoding.h"

namespace tolvane::check {

namespace {

namespace fs = std::filesystem;

// A Joliet name holds 64 UCS-2 characters, a file's besides its last dot.
// xorriso leaves a path of more than 240 bytes out of the Joliet tree,
// counting two bytes a character from the root, a folder with the separator
// after it.
constexpr std::size_t kJolietNameLength = 64;
constexpr std::size_t kJolietPathLength = 120;

std::string Utf8Of(const fs::path& path) {
  const std::u8string text = path.generic_u8string();
  return std::string(text.begin(), text.end());
}

std::string Shown(char32_t c) {
  if (c < 0x20) {
    const char* digits = "0123456789ABCDEF";
    return std::string("U+00") + digits[c >> 4] + digits[c & 0xF];
  }
  std::string text = "\"";
  AppendUtf8(c, text);
  return text + "\"";
}

// The name's characters; none for a name that is no UTF-8.
std::optional<std::u32string> CharactersOf(std::string_view utf8) {
  std::u32string characters;
  UnicodeCharacter next;
  for (std::size_t i = 0; NextUnicodeCharacter(utf8, TextEncoding::Utf8, i, next);) {
    if (!next.valid)
      return std::nullopt;
    characters += next.c;
  }
  return characters;
}

// As Windows matches names: A to Z in either case. In UTF-8 every byte
// below 0x80 is a character of its own.
bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

std::size_t Utf16Length(std::u32string_view characters) {
  return characters.size() +
         static_cast<std::size_t>(std::count_if(characters.begin(), characters.end(),
                                                [](char32_t c) { return c > 0xFFFF; }));
}

void CheckName(DiscReport& report, const std::string& file, const std::string& name, bool folder) {
  auto warn = [&](const std::string& message, const char* advice) {
    AddFinding(report, Severity::Warning, file, 0, message, advice);
  };
  const std::optional<std::u32string> characters = CharactersOf(name);
  if (!characters) {
    warn("the name is no UTF-8: the image cannot give Windows a name for it",
         "rename it on this computer");
    return;
  }
  const bool dotted = !folder && name.find('.') != std::string::npos;
  if (const std::size_t length = Utf16Length(*characters) - (dotted ? 1 : 0);
      length > kJolietNameLength)
    warn("the name has " + std::to_string(length) + " characters" +
             (dotted ? " besides its dot" : "") +
             ", and a Joliet name holds 64: Windows sees it cut",
         "shorten it to 64 characters");
  const auto refused = std::find_if(characters->begin(), characters->end(), [](char32_t c) {
    return c < 0x20 || c > 0xFFFF ||
           std::u32string_view(U"*/:;?\\").find(c) != std::u32string::npos;
  });
  if (refused != characters->end())
    warn("a Joliet name cannot hold " + Shown(*refused) + ": Windows sees \"_\" in its place",
         "rename it without * / : ; ? \\, control characters and characters beyond U+FFFF");
  const auto unopenable = std::find_if(characters->begin(), characters->end(), [](char32_t c) {
    return std::u32string_view(U"<>\"|").find(c) != std::u32string::npos;
  });
  if (unopenable != characters->end())
    warn("Windows cannot open a name that holds " + Shown(*unopenable),
         "rename it without < > \" |");
  if (name.back() == '.' || name.back() == ' ')
    warn(
        "the name ends in a period or a blank, which Windows drops from a name it opens: it "
        "cannot open this one",
        "rename it");
  if (NamesDevice(name))
    warn("Windows opens its device of this name instead of the file", "rename it");
}

}  // namespace

void CheckNames(const fs::path& disc, DiscReport& report) {
  std::error_code error;
  std::vector<std::pair<std::string, bool>> entries;  // path from the root, folder
  for (fs::recursive_directory_iterator
           it(disc, fs::directory_options::skip_permission_denied, error),
       end;
       !error && it != end; it.increment(error)) {
    std::error_code typeError;
    entries.emplace_back(Utf8Of(it->path().lexically_relative(disc)), it->is_directory(typeError));
  }
  std::sort(entries.begin(), entries.end());

  std::map<std::string, std::vector<std::string>> namesByFolder;
  std::vector<std::string> leftOut;
  for (const auto& [path, folder] : entries) {
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string parent = slash == std::string::npos ? std::string() : path.substr(0, slash);
    CheckName(report, path, name, folder);
    namesByFolder[parent].push_back(name);

    const bool inLeftOut = std::any_of(leftOut.begin(), leftOut.end(), [&](const std::string& p) {
      return path.starts_with(p + "/");
    });
    const std::optional<std::u32string> characters = CharactersOf(path);
    const std::size_t length = characters ? Utf16Length(*characters) + (folder ? 1 : 0) : 0;
    if (!inLeftOut && length > kJolietPathLength) {
      leftOut.push_back(path);
      AddFinding(report, Severity::Warning, path, 0,
                 "the path has " + std::to_string(length) +
                     " characters from the disc's root, and a Joliet path holds 240 bytes (120 "
                     "characters): the image leaves it out" +
                     (folder ? ", with everything in it" : ""),
                 "shorten the names of its folders, or move it nearer the root");
    }
  }

  // Windows matches names without regard to letter case.
  for (const auto& [parent, names] : namesByFolder)
    for (std::size_t i = 0; i < names.size(); ++i)
      for (std::size_t k = 0; k < i; ++k)
        if (SameName(names[k], names[i])) {
          AddFinding(report, Severity::Warning, parent.empty() ? names[i] : parent + "/" + names[i],
                     0,
                     "\"" + names[k] +
                         "\" beside it differs only in letter case: Windows opens "
                         "only one of them",
                     "rename or remove one of them");
          break;
        }

  auto atRoot = [&](std::string_view name) {
    return std::any_of(namesByFolder[""].begin(), namesByFolder[""].end(),
                       [&](const std::string& n) { return SameName(n, name); });
  };
  if (!atRoot("tolvane.exe"))
    AddFinding(report, Severity::Note, "", 0,
               "there is no tolvane.exe at the disc's root: the check took the launcher to be at "
               "Q:\\tolvane.exe",
               "tools/mkdisc puts it there");
  if (!atRoot("autorun.inf"))
    AddFinding(report, Severity::Note, "", 0,
               "there is no autorun.inf: the disc does not start the launcher by itself",
               "tools/mkdisc adds one that starts tolvane.exe");
}

}  // namespace tolvane::check
