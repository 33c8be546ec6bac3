// Fonts, colours and brushes of the control models as GDI objects.
#pragma once

#include <map>
#include <tuple>

#include "platform/win32/win32.h"
#include "runtime/font.h"

namespace tolvane::win32 {

// A model colour: a system colour 0x800000nn or an RGB value.
COLORREF NativeColor(Color color);

// Keeps one GDI font per model font and one brush per colour for as long as
// the windows that use them live.
class GdiObjects {
 public:
  GdiObjects() = default;
  ~GdiObjects();
  GdiObjects(const GdiObjects&) = delete;
  GdiObjects& operator=(const GdiObjects&) = delete;

  // nullptr when the system refuses the font.
  HFONT FontOf(const Font& font);
  HBRUSH BrushOf(Color color);

 private:
  using FontKey = std::tuple<std::string, int, int>;
  std::map<FontKey, HFONT> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace tolvane::win32
