// Hostile discs, generated for each case (nothing large lies in the tree):
// whatever the menu and its documents hold, the launcher either shows a
// window that answers while every line is selected and then closes, or shows
// the specified message and ends, within the time limit.
#include <optional>

#include "cases.h"
#include "check.h"
#include "fixture_disc.h"
#include "launcher.h"
#include "list_box.h"
#include "main_window.h"
#include "message_box.h"
#include "selection_window.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

// A start for a case that loads megabytes: still well inside CTest's limit.
constexpr DWORD kHostileLimitMs = 30000;

std::string Repeated(std::string_view piece, std::size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i)
    text += piece;
  return text;
}

// Bytes no text editor would write: every value but 0x1A (which ends a text
// file early), in an order a fixed generator picks.
std::string BinaryBytes(std::size_t size) {
  std::string bytes(size, '\0');
  unsigned state = 12345;
  for (char& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<char>((state >> 16) & 0xFF);
    if (byte == '\x1A')
      byte = 'x';
  }
  return bytes;
}

// One entry a folder, each described by its readme.txt with these bytes.
std::vector<DiscFile> DescribedBy(const std::vector<std::string>& documents) {
  std::string menu;
  std::vector<DiscFile> files;
  for (std::size_t i = 0; i < documents.size(); ++i) {
    const std::string folder = "d" + std::to_string(i);
    menu += "doc " + folder + "\r\n" + folder + "\r\nview.txt\r\n";
    files.push_back({folder + "\\readme.txt", documents[i]});
  }
  files.push_back({"AutoRun.KWP", menu});
  return files;
}

std::vector<DiscFile> InvalidCp932AtLineEnds() {
  // Lead bytes with nothing after them but the line end, the file end or 0x1A.
  return {{"AutoRun.KWP", "\x83\r\n\x83\r\nreadme.txt\x83\r\nb\x81\n.\n\x81\r"},
          {"readme.txt", "text\x81"}};
}

std::vector<DiscFile> TenMegabyteLine() {
  return {{"AutoRun.KWP", Repeated(Cp932("あ"), 5 * 1024 * 1024) + "\r\n.\r\nreadme.txt\r\n"},
          {"readme.txt", "text"}};
}

std::vector<DiscFile> HundredThousandRecords() {
  return {{"AutoRun.KWP", Repeated("entry\r\n.\r\nreadme.txt\r\n", 100000)},
          {"readme.txt", "text"}};
}

std::vector<DiscFile> BinaryMenu() {
  return {{"AutoRun.KWP", BinaryBytes(1024 * 1024)}};
}

std::vector<DiscFile> ProgramAsMenu() {
  std::optional<std::string> program = ReadWholeFile(DriverFolder() + L"\\tolvane.exe");
  if (!program)
    Abort("cannot read tolvane.exe beside the driver");
  return {{"AutoRun.KWP", std::move(*program)}};
}

std::vector<DiscFile> FolderNamedLikeMenu() {
  return {{"AutoRun.KWP\\readme.txt", "text"}};
}

std::vector<DiscFile> DeviceNames() {
  return {{"AutoRun.KWP", MenuText({{"folder CON", "CON", "setup.exe"},
                                    {"folder NUL", "NUL", "readme.txt"},
                                    {"target COM1", ".", "COM1"},
                                    {"target NUL", ".", "NUL /x"},
                                    {"folder COM1", "COM1\\", "CON"}})},
          {"txt.kwp", "CON\r\nAUX\r\nNUL\r\nCOM1\r\nreadme.txt\r\n"},
          {"readme.txt", "text"}};
}

std::vector<DiscFile> PlaceholderSounds() {
  return {{"AutoRun.KWP", "entry\r\n.\r\nreadme.txt\r\n"},
          {"readme.txt", "text"},
          {"sound.kwp", Repeated("%KwtFileDir%", 100000) + "\r\nnotify\r\n" +
                            Repeated("%ROOT%", 100000) + "\r\nnotify\r\n"}};
}

std::vector<DiscFile> BogusBinLengths() {
  return DescribedBy({"{\\rtf1\\ansi a\\bin2147483647 b}", "{\\rtf1 {\\bin-5 x}\\bin99999999999}",
                      "{\\rtf1\\bin", "{\\rtf1\\bin1"});
}

// Groups `depth` deep, the document's own included.
std::string NestedRtf(std::size_t depth) {
  return "{\\rtf1 " + Repeated("{\\b ", depth - 1) + "deep" + Repeated("}", depth);
}

// Wine's rich-edit control ends the process at a nesting of 33 and shows 32;
// it fails surely on the first document a fresh control reads.
std::vector<DiscFile> NestedDeep() {
  return DescribedBy({NestedRtf(33), NestedRtf(32), NestedRtf(100000),
                      "{\\rtf1 " + Repeated("{", 100000) + "unclosed"});
}

// Wine's rich-edit control takes minutes over a binary megabyte (see the
// closing note of the hardening issue): the case keeps to what it shows in
// seconds.
constexpr std::size_t kBinaryDescriptionSize = 128 * 1024;

std::vector<DiscFile> BinaryDescription() {
  return DescribedBy(
      {BinaryBytes(kBinaryDescriptionSize), "{\\rtf1 " + BinaryBytes(kBinaryDescriptionSize)});
}

std::string Little(unsigned value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i)
    out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// Pictures stored as binary data: braces among the bytes are no groups. The
// first is the smallest document that ended the launcher; the second a 2 x 2
// bitmap whose colours are the bytes of "{" and "}", with text after it.
std::vector<DiscFile> BinaryPictures() {
  const std::string pixels("{{{}}}\0\0}}}{{{\0\0", 16);
  const std::string dib = Little(40, 4) + Little(2, 4) + Little(2, 4) + Little(1, 2) +
                          Little(24, 2) + Little(0, 4) + Little(16, 4) + Little(2835, 4) +
                          Little(2835, 4) + Little(0, 8) + pixels;
  return DescribedBy({"{\\rtf1\\bin32 " + Repeated("{", 32) + "}",
                      "{\\rtf1\\ansi before {\\pict\\dibitmap0\\picw2\\pich2\\bin" +
                          std::to_string(dib.size()) + " " + dib + "} after the picture\\par}"});
}

struct HostileCase {
  std::string_view name;
  std::vector<DiscFile> (*disc)();
  // The message shown instead of the window, after which the launcher ends.
  std::optional<ExpectedBox> box = std::nullopt;
  int lines = -1;  // the list's lines; -1: not checked
  // Text the last line's description shows, reached with the Down key.
  std::wstring_view lastShows = {};
};

void RunHostile(const HostileCase& c) {
  FixtureDisc disc(c.disc());
  Launcher launcher(disc.Program());
  if (c.box) {
    const HWND box = launcher.WaitForMessageBox(kHostileLimitMs);
    ExpectMessageBox(box, *c.box);
    if (!AnswerMessageBox(box, IDOK))
      Abort("the message box has no OK button");
    launcher.ExpectExit(0);
    return;
  }
  const Window w = WindowOf(launcher.WaitForMainWindow(kHostileLimitMs));
  // A long first description may still be loading while the window shows.
  if (c.lines >= 0) {
    WaitUntil(kHostileLimitMs,
              [&] { return static_cast<int>(ListItems(w.list).size()) >= c.lines; });
    ExpectEqual("lines in the list", c.lines, static_cast<long long>(ListItems(w.list).size()));
  }
  if (!c.lastShows.empty()) {
    for (int line = 1; line < c.lines; ++line)
      PressKey(w.list, VK_DOWN);
    Settle(w.main);
    ExpectTrue("the last description shows " + Utf8(std::wstring(c.lastShows)),
               PaneText(w.pane).find(c.lastShows) != std::wstring::npos);
  }
  SelectEveryLine(w);
  ExpectTrue("the launcher still running after every selection", launcher.Running());
  launcher.CloseAndExpectExit(w.main);
}

const ExpectedBox kNoMenuFile = {"\"Autorun.KWP\" がありません", "Tolvane", BoxIcon::Exclamation};

const HostileCase kHostileCases[] = {
    {.name = "hostile_invalid_cp932_at_line_ends", .disc = InvalidCp932AtLineEnds, .lines = 2},
    {.name = "hostile_ten_megabyte_line", .disc = TenMegabyteLine, .lines = 1},
    {.name = "hostile_hundred_thousand_records", .disc = HundredThousandRecords, .lines = 100},
    {.name = "hostile_binary_menu_file", .disc = BinaryMenu},
    {.name = "hostile_program_as_menu_file", .disc = ProgramAsMenu},
    {.name = "hostile_folder_named_like_menu_file",
     .disc = FolderNamedLikeMenu,
     .box = kNoMenuFile},
    {.name = "hostile_device_names", .disc = DeviceNames, .lines = 5},
    {.name = "hostile_sound_list_of_placeholders", .disc = PlaceholderSounds, .lines = 1},
    {.name = "hostile_rtf_bogus_bin_lengths", .disc = BogusBinLengths, .lines = 4},
    {.name = "hostile_rtf_nested_deep", .disc = NestedDeep, .lines = 4},
    {.name = "hostile_binary_descriptions", .disc = BinaryDescription, .lines = 2},
    {.name = "hostile_rtf_pictures_as_binary_data",
     .disc = BinaryPictures,
     .lines = 2,
     .lastShows = L"after the picture"},
};

}  // namespace

std::vector<Case> HostileDiscCases() {
  return CasesOf(kHostileCases, RunHostile);
}

}  // namespace e2e
