// Start-up: everything from the window's creation to its first showing.
#include "autorun1/form1.h"
#include "menu/menu_reader.h"
#include "menu/side_files.h"
#include "menu/sounds.h"
#include "platform/platform.h"
#include "runtime/runtime_error.h"
#include "startup/option_scan.h"

namespace tolvane {

void TForm1::FormCreate() {
  Button1.SetEnabled(false);
  Documents.DocumentNamesLoaded = false;
  MenuChoice choice;
  DocumentPending = true;
  RichEdit1.SetEnabled(true);
  Menu.EntryCount = 0;
  Menu.ListCaptionMaxWidth = 0;
  Folders = ComputeStartupFolders(platform());
  ListBox1.ClearItems();
  // "Q:" alone would name whatever folder is current on that drive: relative
  // "/o:" targets must resolve against the program's own folder.
  if (!platform().SetCurrentDirectory(Folders.ApplicationDirSlash))
    throw InOutError(3);

  const CommandLineOptions options =
      ScanCommandLineOptions(platform(), App().Title(), options_, Folders, DirectOpenServices());
  if (options.DirectOpenDone) {
    App().Terminate();
    return;
  }
  DocOptionActive =
      options.DocOptionActive && LoadCombinedDocument(platform(), options.DocOptionPath, RichEdit2);
  choice.MenuOptionGiven = options.MenuOptionGiven;
  choice.MenuOptionPath = options.MenuOptionPath;

  const CaptionMeasurer measure = [this](std::string_view caption) {
    lblListWidth.SetCaption(caption);
    return lblListWidth.Width();
  };
  if (ReadMenu(platform(), App().Title(), Folders, choice, measure, Menu) ==
      MenuOutcome::EndProgram) {
    App().Terminate();
    return;
  }

  for (int n = 1; n <= Menu.EntryCount; ++n)
    ListBox1.AddItem(Menu.Entry(n)->Caption);
  ReadSideFiles(platform(), Folders, Documents, Sounds);
  ListBox1.SetItemIndex(0);
  FormResize(*this);
  CheckBox1Click(*this);
  // A description that cannot be read is reported; the launcher still opens.
  App().Guard([this] { CheckBox2Click(*this); });
  // Closed while its first description loaded: nothing is left to show.
  if (Closed())
    return;
  List_LeftScroll();
  SetCaption(App().Title());
  PlayStartSound(platform(), Folders, Sounds);
  Show();
}

}  // namespace tolvane
