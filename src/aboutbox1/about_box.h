// aboutbox1/: the About box and the version reader.
//
// The About box: the program's name, version and copyright line, and the
// disc's licence or read-me text beside the program.
#pragma once

#include "menu/sounds.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "startup/startup_folders.h"

namespace tolvane {

class Platform;

// Which text the About boxes show: 0 the missing-file notice, 1 the licence
// ("AutoLice.txt"), 2 the read-me ("AutoRun.txt"). Shared by every About box
// of the run.
extern int AboutTextState;

// "1.9.8.0" shows as 1.98: the first three characters and the fifth.
std::string VersionLabelText(const std::string& fileVersion);

class TAboutBox final : public Form {
 public:
  // The main window's folders and sounds; they outlive the box.
  TAboutBox(Application& app, const StartupFolders& folders, const SoundSettings& sounds);

  GroupBox GroupBox1;
  Label Label2;
  Label ProductName;
  Image ProgramIcon;
  Label Label1;
  Memo Memo1;
  Button OKButton;

  // Handlers.
  void FormCreate();
  void FormCloseQuery(Control& sender, bool& canClose);
  void ProgramIconClick(Control& sender);
  void Memo1KeyPress(Control& sender, char& key);
  void OKButtonClick(Control& sender);

 private:
  void ScaleChanged(int oldPixelsPerInch) override;
  Platform& platform() const;
  void EnterProgramFolder();
  bool TextFileExists(const char* name);
  void LoadText(const char* name);
  // The licence, else the read-me, else the notice.
  void ShowFirstText();
  void ShowLicence();
  void ShowReadme();
  void ShowNotice();

  const StartupFolders& folders_;
  const SoundSettings& sounds_;
};

}  // namespace tolvane
