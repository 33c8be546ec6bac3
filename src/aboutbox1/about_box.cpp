#include "aboutbox1/about_box.h"

#include "aboutbox1/version_info.h"
#include "menu/sounds.h"
#include "platform/platform.h"
#include "runtime/runtime_error.h"
#include "runtime/text_lines.h"

namespace tolvane {

int AboutTextState = 0;

namespace {

const char* const kUiGothic = "MS UI Gothic";
const char* const kCaptionReadme = "バージョン情報";

void Design(Control& c, Rect bounds, int tabOrder) {
  c.SetBounds(bounds);
  c.SetTabOrder(tabOrder);
}

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
  const Font dialogFont{kUiGothic, 12};
  const Font titleFont{kUiGothic, 13};
  SetFont(dialogFont);
  for (Control* c : std::initializer_list<Control*>{&GroupBox1, &Label2, &Memo1, &OKButton})
    c->SetFont(dialogFont);
  ProductName.SetFont(titleFont);
  Label1.SetFont(titleFont);

  Design(GroupBox1, {8, 8, 369, 137}, 0);
  Design(Label2, {63, 32, 209, 12}, -1);
  Design(ProductName, {48, 16, 156, 13}, -1);
  Design(ProgramIcon, {8, 16, 33, 33}, -1);
  Design(Label1, {208, 16, 43, 13}, -1);
  Design(Memo1, {8, 56, 353, 73}, 0);
  Design(OKButton, {278, 20, 75, 25}, 1);

  GroupBox1.SetCaption("詳細情報");
  Label2.SetCaption("Copyright (C) Tolvane");
  ProductName.SetCaption("Tolvane");
  ProgramIcon.SetProgramIcon(true);
  Label1.SetCaption("Version");
  OKButton.SetCaption("OK(&O)");
  OKButton.SetDefault(true);
  for (Label* label : {&Label2, &ProductName, &Label1})
    label->SetAutoSize([&app](const Font& font, std::string_view text) {
      return app.GetPlatform().TextWidth(font, text);
    });
  SetClientSize(386, 154);

  OnCloseQuery = [this](Control& s, bool& canClose) { FormCloseQuery(s, canClose); };
  ProgramIcon.OnClick = [this](Control& s) { ProgramIconClick(s); };
  Memo1.OnKeyPress = [this](Control& s, char& key) { Memo1KeyPress(s, key); };
  OKButton.OnClick = [this](Control& s) { OKButtonClick(s); };
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
  if (!platform().SetCurrentDirectory(folders_.ApplicationDir))
    throw InOutError(3);
}

bool TAboutBox::TextFileExists(const char* name) {
  return platform().FileExists(folders_.ApplicationDirSlash + name);
}

void TAboutBox::LoadText(const char* name) {
  FileContent file = platform().ReadFile(folders_.ApplicationDirSlash + name);
  if (file.error != 0)
    throw InOutError(file.error);
  Memo1.SetLines(TextFileLines(file.bytes));
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
