// Fonts and colours of the control models.
#pragma once

#include <cstdint>
#include <string>

namespace tolvane {

using Color = std::uint32_t;  // 0x00BBGGRR, or 0x800000nn for system colour nn

inline constexpr Color kColorRed = 0x0000FF;
inline constexpr Color kColorInactiveCaption = 0x80000003;
inline constexpr Color kColorWindowText = 0x80000008;
inline constexpr Color kColorButtonFace = 0x8000000F;
inline constexpr int kShiftJisCharset = 128;

inline bool IsSystemColor(Color color) {
  return (color & 0xFF000000u) == 0x80000000u;
}

struct Font {
  std::string face;
  // Character height (internal leading excluded) in pixels at 96 pixels per
  // inch: a window on a denser screen makes the font in proportion.
  int height = 12;
  int charset = kShiftJisCharset;
  Color color = kColorWindowText;
  bool operator==(const Font&) const = default;
};

}  // namespace tolvane
