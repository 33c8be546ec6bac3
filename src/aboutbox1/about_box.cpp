#include "aboutbox1/about_box.h"

#include "aboutbox1/version_info.h"
#include "menu/sounds.h"
#include "platform/platform.h"
#include "runtime/cp932_text.h"
#include "runtime/design.h"
#include "runtime/runtime_error.h"
#include "runtime/text_encoding.h"
#include "runtime/text_lines.h"

namespace tolvane {

int AboutTextState = 0;

namespace {

const char* const kUiGothic = "MS UI Gothic";
const char* const kCaptionReadme = "バージョン情報";

// Each row names its control, in the order of the controls in TAboutBox.
const ControlDesign kAboutBoxDesigns[] = {
    {.control = "GroupBox1",
     .bounds = {8, 8, 369, 137},
     .tabOrder = 0,
     .fontFace = kUiGothic,
     .caption = "詳細情報"},
    {.control = "Label2",
     .bounds = {63, 32, 209, 12},
     .fontFace = kUiGothic,
     .caption = "Copyright (C) Tolvane"},
    {.control = "ProductName",
     .bounds = {48, 16, 156, 13},
     .fontFace = kUiGothic,
     .fontHeight = 13,
     .caption = "Tolvane"},
    {.control = "ProgramIcon", .bounds = {8, 16, 33, 33}},
    {.control = "Label1",
     .bounds = {208, 16, 43, 13},
     .fontFace = kUiGothic,
     .fontHeight = 13,
     .caption = "Version"},
    {.control = "Memo1", .bounds = {8, 56, 353, 73}, .tabOrder = 0, .fontFace = kUiGothic},
    {.control = "OKButton",
     .bounds = {278, 20, 75, 25},
     .tabOrder = 1,
     .fontFace = kUiGothic,
     .caption = "OK(&O)"},
};

}  // namespace

std::string VersionLabelText(const std::string& fileVersion) {
  return fileVersion.substr(0, 3) + (fileVersion.size() >= 5 ? fileVersion.substr(4, 1) : "");
}

TAboutBox::TAboutBox(Application& app, const StartupFolders& folders, const SoundSettings& sounds)
    : Form("AboutBox", app),
      GroupBox1("GroupBox1", this),
      Label2("Label2", &GroupBox1),
      ProductName("ProductName", &GroupBox1),
      ProgramIcon("ProgramIcon", &GroupBox1),
      Label1("Label1", &GroupBox1),
      Memo1("Memo1", &GroupBox1),
      OKButton("OKButton", &GroupBox1),
      folders_(folders),
      sounds_(sounds) {
  SetCaption(kCaptionReadme);
  SetBorderStyle(BorderStyle::Dialog);
  SetFont(Font{kUiGothic, 12});
  ApplyDesigns(*this, kAboutBoxDesigns);
  ProgramIcon.SetProgramIcon(true);
  OKButton.SetDefault(true);
  for (Label* label : {&Label2, &ProductName, &Label1})
    label->SetAutoSize([&app](const Font& font, std::string_view text, int pixelsPerInch) {
      return app.GetPlatform().TextWidth(font, text, pixelsPerInch);
    });
  SetClientSize(386, 154);

  OnCloseQuery = {this, &TAboutBox::FormCloseQuery};
  ProgramIcon.OnClick = {this, &TAboutBox::ProgramIconClick};
  Memo1.OnKeyPress = {this, &TAboutBox::Memo1KeyPress};
  OKButton.OnClick = {this, &TAboutBox::OKButtonClick};
}

void TAboutBox::ScaleChanged(int) {
  PlaceDesigns(*this, kAboutBoxDesigns);
  for (Label* label : {&Label2, &ProductName, &Label1})
    label->AdjustBounds();
}

Platform& TAboutBox::platform() const {
  return App().GetPlatform();
}

void TAboutBox::FormCreate() {
  std::string version;
  GetVersionInfoString(platform(), kFileVersionKey, version);
  Label1.SetCaption(VersionLabelText(version));
  std::string copyright;
  GetVersionInfoString(platform(), kLegalCopyrightKey, copyright);
  Label2.SetCaption(copyright);
  AboutTextState = 1;
  EnterProgramFolder();
  ShowFirstText();
  PlayAboutSound(platform(), folders_, sounds_);
}

void TAboutBox::FormCloseQuery(Control&, bool& canClose) {
  RestoreStartSound(platform(), folders_, sounds_);
  canClose = true;
}

void TAboutBox::ProgramIconClick(Control&) {
  EnterProgramFolder();
  switch (AboutTextState) {
    case 1:
      if (TextFileExists("AutoRun.txt"))
        ShowReadme();
      else
        ShowNotice();
      break;
    case 2:
      ShowFirstText();
      break;
    default:
      break;  // the notice stays
  }
}

void TAboutBox::Memo1KeyPress(Control&, char& key) {
  if (key == '\r')
    Close();
  // The text is never changed by typing.
  key = 0;
}

void TAboutBox::OKButtonClick(Control&) {
  SetModalResult(kModalOk);
  Close();
}

void TAboutBox::EnterProgramFolder() {
  if (!platform().SetCurrentDirectory(FolderToEnter(folders_.ApplicationDir)))
    throw InOutError(3);
}

bool TAboutBox::TextFileExists(const char* name) {
  return platform().FileExists(folders_.ApplicationDirSlash + name);
}

void TAboutBox::LoadText(const char* name) {
  int error = 0;
  const DecodedText file =
      ReadTextFile(platform(), folders_.ApplicationDirSlash + name, StandIn::Shown, error);
  if (error != 0)
    throw InOutError(error);
  Memo1.SetLines(TextFileLines(file.text));
}

void TAboutBox::ShowFirstText() {
  if (TextFileExists("AutoLice.txt"))
    ShowLicence();
  else if (TextFileExists("AutoRun.txt"))
    ShowReadme();
  else
    ShowNotice();
}

void TAboutBox::ShowLicence() {
  SetCaption("About");
  LoadText("autolice.txt");
  AboutTextState = 1;
}

void TAboutBox::ShowReadme() {
  SetCaption(kCaptionReadme);
  LoadText("autorun.txt");
  AboutTextState = 2;
}

void TAboutBox::ShowNotice() {
  Memo1.SetText("\"Autorun.txt\"がありません");
  AboutTextState = 0;
}

}  // namespace tolvane
