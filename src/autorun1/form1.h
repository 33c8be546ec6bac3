// autorun1/: the main window and its handlers.
//
// The main window: the launcher list, the description pane and the buttons.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "aboutbox1/about_box.h"
#include "menu/launcher_table.h"
#include "menu/side_files.h"
#include "menu/sounds.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "startup/option_scan.h"
#include "startup/startup_folders.h"
#include "target/target_action.h"

namespace tolvane {

class Platform;
struct DirectOpenHooks;
struct ShellResult;

class TForm1 final : public Form {
 public:
  // `options` are the command line's, read once at the process's start.
  TForm1(Application& app, std::vector<CommandOption> options);

  // Controls, in creation order: later ones lie above earlier ones.
  tolvane::Splitter Splitter;
  Label Label1;
  Label lblListWidth;
  Panel Panel1;
  RichEdit RichEdit1;
  CheckBox CheckBox1;
  CheckBox CheckBox2;
  Panel Panel3;
  GroupBox GroupBox1;
  ListBox ListBox1;
  Panel Panel4;
  Panel Panel5;
  Panel Panel6;
  Panel Panel7;
  Button Button5;
  Button Button3;
  Panel Panel8;
  Button Button1;
  Button Button4;
  Button Button2;
  RichEdit RichEdit2;
  PopupMenu PopupMenu1;
  PopupMenu PopupMenu2;
  MenuItem& copy1;
  MenuItem& N1;
  MenuItem& SelectAll1;
  MenuItem& N2;
  MenuItem& N3;
  MenuItem& N4;

  // Start-up folders.
  StartupFolders Folders;
  // The launcher entries and the settings shared between start-up and handlers.
  LauncherTable Menu;
  DocumentNameList Documents;
  bool DocumentPending = true;
  bool DocOptionActive = false;
  // What the selected line's entry does: its kind, folder, target and
  // whether it can run, as its selection found it.
  TargetAction Action;
  SoundSettings Sounds;
  // The About box opened last. Each opening makes a new one; the closed ones
  // are kept until the program ends.
  TAboutBox* AboutBox = nullptr;

  // Handlers.
  void FormCreate();
  void FormResize(Control& sender);
  void FormCloseQuery(Control& sender, bool& canClose);
  void SplitterMoved(Control& sender);
  void List_LeftScroll();
  void ListBox1Click(Control& sender);
  void RichEdit1KeyDown(Control& sender, unsigned short& key, bool shift);
  void RichEdit1KeyPress(Control& sender, char& key);
  void copy1Click(Control& sender);
  void SelectAll1Click(Control& sender);
  void CheckBox1Click(Control& sender);
  void CheckBox2Click(Control& sender);
  void Button2Click(Control& sender);
  void Button1Click(Control& sender);
  void N2Click(Control& sender);
  void Button4Click(Control& sender);
  void N4Click(Control& sender);
  void Button5Click(Control& sender);
  void ListBox1KeyDown(Control& sender, unsigned short& key, bool shift);
  void ListBox1KeyUp(Control& sender, unsigned short& key, bool shift);
  void Button3Click(Control& sender);

  // Shell and power, shared by running an entry and the direct-open mode.
  // Words a failed shell result; silent for success, 31 and a refused elevation.
  void ReportShellError(const ShellResult& result);
  // "OPEN", shown, with `directory` as the started program's current folder;
  // the shell's code, its failure reported.
  int ShellOpen(std::string_view file, std::string_view parameters,
                std::string_view directory = {});
  // An address as written; one no program is registered for is reported too.
  void OpenAddress(std::string_view address, std::string_view directory);
  // For a file no application is associated with: asks whether to open
  // `path` in Notepad (the question names `shownName`) and does so on Yes.
  void OfferNotepad(std::string_view shownName, std::string_view path, std::string_view caption,
                    std::string_view directory);
  // Asks whether to carry out a power action; on Yes, DoShutDown.
  void ConfirmSystemAction(EntryKind kind);
  // Logs off, restarts or powers off.
  void DoShutDown(EntryKind kind);

 private:
  void ScaleChanged(int oldPixelsPerInch) override;
  Platform& platform() const;
  void BindEvents();
  // What the direct-open mode shares with running an entry.
  DirectOpenHooks DirectOpenServices();
  // What of the right half follows the splitter: the pane's left edge and
  // width (with the height given), its label, and the two small buttons at
  // its top right.
  void PlaceBesideSplitter(int paneHeight);
  void ResetDescriptionPane();
  void SetPaneColor(Color color);
  // These return false when the selection gave way (see KeepsSelection).
  // DescribeEntry reports a description that cannot be read and goes on
  // without it; LoadDescription raises.
  bool DescribeEntry(int n, bool& documentReported);
  bool LoadDescription(int n, bool& documentReported);
  void ShowNoDocumentNotice(bool& documentReported);
  bool ShowDocumentFile(const std::string& path, bool clearFirst);
  // Processes pending messages; false when one of them started a newer
  // selection, switched the text off or closed the window: the selection
  // that asked must then stop, leaving the window to the newer one.
  bool KeepsSelection();
  // The entry of the selected line, or nullptr when no line is selected.
  const TLauncherEntry* SelectedEntry() const;

  // The steps of a selection, on `Action`.
  void ShowActionLabels();
  void ShowMissingFolder();
  void ShowTargetCheck(bool documentReported);

  std::vector<CommandOption> options_;
  bool running_ = false;  // a launch or its question is open
  // A selection was asked for while a launch was open: it runs after it.
  bool selectionDeferred_ = false;
  // Counts selections and switches of the text; a nested one moves it on.
  unsigned selectionGeneration_ = 0;
  int selectionsRunning_ = 0;
  std::vector<std::unique_ptr<TAboutBox>> aboutBoxes_;
};

}  // namespace tolvane
