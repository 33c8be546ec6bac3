// Running the selected entry: a program or document from its folder, an
// address, or a power action after a confirmation.
#include <utility>

#include "autorun1/form1.h"
#include "autorun1/system_actions.h"
#include "platform/platform.h"
#include "runtime/cp932_text.h"
#include "runtime/runtime_error.h"

namespace tolvane {

namespace {

// The target's characters after its first "/": the first "/" belongs to
// neither the file nor the parameters, later ones are parameters.
std::string TargetParamsOf(std::string_view target) {
  const std::size_t slash = target.find('/');
  return slash == std::string_view::npos ? std::string() : std::string(target.substr(slash + 1));
}

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

void OpenEntryFile(TForm1& f, const std::string& target) {
  Platform& platform = PlatformOf(f);
  if (!platform.SetCurrentDirectory(FolderToEnter(f.Folders.MenuDir)))
    throw InOutError(3);
  // A missing file or folder left the Run button disabled: a double click or
  // Enter on such an entry does nothing.
  if (!f.Button1.Enabled())
    return;
  TargetKindState& s = f.Selection;
  // Taken before pending messages run: a selection they make must not change
  // what this launch opens, nor anything they do the folder it starts in.
  const std::string folder = FolderToEnter(f.EntryDir);
  platform.SetCurrentDirectory(folder);
  s.TargetParams = TargetParamsOf(target);
  s.TargetParamsCopying = target.find('/') != std::string::npos;
  const std::string shownName = s.TargetFile;
  const std::string file = f.EntryDir + "\\" + shownName;
  const std::string parameters = s.TargetParams;
  DisableRunControls(f);
  if (f.ShellOpen(file, parameters, folder) == kShellNoAssociation)
    f.OfferNotepad(shownName, file, "システムエラー", folder);
  EnableRunControls(f);
}

void OpenAddressEntry(TForm1& f, const std::string& target) {
  f.Selection.UrlToOpen = target;
  const std::string folder = FolderToEnter(f.Folders.MenuDir);
  DisableRunControls(f);
  f.OpenAddress(target, folder);
  EnableRunControls(f);
}

void RunSystemAction(TForm1& f) {
  // An invalid "?" word leaves the Run button disabled and never runs.
  if (!f.Button1.Enabled())
    return;
  TargetKindState request = f.Selection;
  request.SystemActionName = SystemActionNameOf(request.SystemActionKind);
  // Only a confirmed log off, restart or power off ever reaches the system.
  if (request.SystemActionName.empty())
    return;
  DisableRunControls(f);
  f.Selection.SystemActionName = request.SystemActionName;
  f.ConfirmSystemAction(request);
  EnableRunControls(f);
}

}  // namespace

void TForm1::Button1Click(Control&) {
  const TLauncherEntry* entry = SelectedEntry();
  // One launch or question at a time: events queued before the controls
  // were disabled run inside it and must not start another. Nor does an entry
  // still being described run: its buttons are not yet its own.
  if (entry == nullptr || running_ || selectionsRunning_ > 0)
    return;
  const int line = ListBox1.ItemIndex();
  const bool showsText = CheckBox2.Checked();
  {
    const ScopedFlag running(running_);
    selectionDeferred_ = false;
    const std::string target = entry->Target;
    Selection.TargetParams.clear();
    Selection.TargetParamsCopying = false;
    if (Selection.IsSystemAction)
      RunSystemAction(*this);
    else if (Selection.IsUrlTarget)
      OpenAddressEntry(*this, target);
    else
      OpenEntryFile(*this, target);
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
