#include "message_box.h"

#include <vector>

#include "check.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr DWORD kPaintTimeoutMs = 5000;

// Pixels as 0x00RRGGBB, rows top-down.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<DWORD> data;
  DWORD At(int x, int y) const { return data[static_cast<std::size_t>(y * width + x)]; }
};

// A top-down 32-bit DIB section selected into a memory DC.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  Pixels Read() const {
    GdiFlush();
    Pixels pixels{width_, height_, {}};
    const auto* begin = static_cast<const DWORD*>(bits_);
    pixels.data.assign(begin, begin + width_ * height_);
    for (DWORD& p : pixels.data)
      p &= 0x00FFFFFF;
    return pixels;
  }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  void* bits_ = nullptr;
};

HWND FindIconControl(HWND box) {
  HWND found = nullptr;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM param) CALLBACK -> BOOL {
        if (lstrcmpiW(ClassName(child).c_str(), L"Static") != 0)
          return TRUE;
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
          return TRUE;
        *reinterpret_cast<HWND*>(param) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

Pixels CaptureClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  Canvas canvas(client.right, client.bottom);
  const HDC screen = GetDC(nullptr);
  BitBlt(canvas.Dc(), 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return canvas.Read();
}

// The system icon as the icon control draws it: stretched to its client
// area, over the background colour.
Pixels RenderIcon(LPCWSTR iconId, int width, int height, DWORD background) {
  Canvas canvas(width, height);
  const HBRUSH brush =
      CreateSolidBrush(RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
  const RECT all{0, 0, width, height};
  FillRect(canvas.Dc(), &all, brush);
  DeleteObject(brush);
  DrawIconEx(canvas.Dc(), 0, 0, LoadIconW(nullptr, iconId), width, height, 0, nullptr, DI_NORMAL);
  return canvas.Read();
}

// The share of pixels that differ clearly in some colour channel.
double Difference(const Pixels& a, const Pixels& b) {
  int differing = 0;
  for (std::size_t i = 0; i < a.data.size(); ++i) {
    for (int shift = 0; shift <= 16; shift += 8) {
      const int ca = static_cast<int>((a.data[i] >> shift) & 0xFF);
      const int cb = static_cast<int>((b.data[i] >> shift) & 0xFF);
      if (ca - cb > 48 || cb - ca > 48) {
        ++differing;
        break;
      }
    }
  }
  return a.data.empty() ? 1.0 : static_cast<double>(differing) / a.data.size();
}

BoxIcon ClassifyOnce(HWND iconControl) {
  const Pixels shown = CaptureClient(iconControl);
  if (shown.width == 0 || shown.height == 0)
    return BoxIcon::Unknown;
  // The corners of the standard icons are transparent.
  const DWORD background = shown.At(0, 0);
  struct Candidate {
    BoxIcon icon;
    LPCWSTR id;
  };
  const Candidate candidates[] = {
      {BoxIcon::Exclamation, IDI_EXCLAMATION},
      {BoxIcon::Hand, IDI_HAND},
      {BoxIcon::Asterisk, IDI_ASTERISK},
      {BoxIcon::Question, IDI_QUESTION},
  };
  BoxIcon best = BoxIcon::Unknown;
  double bestDifference = 0.05;  // a real match differs in blending at most
  for (const Candidate& c : candidates) {
    const double d = Difference(shown, RenderIcon(c.id, shown.width, shown.height, background));
    if (d < bestDifference) {
      bestDifference = d;
      best = c.icon;
    }
  }
  return best;
}

}  // namespace

std::string_view IconName(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None:
      return "no icon";
    case BoxIcon::Exclamation:
      return "exclamation";
    case BoxIcon::Hand:
      return "hand (error)";
    case BoxIcon::Asterisk:
      return "asterisk (information)";
    case BoxIcon::Question:
      return "question";
    case BoxIcon::Unknown:
      return "an unknown icon";
  }
  return "?";
}

std::wstring MessageBoxText(HWND box) {
  const HWND text = GetDlgItem(box, kMessageTextId);
  return text ? WindowText(text) : std::wstring();
}

BoxIcon MessageBoxIcon(HWND box) {
  const HWND iconControl = FindIconControl(box);
  if (!iconControl)
    return BoxIcon::None;
  // The box may not have been painted yet when it is first found.
  BoxIcon icon = BoxIcon::Unknown;
  WaitUntil(kPaintTimeoutMs, [&] {
    icon = ClassifyOnce(iconControl);
    return icon != BoxIcon::Unknown;
  });
  return icon;
}

bool AnswerMessageBox(HWND box, int buttonId) {
  const HWND button = GetDlgItem(box, buttonId);
  if (!button)
    return false;
  DWORD_PTR result = 0;
  SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  return true;
}

void ExpectMessageBox(HWND box, const ExpectedBox& expected) {
  ExpectText("message text", expected.text, MessageBoxText(box));
  ExpectText("message caption", expected.caption, WindowText(box));
  const BoxIcon icon = MessageBoxIcon(box);
  if (icon != expected.icon)
    Fail("message icon: expected " + std::string(IconName(expected.icon)) + ", got " +
         std::string(IconName(icon)));
}

}  // namespace e2e
