// The disc checker on small discs written to a temporary folder: what it
// finds and what it reports the window shows, in its text and its JSON.
#include "check/disc_check.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "check/report_output.h"
#include "platform/disc/disc_platform.h"
#include "support/mini_json.h"

namespace tolvane::check {
namespace {

namespace fs = std::filesystem;

// The test's own literals are code page 932; what the checker reports is UTF-8.
std::string U8(std::u8string_view text) {
  return std::string(text.begin(), text.end());
}

struct File {
  std::string name;                  // UTF-8, "/" between folders
  std::optional<std::string> bytes;  // none: no such file
};

class DiscFolder {
 public:
  explicit DiscFolder(const std::vector<File>& files) {
    std::string pattern = (fs::temp_directory_path() / "tolvane-check-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    for (const File& file : files) {
      if (!file.bytes)
        continue;
      const fs::path path = root_ / fs::path(std::u8string(file.name.begin(), file.name.end()));
      fs::create_directories(path.parent_path());
      std::ofstream(path, std::ios::binary) << *file.bytes;
    }
  }
  ~DiscFolder() {
    std::error_code error;
    fs::remove_all(root_, error);
  }
  const fs::path& Root() const { return root_; }

 private:
  fs::path root_;
};

std::string Menu(const std::vector<std::array<std::string, 3>>& records) {
  std::string menu;
  for (const auto& [caption, folder, target] : records)
    menu += caption + "\r\n" + folder + "\r\n" + target + "\r\n";
  return menu;
}

// A disc with nothing to find; a row's files are added or replace these.
std::vector<File> CleanDisc(const std::vector<File>& changes) {
  std::vector<File> files = {
      {"tolvane.exe", "MZ"},
      {"autorun.inf", "[autorun]\r\nopen=tolvane.exe\r\n"},
      {"AutoLice.txt", "使用許諾\r\n"},
      {"AutoRun.KWP", Menu({{"はじめに", "", "readme.txt"}})},
      {"readme.txt", "説明です。\r\n"},
  };
  for (const File& change : changes) {
    const auto same = std::find_if(files.begin(), files.end(),
                                   [&](const File& f) { return f.name == change.name; });
    if (same != files.end())
      *same = change;
    else
      files.push_back(change);
  }
  return files;
}

std::string Repeat(std::string_view text, int times) {
  std::string repeated;
  while (times-- > 0)
    repeated += text;
  return repeated;
}

struct Expected {
  Severity severity;
  std::string file;
  int line;
  std::string fragment;  // of the message, UTF-8
};

struct Row {
  const char* name;
  std::vector<File> files;              // changes to the clean disc
  std::vector<std::string> parameters;  // the launcher's, code page 932
  std::vector<Expected> findings;       // every error and warning, and the notes listed
  int status;
};

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;
constexpr Severity N = Severity::Note;

const std::string kDeepRtf = "{\\rtf1" + Repeat("{", 40) + "x" + Repeat("}", 40) + "}";

const Row kRows[] = {
    {"clean", {}, {}, {}, 0},
    // What ends the launcher or shows an error box.
    {"no menu file", {{"AutoRun.KWP", {}}}, {}, {{E, "", 0, "and ends without showing"}}, 2},
    {"settings file only",
     {{"AutoRun.KWP", {}}, {"AutoRun.INI", "[KWT Setting]\r\n"}},
     {},
     {{E, "", 0, "and ends without showing"}},
     2},
    {"menu file of the /i: parameter missing",
     {},
     {"/i:Sub\\Menu.kwp"},
     {{E, "", 0, "and ends without showing its window"}},
     2},
    {"/o: target not on the disc", {}, {"/o:Tools\\missing.exe"}, {{E, "", 0, "the error box"}}, 2},
    {"/i: not first", {}, {"/x", "/i:AutoRun.KWP"}, {{W, "", 0, "the warning box"}}, 1},
    // The menu.
    {"only AutoRun.KWT is read",
     {{"AutoRun.KWT", "x"}},
     {},
     {{W, "AutoRun.KWT", 0, "does not read"}},
     1},
    {"empty menu", {{"AutoRun.KWP", "\r\n\r\n"}}, {}, {{W, "AutoRun.KWP", 0, "holds no entry"}}, 1},
    {"more than 100 entries",
     {{"AutoRun.KWP", Repeat("はじめに\r\n\r\nreadme.txt\r\n", 101)}},
     {},
     {{W, "AutoRun.KWP", 301, "holds 101 entries"}},
     1},
    {"line over 255 bytes",
     {{"AutoRun.KWP",
       Menu({{"はじめに", "", "readme.txt"}, {Repeat("長", 128), "", "readme.txt"}})}},
     {},
     {{W, "AutoRun.KWP", 4, "the line has 256 bytes"}},
     1},
    {"placeholder left",
     {{"AutoRun.KWP", Menu({{"はじめに", "%Tools%", "a.exe"}, {"二", "", "a.exe %param% /x"}})},
      {"a.exe", "MZ"}},
     {},
     {{W, "AutoRun.KWP", 2, "keeps \"%Tools%\""}, {W, "AutoRun.KWP", 6, "\"%param%\""}},
     1},
    {"fixed drive",
     {{"AutoRun.KWP", Menu({{"はじめに", "D:\\Setup", "setup.exe"}, {"二", "", "Q:\\a.exe"}})}},
     {},
     {{W, "AutoRun.KWP", 2, "names a fixed drive"}, {W, "AutoRun.KWP", 6, "begins with a drive"}},
     1},
    {"entries that cannot run",
     {{"AutoRun.KWP", Menu({{"はじめに", "", "setup.exe"},
                            {"二", "Gone", "a.exe"},
                            {"三", "", "?restart"},
                            {"見出し", "?", ""},
                            {"ウィンドウズ", "%WindowsDir%", "notepad.exe"}})}},
     {},
     {{W, "AutoRun.KWP", 3, "\"setup.exe\" is not in the disc's root"},
      {W, "AutoRun.KWP", 5, "its folder \"Q:\\Gone\" is not on the disc"},
      {W, "AutoRun.KWP", 9, "no system action"},
      {N, "AutoRun.KWP", 14, "on the user's computer"}},
     1},
    // Encodings.
    {"menu in UTF-8 with a character code page 932 lacks",
     {{"AutoRun.KWP", U8(u8"\uFEFFはじめに\r\n\r\nreadme.txt\r\nçafé\r\n\r\nreadme.txt\r\n")}},
     {},
     {{W, "AutoRun.KWP", 4,
       U8(u8"UTF-8 with a byte-order mark, not as code page 932 (Shift-JIS): "
          u8"the disc rests on the launcher's detection of the encoding, and 2 "
          u8"characters code page 932 cannot hold are lost from the captions, "
          u8"folders and targets (\"?\" in their place), the first \"ç\"")}},
     1},
    {"names in UTF-16",
     {{"txt.kwp", std::string("\xFF\xFEr\0e\0a\0d\0m\0e\0.\0t\0x\0t\0", 22)}},
     {},
     {{W, "txt.kwp", 0, "UTF-16 (little-endian) with a byte-order mark"}},
     1},
    {"bytes no encoding holds",
     {{"readme.txt", "一行目\r\n二行目\x80\r\n"}},
     {},
     {{W, "readme.txt", 2, "bytes that are no text in code page 932 (Shift-JIS) nor in UTF-8"}},
     1},
    // Descriptions.
    {".rtf that is no RTF",
     {{"txt.kwp", "about.rtf\r\n"}, {"about.rtf", "説明"}},
     {},
     {{W, "about.rtf", 0, "does not begin with \"{\\rtf\""}},
     1},
    {"RTF nested deeper than the pane shows",
     {{"txt.kwp", "about.rtf\r\n"}, {"about.rtf", kDeepRtf}},
     {},
     {{W, "about.rtf", 0, "nest 41 deep"}},
     1},
    {"/d: not last",
     {{"d.txt", "//1\r\nx\r\n"}},
     {"/d:d.txt", "/x"},
     {{W, "", 0, "not the last one"}},
     1},
    {"/d: missing", {}, {"/d:d.txt"}, {{W, "d.txt", 0, "not on the disc"}}, 1},
    {"/d: without the entry's section",
     {{"d.txt", "//2\r\nx\r\n"}},
     {"/d:d.txt"},
     {{W, "d.txt", 0, "has no section //1"}},
     1},
    // Side files.
    {"About texts missing",
     {{"AutoLice.txt", {}}},
     {},
     {{W, "", 0, "neither AutoLice.txt nor AutoRun.txt"}},
     1},
    {"sound file missing",
     {{"sound.kwp", "Sounds\\start.wav\r\nwait\r\nabout.wav\r\n\r\n"}, {"about.wav", "RIFF"}},
     {},
     {{W, "sound.kwp", 1, "\"Sounds\\start.wav\" is not on the disc"}},
     1},
    // Names on the disc.
    {"names a disc cannot hold",
     {{Repeat("x", 65) + ".txt", ""},
      {"a;b.txt", ""},
      {"a<b", ""},
      {"ends.", ""},
      {"CON.txt", ""},
      {"README.TXT", ""},
      {Repeat("f", 63) + ".d/x", ""},
      {Repeat("d", 60) + "/" + Repeat("e", 60) + "/f.txt", ""}},
     {},
     {{W, Repeat("x", 65) + ".txt", 0, "68 characters besides its dot"},
      {W, Repeat("f", 63) + ".d", 0, "65 characters, and"},
      {W, "a;b.txt", 0, "cannot hold \";\""},
      {W, "a<b", 0, "cannot open a name that holds \"<\""},
      {W, "ends.", 0, "ends in a period"},
      {W, "CON.txt", 0, "its device"},
      {W, "readme.txt", 0, "\"README.TXT\" beside it differs only in letter case"},
      {W, Repeat("d", 60) + "/" + Repeat("e", 60), 0, "122 characters"}},
     1},
    {"no launcher and no autorun.inf",
     {{"tolvane.exe", {}}, {"autorun.inf", {}}},
     {},
     {{N, "", 0, "no tolvane.exe"}, {N, "", 0, "no autorun.inf"}},
     0},
};

std::string Describe(const std::vector<Finding>& findings) {
  std::string text;
  for (const Finding& f : findings)
    text += "\n  " + std::string(SeverityName(f.severity)) + " " + f.file + ":" +
            std::to_string(f.line) + " " + f.message;
  return text;
}

bool Matches(const Finding& f, const Expected& e) {
  return f.severity == e.severity && f.file == e.file && f.line == e.line &&
         f.message.find(e.fragment) != std::string::npos;
}

TEST(DiscCheck, FindingsInTextAndJson) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const DiscFolder disc(CleanDisc(row.files));
    const DiscReport report = CheckDisc(disc.Root(), row.parameters);
    for (const Expected& e : row.findings)
      EXPECT_TRUE(std::any_of(report.findings.begin(), report.findings.end(),
                              [&](const Finding& f) { return Matches(f, e); }))
          << "missing: " << e.file << ":" << e.line << " " << e.fragment
          << "\ngot:" << Describe(report.findings);
    for (const Finding& f : report.findings)
      EXPECT_TRUE(f.severity == N || std::any_of(row.findings.begin(), row.findings.end(),
                                                 [&](const Expected& e) { return Matches(f, e); }))
          << "unexpected:" << Describe({f});
    EXPECT_EQ(row.status, report.ExitStatus());

    // The text names each finding where an editor finds it: "file:line: warning: ...".
    std::ostringstream text;
    WriteTextReport(report, text);
    for (const Finding& f : report.findings) {
      const std::string place =
          f.file.empty() ? "" : f.file + (f.line ? ":" + std::to_string(f.line) : "") + ": ";
      EXPECT_NE(std::string::npos,
                text.str().find(place + std::string(SeverityName(f.severity)) + ": " + f.message));
    }
    std::ostringstream json;
    WriteJsonReport(report, json);
    const testjson::Value parsed = testjson::Parse(json.str());
    ASSERT_EQ(report.findings.size(), parsed["findings"].items.size());
    for (std::size_t i = 0; i < report.findings.size(); ++i) {
      EXPECT_EQ(report.findings[i].message, parsed["findings"][i]["message"].text);
      EXPECT_EQ(report.findings[i].line, parsed["findings"][i]["line"].number);
    }
    EXPECT_EQ(row.status, parsed["exitStatus"].number);
  }
}

// A value of the JSON by its path ("entries/1/caption") as text.
std::string At(const testjson::Value& root, const std::string& path) {
  const testjson::Value* v = &root;
  for (std::size_t from = 0; from <= path.size();) {
    const std::size_t to = std::min(path.find('/', from), path.size());
    const std::string part = path.substr(from, to - from);
    v = v->kind == testjson::Value::Kind::Array ? &(*v)[std::stoul(part)] : &(*v)[part];
    from = to + 1;
  }
  switch (v->kind) {
    case testjson::Value::Kind::Bool:
      return v->boolean ? "true" : "false";
    case testjson::Value::Kind::Number:
      return std::to_string(static_cast<long long>(v->number));
    case testjson::Value::Kind::Null:
      return "null";
    default:
      return v->text;
  }
}

TEST(DiscCheck, ReportsWhatTheWindowShows) {
  const DiscFolder disc(CleanDisc({
      {"AutoRun.KWP", Menu({{"文書", "", "readme.txt"},
                            {"マニュアル", "Docs", "manual.rtf"},
                            {"ないプログラム", "Tools", "setup.exe /s"},
                            {"見出し", "?", ""},
                            {"説明なし", "Empty", ""}})},
      {"txt.kwp", "about.rtf\r\n"},
      {"Docs/about.rtf", "{\\rtf1 about}"},
      {"Docs/manual.rtf", "{\\rtf1 manual}"},
      {"Tools/readme.txt", "道具"},
      {"Empty/x", ""},
      {"sound.kwp", "start.wav\r\nwait\r\n"},
      {"start.wav", "RIFF"},
      {"AutoRun.txt", "読んでください"},
  }));
  const DiscReport report = CheckDisc(disc.Root(), {});
  std::ostringstream json;
  WriteJsonReport(report, json);
  const testjson::Value root = testjson::Parse(json.str());
  const std::pair<std::string, std::string> fields[] = {
      {"menuFile", "Q:\\AutoRun.KWP"},
      {"windowShown", "true"},
      {"entries/0/caption", U8(u8"文書")},
      {"entries/0/description/file", "Q:\\readme.txt"},
      {"entries/0/description/format", "plain text"},
      {"entries/1/action/kind", "document"},
      {"entries/1/description/file", "Q:\\Docs\\about.rtf"},
      {"entries/1/description/hint", "about.rtf"},
      {"entries/1/description/format", "rich text"},
      {"entries/2/action/file", "setup.exe "},
      {"entries/2/action/parameters", "s"},
      {"entries/2/action/run", "disabled"},
      {"entries/2/action/whyNot", "the file does not exist"},
      {"entries/2/action/notice", U8(u8"指定した実行ファイルは存在しません")},
      {"entries/2/description/file", "Q:\\Tools\\readme.txt"},
      {"entries/3/action/run", "disabled"},
      {"entries/3/action/folderButton", "disabled"},
      {"entries/3/description/source", "none"},
      {"entries/4/action/run", "enabled"},
      {"entries/4/description/source", "notice"},
      {"entries/4/description/text", U8(u8"ドキュメントは存在しません")},
      {"documentNames/0", "about.rtf"},
      {"startSound/path", "Q:\\start.wav"},
      {"startSound/wait", "true"},
      {"aboutSound", "null"},
      {"about/opened/caption", "About"},
      {"about/opened/file", "Q:\\AutoLice.txt"},
      {"about/afterClick/caption", U8(u8"バージョン情報")},
      {"about/afterClick/file", "Q:\\AutoRun.txt"},
      {"exitStatus", "1"},  // the missing program
  };
  for (const auto& [path, expected] : fields)
    EXPECT_EQ(expected, At(root, path)) << path;

  std::ostringstream text;
  WriteTextReport(report, text);
  for (const std::string& line : {U8(u8"\n2. マニュアル\n"), std::string("   run: disabled\n"),
                                  std::string("   description: Q:\\Docs\\about.rtf (rich text)\n")})
    EXPECT_NE(std::string::npos, text.str().find(line)) << line;
}

// Names as Windows matches them, in a folder that stands for drive Q:.
TEST(DiscPlatform, NamesAsWindowsMatchesThem) {
  const DiscFolder disc(
      {{"Docs/About.RTF", "x"}, {U8(u8"名前.txt"), "x"}, {U8(u8"café.txt"), "x"}});
  DiscPlatform platform(disc.Root(), {});
  struct Name {
    std::string path;
    bool file;
    bool folder;
    std::string onDisc;
  };
  const Name names[] = {
      {"Q:\\docs\\about.rtf", true, false, "Docs/About.RTF"},
      {"Q:\\DOCS\\ABOUT.RTF. ", true, false, "Docs/About.RTF"},  // Windows drops both
      {"Q:\\Docs\\..\\Docs/about.rtf", true, false, "Docs/About.RTF"},
      {"docs\\about.rtf", true, false, "Docs/About.RTF"},
      {"Q:\\Docs\\", false, true, "Docs"},
      {"Q:\\名前.txt", true, false, U8(u8"名前.txt")},
      {"Q:\\caf?.txt", false, false, ""},  // no code page 932 name reaches it
      {"Q:\\Docs\\about.rtf\\x", false, false, ""},
      {"Q:\\con", false, false, ""},
      {"C:\\Windows", false, false, ""},
  };
  for (const Name& n : names) {
    EXPECT_EQ(n.file, platform.FileExists(n.path)) << n.path;
    EXPECT_EQ(n.folder, platform.SetCurrentDirectory(n.path)) << n.path;
    EXPECT_EQ(n.onDisc, platform.DiscPathOf(n.path)) << n.path;
    platform.SetCurrentDirectory("Q:\\");
  }
  EXPECT_EQ(kDriveCdRom, platform.DriveType("Q:"));
  EXPECT_EQ("x", platform.ReadFile("q:\\docs\\about.rtf").bytes);
  // Nothing runs: a question is answered No, a missing file is not found.
  EXPECT_EQ(mb::kIdNo, platform.MessageBox("?", "?", mb::kYesNo | mb::kIconInformation));
  EXPECT_EQ(2, platform.ShellExecute("OPEN", "Docs\\gone.exe", "", "Q:\\", kShowNormal).code);
  EXPECT_EQ(42, platform.ShellExecute("OPEN", "http://a/b", "", "", kShowNormal).code);
}

}  // namespace
}  // namespace tolvane::check
