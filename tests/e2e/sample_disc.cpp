#include "sample_disc.h"

#include "text.h"

namespace e2e {

namespace {

constexpr std::string_view kSampleMenu =
    "はじめにお読みください\r\n"
    ".\r\n"
    "readme.txt\r\n"
    "ソフトウェアのインストール\r\n"
    "setup\r\n"
    "setup.exe\r\n"
    "ホームページ\r\n"
    ".\r\n"
    "http://www.example.com/\r\n";

}  // namespace

std::vector<DiscFile> SampleDisc() {
  return {
      {"AutoRun.KWP", Cp932(kSampleMenu)},
      {"readme.txt", Cp932("このディスクの説明です。\r\n")},
      {"setup\\setup.exe", "MZ"},
  };
}

std::vector<DiscFile> SampleDiscSavedAsUtf8() {
  std::vector<DiscFile> files = SampleDisc();
  files[0].bytes = kSampleMenu;
  return files;
}

std::vector<DiscFile> MenuOf(const std::vector<std::string_view>& captions) {
  std::string menu;
  for (std::string_view caption : captions)
    menu += std::string(caption) + "\r\n.\r\nreadme.txt\r\n";
  return {{"AutoRun.KWP", Cp932(menu)}, {"readme.txt", Cp932("説明\r\n")}};
}

}  // namespace e2e
