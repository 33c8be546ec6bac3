// What a launcher run from a stranger's disc must guarantee: it loads no DLL
// planted beside it or in an entry's folder, it writes nothing to the disc
// or the machine, and hostile menus and documents end in a responsive
// window or the specified message, never a crash or a hang.
#include <functional>
#include <optional>
#include <set>

#include "cases.h"
#include "check.h"
#include "fixture_disc.h"
#include "launcher.h"
#include "main_window.h"
#include "message_box.h"
#include "platform/win32/control_ids.h"
#include "probe_log.h"
#include "selection_window.h"
#include "snapshot.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

namespace ids = tolvane::ids;

// --- Shared steps --------------------------------------------------------------------

// A menu whose entries cover what the program loads on the way: a program
// (the probe, in Setup), a plain and a rich-text description, an address.
std::vector<DiscFile> EveryKindDisc() {
  return {
      {"AutoRun.KWP", MenuText({{"プローブ", "Setup", "probe.exe /x"},
                                {"説明", ".", "readme.txt"},
                                {"リッチテキスト", "Docs", "doc.rtf"},
                                {"ホームページ", ".", "http://www.example.com/"}})},
      {"readme.txt", Cp932("説明です。\r\n")},
      {"Docs\\readme.txt", "{\\rtf1\\ansi {\\b bold} text\\par}"},
      {"Setup\\readme.txt", Cp932("プローブ\r\n")},
      ProbeFile("Setup\\probe.exe"),
  };
}

// --- Planted DLLs ----------------------------------------------------------------------

// The marker DLLs the build puts in markers\ beside the driver, planted in `folder`.
std::vector<DiscFile> MarkerDlls(const std::string& folder) {
  std::vector<DiscFile> dlls;
  ForEachInFolder(DriverFolder() + L"\\markers",
                  [&](const std::wstring& path, const WIN32_FIND_DATAW& found) {
                    std::optional<std::string> bytes = ReadWholeFile(path);
                    if (!bytes)
                      Abort("cannot read the marker " + Utf8(path));
                    dlls.push_back({folder + Utf8(found.cFileName), std::move(*bytes)});
                  });
  if (dlls.empty())
    Abort("no marker DLLs in markers\\ beside the driver");
  return dlls;
}

// Every "<dll>.loaded" a marker wrote under the disc, with the program that loaded it.
std::vector<std::string> LoadedMarkers(const FixtureDisc& disc) {
  Snapshot files;
  AddFiles(disc.Root(), false, files);
  std::vector<std::string> loaded;
  for (const auto& [path, print] : files) {
    if (path.size() < 7 || path.substr(path.size() - 7) != L".loaded")
      continue;
    const std::string by = ReadWholeFile(path).value_or("");
    loaded.push_back(Utf8(path.substr(disc.Root().size() + 1)) + " (loaded by " +
                     Utf8(std::wstring_view(reinterpret_cast<const wchar_t*>(by.data()),
                                            by.size() / sizeof(wchar_t))) +
                     ")");
  }
  return loaded;
}

// Windows searches the program's folder first for every DLL that is not one
// of its known DLLs; Wine prefers its own builtin copies of most. While a
// planted-DLL case runs, Wine's per-program settings tell it to search as
// Windows does, so that a planted DLL the program would pick up is really
// loaded. Left out: the known DLLs (kernel32, user32, ...), which come from
// the system on Windows as here, and three that Wine's own system DLLs load
// through the program's folder whatever the program does, where Windows
// keeps a system DLL's dependencies in System32: version.dll (imported by
// Wine's gdi32), uxtheme.dll (loaded by Wine's user32 as it starts) and
// msimg32.dll (imported by Wine's rich-edit control). A static import of
// version.dll is caught by the import-table test instead.
class SearchLikeWindows {
 public:
  SearchLikeWindows() {
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_,
                        nullptr) != ERROR_SUCCESS)
      Abort("cannot set Wine's DLL overrides for tolvane.exe");
    for (const wchar_t* dll : {L"winmm", L"msftedit", L"riched20", L"riched32", L"dwmapi",
                               L"comctl32", L"cryptbase", L"profapi", L"userenv", L"wininet"})
      RegSetValueExW(key_, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>(kNativeFirst),
                     sizeof kNativeFirst);
  }
  ~SearchLikeWindows() {
    RegCloseKey(key_);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
  }
  SearchLikeWindows(const SearchLikeWindows&) = delete;
  SearchLikeWindows& operator=(const SearchLikeWindows&) = delete;

 private:
  static constexpr wchar_t kProgramKey[] = L"Software\\Wine\\AppDefaults\\tolvane.exe";
  static constexpr wchar_t kKey[] = L"Software\\Wine\\AppDefaults\\tolvane.exe\\DllOverrides";
  static constexpr wchar_t kNativeFirst[] = L"native,builtin";
  HKEY key_ = nullptr;
};

struct PlantedCase {
  std::string_view name;
  std::string plantedIn;  // "" beside tolvane.exe, else a folder with its backslash
};

void RunPlanted(const PlantedCase& c) {
  std::vector<DiscFile> files = EveryKindDisc();
  for (DiscFile& dll : MarkerDlls(c.plantedIn))
    files.push_back(std::move(dll));
  FixtureDisc disc(files);
  const SearchLikeWindows search;
  Launcher launcher(disc.Program());
  // A program that loaded a planted DLL may not get far: the markers are
  // reported however the session ended.
  auto reportMarkers = [&] {
    for (const std::string& marker : LoadedMarkers(disc))
      Fail("a planted DLL was loaded: " + marker);
  };
  try {
    const Window w = WindowOf(launcher.WaitForMainWindow());
    SelectEveryLine(w);
    // The About box reads the program's version and plays its sound.
    PostClick(RequireControl(w.main, ids::kButton3, "Button3"));
    HWND about = nullptr;
    if (!WaitUntil(kWindowTimeoutMs, [&] {
          about = FindTopLevel(launcher.ProcessId(), ids::kDialogWindowClass, true);
          return about != nullptr;
        }))
      Abort("expected the About box, got " + DescribeWindows(launcher.ProcessId()));
    Settle(about);
    Click(RequireControl(about, ids::kOKButton, "OKButton"));
    WaitUntil(kWindowTimeoutMs, [&] { return !IsWindowVisible(about); });
    // The probe entry runs: the shell starts a program from the planted folder.
    SelectByNotification(w.main, w.list, 0);
    PostClick(w.run);
    if (!WaitForProbeRun(disc.Path("Setup\\probe.exe"), kWindowTimeoutMs))
      Abort("expected the probe to start, it did not");
    Settle(w.main);
    launcher.CloseAndExpectExit(w.main);
  } catch (const CaseAborted&) {
    reportMarkers();
    throw;
  }
  reportMarkers();
}

const PlantedCase kPlantedCases[] = {
    {.name = "planted_dlls_beside_the_program", .plantedIn = ""},
    {.name = "planted_dlls_in_an_entry_folder", .plantedIn = "Setup\\"},
};

// --- Nothing written --------------------------------------------------------------------

// The machine as a program could change it: every file of drive C: by size
// and time, the user profiles and the disc by content too, and the current
// user's and the machine's registry.
Snapshot TakeSnapshot(const FixtureDisc& disc) {
  Snapshot s;
  AddFiles(L"C:", false, s);
  AddFiles(L"C:\\users", true, s);
  AddFiles(disc.Root(), true, s);
  AddRegistry(HKEY_CURRENT_USER, L"HKCU", s);
  AddRegistry(HKEY_LOCAL_MACHINE, L"HKLM", s);
  // Wine's own volatile record of system parameters, written the first time
  // any program of a session reads them (mouse settings for a list's
  // scrolling, say): the system's, not the program's.
  std::erase_if(s, [](const auto& entry) {
    return entry.first.starts_with(L"HKCU\\Software\\Wine\\Temporary System Parameters\\");
  });
  return s;
}

// The smallest window program, built like the launcher: what any program's
// session changes on this machine, and so is not the launcher's doing.
void BaselineSession(const FixtureDisc& disc) {
  Launcher baseline(disc.Path("baseline.exe"));
  const HWND window = baseline.WaitForAnyWindow();
  Settle(window);
  baseline.CloseAndExpectExit(window);
}

struct NothingWrittenCase {
  std::string_view name;
  std::vector<DiscFile> (*disc)();
  std::function<void(Launcher&)> session;
};

void RunNothingWritten(const NothingWrittenCase& c) {
  std::vector<DiscFile> files = c.disc();
  std::optional<std::string> baseline = ReadWholeFile(DriverFolder() + L"\\baseline.exe");
  if (!baseline)
    Abort("cannot read baseline.exe beside the driver");
  files.push_back({"baseline.exe", std::move(*baseline)});
  FixtureDisc disc(files);

  const Snapshot start = TakeSnapshot(disc);
  BaselineSession(disc);
  const Snapshot afterBaseline = TakeSnapshot(disc);
  {
    Launcher launcher(disc.Program());
    c.session(launcher);
  }
  const Snapshot afterLauncher = TakeSnapshot(disc);

  const std::set<std::wstring> byAnyProgram = Changes(start, afterBaseline);
  for (const std::wstring& path : Changes(afterBaseline, afterLauncher))
    if (!byAnyProgram.contains(path))
      Fail("the launcher's session changed " + Utf8(path));
}

void WholeSession(Launcher& launcher) {
  const Window w = WindowOf(launcher.WaitForMainWindow());
  SelectEveryLine(w);
  launcher.CloseAndExpectExit(w.main);
}

const NothingWrittenCase kNothingWrittenCases[] = {
    {.name = "nothing_written_by_a_session", .disc = EveryKindDisc, .session = WholeSession},
    {.name = "nothing_written_by_a_start_up_message",
     .disc = [] { return std::vector<DiscFile>{}; },
     .session =
         [](Launcher& launcher) {
           const HWND box = launcher.WaitForMessageBox();
           if (!AnswerMessageBox(box, IDOK))
             Abort("the message box has no OK button");
           launcher.ExpectExit(0);
         }},
};

}  // namespace

std::vector<Case> HardeningCases() {
  std::vector<Case> cases = CasesOf(kPlantedCases, RunPlanted);
  for (Case& c : CasesOf(kNothingWrittenCases, RunNothingWritten))
    cases.push_back(std::move(c));
  return cases;
}

}  // namespace e2e
