// Selecting a launcher entry: its kind and action labels, entering its folder,
// and checking that its target exists.
#include "autorun1/entry_kind.h"
#include "autorun1/form1.h"
#include "platform/platform.h"
#include "runtime/cp932_text.h"
#include "runtime/runtime_error.h"

namespace tolvane {

namespace {

constexpr const char* kFolderButtonHint = "選択したファイルがあるフォルダを表示します。";

void EnableActions(TForm1& f, bool run, bool folder) {
  f.Button1.SetEnabled(run);
  f.N2.SetEnabled(run);
  f.Button4.SetEnabled(folder);
  f.N4.SetEnabled(folder);
}

}  // namespace

std::string TForm1::ResolveEntryDir(const TLauncherEntry& entry) const {
  if (HasDrivePart(entry.Folder))
    return entry.Folder;
  if (entry.Folder == "?")
    return "?";
  return Folders.MenuDirSlash + entry.Folder;
}

bool TForm1::KeepsSelection() {
  const unsigned generation = selectionGeneration_;
  platform().ProcessMessages();
  return generation == selectionGeneration_ && !Closed();
}

void TForm1::ListBox1Click(Control&) {
  // A key or click queued behind a launch reaches the list while it is
  // disabled: the launch describes the line selected then when it is over.
  if (running_) {
    selectionDeferred_ = true;
    return;
  }
  ++selectionGeneration_;
  const TLauncherEntry* entry = SelectedEntry();
  if (entry == nullptr)
    return;  // no line selected: nothing to describe
  struct Running {
    int& count;
    explicit Running(int& c) : count(++c) {}
    ~Running() { --count; }
  } running(selectionsRunning_);
  const int n = ListBox1.ItemIndex() + 1;
  const std::string& T = entry->Target;

  DocumentPending = true;
  bool documentReported = true;

  TargetKindState& s = Selection;
  s.LogoffRequested = s.RebootRequested = s.PowerOffRequested = s.ForceRequested = false;
  s.IsSystemAction = false;
  s.SystemActionKind = 0;
  s.IsUrlTarget = false;
  Button4.SetHint(kFolderButtonHint);
  ResetDescriptionPane();
  ListBox1.SetHint("");

  const EntryKind kind = ClassifyTarget(T);
  const ActionLabels labels = LabelsFor(kind, T);
  Button1.SetCaption(labels.button1Caption);
  Button1.SetHint(labels.button1Hint);
  N2.SetCaption(labels.n2Caption);
  if (IsSystemActionKind(kind)) {
    s.IsSystemAction = true;
    s.SystemActionKind = SystemActionKindOf(kind);
    s.RebootRequested = kind == EntryKind::Restart;
    s.LogoffRequested = kind == EntryKind::Logoff;
    s.PowerOffRequested = kind == EntryKind::PowerOff;
    const bool valid = kind != EntryKind::InvalidSystemAction;
    Button1.SetEnabled(valid);
    N2.SetEnabled(valid);
    ListBox1.SetHint(labels.listHint);
  } else {
    s.TargetFile.clear();
    s.TargetFileCopying = true;
    if (IsAddressKind(kind)) {
      s.IsUrlTarget = true;
      Button1.SetEnabled(true);
      N2.SetEnabled(true);
      ListBox1.SetHint(labels.listHint);
      if (kind == EntryKind::WebAddress)
        Button4.SetEnabled(false);
    } else {
      s.TargetFile = TargetFileOf(T);
      s.TargetFileCopying = T.find('/') == std::string::npos;
      Button4.SetHint(labels.button4Hint);
    }
  }

  if (!platform().SetCurrentDirectory(FolderToEnter(Folders.MenuDir)))
    throw InOutError(3);
  EntryDir = ResolveEntryDir(*entry);
  if (EntryDir == "?") {
    EnableActions(*this, false, false);
    ListBox1.SetHint("");
    RichEdit1.Clear();
    KeepsSelection();  // the handler ends here either way
    return;
  }
  if (!platform().SetCurrentDirectory(FolderToEnter(EntryDir))) {
    EnableActions(*this, false, false);
    ListBox1.SetHint("フォルダがありません");
    if (CheckBox2.Checked()) {
      SetPaneColor(kColorRed);
      RichEdit1.SetText("指定したフォルダは存在しません");
    } else {
      RichEdit1.Clear();
      KeepsSelection();
    }
    return;
  }

  const bool folderActions = !(s.IsUrlTarget || s.IsSystemAction);
  Button4.SetEnabled(folderActions);
  N4.SetEnabled(folderActions);

  if (!DescribeEntry(n, documentReported))
    return;

  if (s.IsSystemAction || s.IsUrlTarget)
    return;
  if (platform().FileExists(EntryDir + "\\" + s.TargetFile) || T.empty()) {
    Button1.SetEnabled(true);
    N2.SetEnabled(true);
    ListBox1.SetHint(entry->Caption);
    return;
  }
  Button1.SetEnabled(false);
  N2.SetEnabled(false);
  if (!documentReported)
    return;
  const bool program = kind == EntryKind::Program;
  RichEdit1.SetText(std::string(program ? "指定した実行ファイルは存在しません\n"
                                        : "指定したファイルは存在しません\n") +
                    RichEdit1.Text());
  ListBox1.SetHint(program ? "実行ファイルがありません" : "ファイルがありません");
}

void TForm1::CheckBox2Click(Control&) {
  if (CheckBox2.Checked()) {
    ListBox1Click(*this);
    return;
  }
  // Switched off while a selection loads: that selection gives way and runs
  // again here with the text off (which empties the pane), so that the
  // buttons and hints it had not reached yet are those of the selected line.
  if (selectionsRunning_ > 0)
    ListBox1Click(*this);
  else
    RichEdit1.Clear();
}

}  // namespace tolvane
