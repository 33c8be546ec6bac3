// Running the selected entry: a program or document from its folder, an
// address, or a power action after a confirmation.
#include <utility>

#include "autorun1/form1.h"
#include "menu/entry_action.h"
#include "platform/platform.h"
#include "runtime/cp932_text.h"
#include "runtime/runtime_error.h"

namespace tolvane {

namespace {

class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~ScopedFlag() { flag_ = false; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& flag_;
};

Platform& PlatformOf(TForm1& f) {
  return f.App().GetPlatform();
}

void DisableRunControls(TForm1& f) {
  f.Button1.SetEnabled(false);
  f.ListBox1.SetEnabled(false);
  PlatformOf(f).ProcessMessages();
}

void EnableRunControls(TForm1& f) {
  PlatformOf(f).ProcessMessages();
  f.Button1.SetEnabled(true);
  f.ListBox1.SetEnabled(true);
}

// `action` is a copy taken before pending messages run: a selection they make
// must not change what this launch opens, nor anything they do the folder it
// starts in.
void OpenEntryFile(TForm1& f, const TargetAction& action) {
  Platform& platform = PlatformOf(f);
  if (!platform.SetCurrentDirectory(FolderToEnter(f.Folders.MenuDir)))
    throw InOutError(3);
  // A missing file or folder leaves the entry unable to run: a double click
  // or Enter on it does nothing.
  if (!action.canRun)
    return;
  const std::string folder = FolderToEnter(action.folder);
  platform.SetCurrentDirectory(folder);
  const std::string path = EntryFilePath(action);
  DisableRunControls(f);
  if (f.ShellOpen(path, action.parameters, folder) == kShellNoAssociation)
    f.OfferNotepad(action.file, path, "システムエラー", folder);
  EnableRunControls(f);
}

void OpenAddressEntry(TForm1& f, const TargetAction& action) {
  const std::string folder = FolderToEnter(f.Folders.MenuDir);
  DisableRunControls(f);
  f.OpenAddress(action.address, folder);
  EnableRunControls(f);
}

void RunSystemAction(TForm1& f, const TargetAction& action) {
  // An unknown "?" word cannot run.
  if (!action.canRun)
    return;
  DisableRunControls(f);
  f.ConfirmSystemAction(action.kind);
  EnableRunControls(f);
}

}  // namespace

void TForm1::Button1Click(Control&) {
  // One launch or question at a time: events queued before the controls
  // were disabled run inside it and must not start another. Nor does an entry
  // still being described run: its buttons are not yet its own.
  if (SelectedEntry() == nullptr || running_ || selectionsRunning_ > 0)
    return;
  const int line = ListBox1.ItemIndex();
  const bool showsText = CheckBox2.Checked();
  {
    const ScopedFlag running(running_);
    selectionDeferred_ = false;
    const TargetAction action = Action;
    if (IsSystemActionKind(action.kind))
      RunSystemAction(*this, action);
    else if (IsAddressKind(action.kind))
      OpenAddressEntry(*this, action);
    else
      OpenEntryFile(*this, action);
  }
  // Another line was selected, or the text switched, while the launch ran:
  // that selection's description and buttons replace those of the line that
  // was run. The same line again (a key released at the list's end) leaves
  // the buttons as the launch left them.
  const bool deferred = std::exchange(selectionDeferred_, false);
  if (deferred && (ListBox1.ItemIndex() != line || CheckBox2.Checked() != showsText))
    ListBox1Click(ListBox1);
}

void TForm1::N2Click(Control& sender) {
  Button1Click(sender);
}

}  // namespace tolvane
