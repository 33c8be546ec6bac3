#include "platform/win32/gdi_objects.h"

#include <algorithm>

#include "platform/win32/text_conversion.h"
#include "runtime/dpi.h"

namespace tolvane::win32 {

COLORREF NativeColor(Color color) {
  if (IsSystemColor(color))
    return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

GdiObjects::~GdiObjects() {
  for (const Made& made : made_)
    DeleteObject(made.handle);
}

HFONT GdiObjects::FontOf(const Font& font, int pixelsPerInch) {
  const int height = ScaleFromDesign(font.height, pixelsPerInch);
  // The colour is the text's, not the font's.
  for (const Made& made : made_)
    if (!made.brush && made.font.face == font.face && made.font.height == height &&
        made.font.charset == font.charset)
      return static_cast<HFONT>(made.handle);
  LOGFONTW log{};
  // A negative height asks for the character height, internal leading excluded.
  log.lfHeight = -height;
  log.lfWeight = FW_NORMAL;
  log.lfCharSet = static_cast<BYTE>(font.charset);
  log.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log.lfQuality = DEFAULT_QUALITY;
  log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = Widen(font.face);
  std::copy_n(face.c_str(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), log.lfFaceName);
  HFONT handle = CreateFontIndirectW(&log);
  if (handle != nullptr)
    made_.push_back({false, {font.face, height, font.charset}, 0, handle});
  return handle;
}

HBRUSH GdiObjects::BrushOf(Color color) {
  if (IsSystemColor(color))
    return GetSysColorBrush(static_cast<int>(color & 0xFF));
  const COLORREF rgb = NativeColor(color);
  for (const Made& made : made_)
    if (made.brush && made.color == rgb)
      return static_cast<HBRUSH>(made.handle);
  HBRUSH brush = CreateSolidBrush(rgb);
  if (brush != nullptr)
    made_.push_back({true, {}, rgb, brush});
  return brush;
}

}  // namespace tolvane::win32
