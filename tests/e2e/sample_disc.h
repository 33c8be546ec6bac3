// A small valid disc: an AutoRun.KWP of three entries and their files.
#pragma once

#include <string_view>
#include <vector>

#include "fixture_disc.h"

namespace e2e {

std::vector<DiscFile> SampleDisc();
// The same disc with its menu saved as UTF-8 without a mark.
std::vector<DiscFile> SampleDiscSavedAsUtf8();

// A menu of entries that all describe themselves with the disc's readme.txt.
std::vector<DiscFile> MenuOf(const std::vector<std::string_view>& captions);

// The captions of SampleDisc's menu, in file order. "ソ" is 0x83 0x5C in
// code page 932: a trail byte that is a backslash.
inline const std::vector<std::string_view> kSampleCaptions = {
    "はじめにお読みください",
    "ソフトウェアのインストール",
    "ホームページ",
};

}  // namespace e2e
