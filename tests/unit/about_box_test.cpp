#include "aboutbox1/about_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/encoded_text.h"
#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using namespace std::string_literals;
using testing::FakeVersionInfo;
using testing::LauncherFixture;
using testing::ShownMessage;
using Commands = std::vector<std::string>;
using Lines = std::vector<std::string>;
using Messages = std::vector<ShownMessage>;

const std::string kLicence = "許諾\r\n一\r二\n三\0見えない"s;
const Lines kLicenceLines = {"許諾", "一", "二", "三"};
const std::string kReadme = "読んで\r\n";
const Lines kReadmeLines = {"読んで"};
const Lines kNotice = {"\"Autorun.txt\"がありません"};

// A launcher whose program carries the version resource of the real one.
struct AboutFixture : LauncherFixture {
  AboutFixture() {
    platform.versionInfos[platform.programPath] =
        FakeVersionInfo{"\x11\x04\xA4\x03"s,
                        {{"\\StringFileInfo\\041103A4\\FileVersion", {8, "1.9.8.0\0"s}},
                         {"\\StringFileInfo\\041103A4\\LegalCopyright", {10, "(C) 2026\0"s}}}};
    DiscFile("AutoRun.KWP", "E\r\n\r\n\r\n");
  }
  // Starts the launcher and opens the About box; `whileOpen` runs while it shows.
  TAboutBox& Open(const std::function<void(TAboutBox&)>& whileOpen = nullptr) {
    if (!form) {
      EXPECT_TRUE(Start());
    }
    platform.onModal = [&whileOpen](Form& box) {
      if (whileOpen)
        whileOpen(static_cast<TAboutBox&>(box));
    };
    form->Button3Click(form->Button3);
    return *form->AboutBox;
  }
};

TEST(AboutBox, ShowsTheVersionAndCopyrightOfTheProgram) {
  AboutFixture a;
  TAboutBox& box = a.Open();
  EXPECT_EQ(box.Label1.Caption(), "1.98");
  EXPECT_EQ(box.Label2.Caption(), "(C) 2026");
  EXPECT_EQ(box.ProductName.Caption(), "Tolvane");
  EXPECT_EQ(a.platform.modalForms, Commands{"AboutBox"});
  EXPECT_TRUE(box.Shown());
  // The program's folder stays the current one after the box has closed.
  EXPECT_EQ(a.platform.CurrentDirectory(), "Q:\\disc");
}

TEST(AboutBox, VersionLabelTakesTheFirstThreeCharactersAndTheFifth) {
  const std::pair<std::string, std::string> cases[] = {
      {"1.9.8.0", "1.98"}, {"2.0.1", "2.01"}, {"1.9.", "1.9"}, {"7", "7"}, {"", ""}};
  for (const auto& [version, label] : cases)
    EXPECT_EQ(VersionLabelText(version), label) << version;
}

TEST(AboutBox, AMissingCopyrightLeavesTheLabelEmpty) {
  AboutFixture a;
  a.platform.versionInfos.begin()->second.strings.erase(
      "\\StringFileInfo\\041103A4\\LegalCopyright");
  EXPECT_EQ(a.Open().Label2.Caption(), "");
}

struct Shown {
  std::string caption;
  Lines lines;
  int state;
};

struct TextCase {
  bool licence;
  bool readme;
  std::vector<Shown> byClicks;  // as opened, then after each click on the icon
};

TEST(AboutBox, TextsForEveryCombinationOfTheTwoFiles) {
  const Shown licence{"About", kLicenceLines, 1};
  const Shown readme{"バージョン情報", kReadmeLines, 2};
  const TextCase cases[] = {
      {true, true, {licence, readme, licence, readme}},
      {false, true, {readme, readme, readme}},
      {true, false, {licence, {"About", kNotice, 0}, {"About", kNotice, 0}}},
      {false, false, {{"バージョン情報", kNotice, 0}, {"バージョン情報", kNotice, 0}}},
  };
  for (const TextCase& c : cases) {
    AboutFixture a;
    if (c.licence)
      a.DiscFile("AutoLice.txt", kLicence);
    if (c.readme)
      a.DiscFile("AutoRun.txt", kReadme);
    AboutTextState = -1;
    a.Open([&c](TAboutBox& box) {
      for (std::size_t click = 0; click < c.byClicks.size(); ++click) {
        if (click > 0)
          box.ProgramIcon.OnClick(box.ProgramIcon);
        const Shown& s = c.byClicks[click];
        const std::string where = std::string("licence ") + (c.licence ? "yes" : "no") +
                                  ", read-me " + (c.readme ? "yes" : "no") + ", after " +
                                  std::to_string(click) + " clicks";
        EXPECT_EQ(box.Caption(), s.caption) << where;
        EXPECT_EQ(box.Memo1.Lines(), s.lines) << where;
        EXPECT_EQ(AboutTextState, s.state) << where;
      }
    });
  }
}

TEST(AboutBox, NoTranslationTableIsReportedAndTheBoxOpensAsDesigned) {
  AboutFixture a;
  a.DiscFile("AutoLice.txt", kLicence);
  a.DiscFile("sound.kwp", "s.wav\r\n\r\na.wav\r\n\r\n");
  a.DiscFile("a.wav", "");
  a.platform.versionInfos.begin()->second.translation.clear();
  ASSERT_TRUE(a.Start());
  a.platform.mciCommands.clear();
  AboutTextState = 2;
  TAboutBox& box = a.Open();
  EXPECT_EQ(a.platform.messages, (Messages{{"情報の取得に失敗しました.", "Tolvane", 0x10}}));
  EXPECT_EQ(box.Label1.Caption(), "Version");
  EXPECT_EQ(box.Label2.Caption(), "Copyright (C) Tolvane");
  EXPECT_EQ(box.Caption(), "バージョン情報");
  EXPECT_TRUE(box.Memo1.Lines().empty());
  EXPECT_EQ(AboutTextState, 2);
  EXPECT_EQ(a.platform.modalForms, Commands{"AboutBox"});
  // No About sound was started, so closing sends none either.
  EXPECT_EQ(a.platform.mciCommands, Commands{});
}

TEST(AboutBox, AnUnreadableTextIsReportedAndTheRestIsSkipped) {
  AboutFixture a;
  a.platform.AddUnreadableFile("Q:\\disc\\AutoLice.txt", 5);
  a.DiscFile("sound.kwp", "s.wav\r\n\r\na.wav\r\n\r\n");
  a.DiscFile("a.wav", "");
  ASSERT_TRUE(a.Start());
  a.platform.mciCommands.clear();
  TAboutBox& box = a.Open();
  EXPECT_EQ(a.platform.messages, (Messages{{"File access denied.", "Tolvane", 0x10}}));
  EXPECT_EQ(box.Caption(), "About");
  EXPECT_EQ(box.Label1.Caption(), "1.98");
  EXPECT_EQ(a.platform.mciCommands, Commands{});
}

struct SoundCase {
  const char* what;
  std::string soundList;  // "" for none
  bool aboutFileExists;
  Commands onOpening;
  Commands onClosing;
};

TEST(AboutBox, SoundsSwapWhileTheBoxIsOpen) {
  const Commands opening = {"open \"Q:\\disc\\s.wav\" alias FILE", "close File",
                            "open \"Q:\\disc\\a.wav\" alias FILE", "Play File notify"};
  const Commands closing = {"close FILE", "open \"Q:\\disc\\s.wav\" alias FILE", "Play File wait"};
  const SoundCase cases[] = {
      {"an About sound", "s.wav\r\nwait\r\na.wav\r\nnotify\r\n", true, opening, closing},
      {"an About sound file that is missing",
       "s.wav\r\nwait\r\na.wav\r\nnotify\r\n",
       false,
       {},
       {}},
      {"a sound list without an About group", "s.wav\r\nwait\r\n", true, {}, {}},
      {"no sound list", "", true, {}, {}},
  };
  for (const SoundCase& c : cases) {
    AboutFixture a;
    a.DiscFile("s.wav", "");
    if (!c.soundList.empty())
      a.DiscFile("sound.kwp", c.soundList);
    if (c.aboutFileExists)
      a.DiscFile("a.wav", "");
    ASSERT_TRUE(a.Start());
    a.platform.mciCommands.clear();
    Commands whileOpen;
    a.Open([&](TAboutBox& box) {
      whileOpen = a.platform.mciCommands;
      a.platform.mciCommands.clear();
      box.Close();
    });
    EXPECT_EQ(whileOpen, c.onOpening) << c.what;
    EXPECT_EQ(a.platform.mciCommands, c.onClosing) << c.what;
  }
}

TEST(AboutBox, EnterInTheMemoClosesWithCancelAndNoCharacterGetsThrough) {
  AboutFixture a;
  struct Key {
    char typed;
    bool closes;
  };
  for (const Key k : {Key{'a', false}, Key{'\x03', false}, Key{'\x81', false}, Key{'\r', true}}) {
    bool closed = false;
    int result = -1;
    char key = k.typed;
    TAboutBox& box = a.Open([&](TAboutBox& b) {
      b.Memo1.OnKeyPress(b.Memo1, key);
      closed = b.Closed();
    });
    result = box.ModalResult();
    EXPECT_EQ(key, 0) << int(k.typed);
    EXPECT_EQ(closed, k.closes) << int(k.typed);
    if (k.closes) {
      EXPECT_EQ(result, kModalCancel);
    }
  }
}

TEST(AboutBox, OkEndsWithResultOk) {
  AboutFixture a;
  TAboutBox& box = a.Open([](TAboutBox& b) { b.OKButton.OnClick(b.OKButton); });
  EXPECT_TRUE(box.Closed());
  EXPECT_EQ(box.ModalResult(), kModalOk);
}

TEST(AboutBox, EveryOpeningIsANewBoxThatReadsEverythingAgain) {
  AboutFixture a;
  a.DiscFile("AutoRun.txt", "first");
  TAboutBox& first = a.Open();
  const std::size_t queries = a.platform.versionQueries.size();
  a.DiscFile("AutoRun.txt", "second");
  TAboutBox& second = a.Open();
  EXPECT_NE(&first, &second);
  EXPECT_EQ(a.platform.versionQueries.size(), 2 * queries);
  EXPECT_EQ(first.Memo1.Lines(), Lines{"first"});
  EXPECT_EQ(second.Memo1.Lines(), Lines{"second"});
  EXPECT_EQ(a.platform.modalForms, (Commands{"AboutBox", "AboutBox"}));
}

TEST(AboutBox, ATextSavedAsUnicodeEndsAtItsFirstNulCharacter) {
  AboutFixture a;
  a.DiscFile("AutoLice.txt", testing::AsUtf16(u"許諾😀\r\n一\0見えない"s));
  EXPECT_EQ(a.Open().Memo1.Lines(), (Lines{"許諾?", "一"}));
}

TEST(AboutBox, DesignedAsAFixedDialog) {
  AboutFixture a;
  TAboutBox& box = a.Open();
  EXPECT_EQ(box.GetBorderStyle(), BorderStyle::Dialog);
  EXPECT_EQ(box.ClientWidth(), 386);
  EXPECT_EQ(box.ClientHeight(), 154);
  EXPECT_EQ(box.GetFont(), (Font{"MS UI Gothic", 12}));
  EXPECT_EQ(box.Label1.GetFont(), (Font{"MS UI Gothic", 13}));
  EXPECT_EQ(box.Memo1.Bounds(), (Rect{8, 56, 353, 73}));
  EXPECT_TRUE(box.OKButton.IsDefault());
  EXPECT_TRUE(box.ProgramIcon.ShowsProgramIcon());
  // Moved to a screen of 144 pixels per inch: the design in proportion, the
  // version label measured again in its font there (6.5 and 10 pixels a byte).
  const int versionWidth = box.Label1.Width();
  box.SetPixelsPerInch(144);
  EXPECT_EQ(box.ClientWidth(), 579);
  EXPECT_EQ(box.Memo1.Bounds(), (Rect{12, 84, 530, 110}));
  EXPECT_EQ(box.Label1.Width(), versionWidth * 20 / 13);
}

}  // namespace
}  // namespace tolvane
