// Selecting a launcher entry: its kind and action labels, entering its folder,
// its description, and whether its target can run.
#include "autorun1/form1.h"
#include "menu/entry_action.h"
#include "platform/platform.h"
#include "runtime/runtime_error.h"

namespace tolvane {

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

  DocumentPending = true;
  bool documentReported = true;
  ResetDescriptionPane();
  ListBox1.SetHint("");
  Action = ActionOfEntry(*entry, Folders, platform());
  ShowActionLabels();
  if (Action.refusal == RunRefusal::MenuFolderMissing)
    throw InOutError(3);
  if (Action.refusal == RunRefusal::NoFolder || Action.refusal == RunRefusal::FolderMissing) {
    ShowMissingFolder();
    return;
  }
  Button4.SetEnabled(Action.folderButton);
  N4.SetEnabled(Action.folderButton);
  if (!DescribeEntry(ListBox1.ItemIndex() + 1, documentReported))
    return;
  if (!IsSystemActionKind(Action.kind) && !IsAddressKind(Action.kind))
    ShowTargetCheck(documentReported);
}

void TForm1::ShowActionLabels() {
  const ActionLabels& labels = Action.labels;
  Button1.SetCaption(labels.button1Caption);
  Button1.SetHint(labels.button1Hint);
  N2.SetCaption(labels.n2Caption);
  Button4.SetHint(labels.button4Hint);
  // A power action or an address can run by its kind alone; a program or
  // document once its file has been looked for, after its description.
  if (IsSystemActionKind(Action.kind) || IsAddressKind(Action.kind)) {
    Button1.SetEnabled(Action.canRun);
    N2.SetEnabled(Action.canRun);
    ListBox1.SetHint(labels.listHint);
    if (Action.kind == EntryKind::WebAddress)
      Button4.SetEnabled(false);
  }
}

void TForm1::ShowMissingFolder() {
  Button1.SetEnabled(false);
  N2.SetEnabled(false);
  Button4.SetEnabled(false);
  N4.SetEnabled(false);
  ListBox1.SetHint(Action.labels.listHint);
  if (Action.refusal == RunRefusal::FolderMissing && CheckBox2.Checked()) {
    SetPaneColor(kColorRed);
    RichEdit1.SetText(Action.notice);
    return;
  }
  RichEdit1.Clear();
  KeepsSelection();  // the selection ends here either way
}

void TForm1::ShowTargetCheck(bool documentReported) {
  Button1.SetEnabled(Action.canRun);
  N2.SetEnabled(Action.canRun);
  // Under the red notice of a missing description the missing file is not
  // told again.
  if (!Action.canRun && !documentReported)
    return;
  ListBox1.SetHint(Action.labels.listHint);
  if (!Action.canRun)
    RichEdit1.SetText(Action.notice + "\n" + RichEdit1.Text());
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
