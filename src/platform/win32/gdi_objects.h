// Fonts, colours and brushes of the control models as GDI objects.
#pragma once

#include <vector>

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

  // The font for a screen of this density; nullptr when the system refuses it.
  HFONT FontOf(const Font& font, int pixelsPerInch);
  HBRUSH BrushOf(Color color);

 private:
  // A window uses a handful of each: one list searched in turn serves.
  struct Made {
    bool brush;
    Font font;       // a font's: its height in the screen's pixels
    COLORREF color;  // a brush's
    HGDIOBJ handle;
  };
  std::vector<Made> made_;
};

}  // namespace tolvane::win32
