#include "platform/win32/rich_edit_peer.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/form_peer.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/text_conversion.h"
#include "runtime/controls.h"
#include "runtime/rtf_text.h"

namespace tolvane::win32 {

namespace {

struct MemoryStream {
  const std::string& bytes;
  std::size_t unit = 1;  // bytes a character: 2 for UTF-16
  std::size_t position = 0;

  // The character at `index` (a multiple of the unit) is `c`.
  bool Is(std::size_t index, char c) const {
    return bytes[index] == c && (unit == 1 || bytes[index + 1] == '\0');
  }
};

DWORD CALLBACK ReadMemory(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* stream = reinterpret_cast<MemoryStream*>(cookie);
  const std::size_t left = stream->bytes.size() - stream->position;
  std::size_t count = std::min(left, static_cast<std::size_t>(std::max(wanted, LONG{0})));
  count -= count % stream->unit;
  // A chunk that ends between CR and LF makes the control read two line
  // ends, an empty line the text does not have: the CR waits for the next one.
  const std::size_t end = stream->position + count;
  if (count > stream->unit && count < left && stream->Is(end - stream->unit, '\r') &&
      stream->Is(end, '\n'))
    count -= stream->unit;
  std::memcpy(buffer, stream->bytes.data() + stream->position, count);
  stream->position += count;
  *given = static_cast<LONG>(count);
  return 0;
}

// A text longer than this is not removed but left with its control
// (RenewIfLong): from about here a new control is the quicker of the two.
constexpr LRESULT kLongText = 8192;

// A document longer than this is streamed into a control that shows its
// vertical scroll bar already (ShowVerticalScrollBar).
constexpr std::size_t kLongDocument = 1024;

// Hides or shows a window where it is, without repainting anything.
constexpr UINT kQuietly =
    SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER;

// Twips from design pixels (at 96 pixels per inch): a size in points, which
// the control shows in its screen's pixels.
LONG Twips(int pixels) {
  return static_cast<LONG>(pixels) * 1440 / 96;
}

}  // namespace

RichEditPeer::RichEditPeer(FormPeer& owner, RichEdit& edit) : ChildPeer(owner, edit), edit_(edit) {}

void RichEditPeer::Create() {
  // Without the rich edit DLL the pane stays windowless and the model keeps the text.
  if (owner_.RichEditClass().empty())
    return;
  // Flat: no border of its own.
  if (!CreateChildWindow(owner_.RichEditClass().c_str(), ES_MULTILINE | ES_READONLY | WS_VSCROLL |
                                                             WS_HSCROLL | ES_AUTOVSCROLL |
                                                             WS_TABSTOP)) {
    return;
  }
  // The default limit of 32767 characters would cut long documents.
  SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageW(hwnd_, EM_SETBKGNDCOLOR, 0, NativeColor(edit_.BackgroundColor()));
  HookMessages();
}

void RichEditPeer::Apply(Property property) {
  switch (property) {
    case Property::Content:
      LoadContent();
      break;
    case Property::WordWrap:
      // A null target device with width 0 wraps at the window's edge; 1 does not wrap.
      OutOfView([&] { SendMessageW(hwnd_, EM_SETTARGETDEVICE, 0, edit_.WordWrap() ? 0 : 1); });
      break;
    default:
      break;
  }
}

void RichEditPeer::ApplyFont() {
  if (hwnd_ == nullptr)
    return;
  OutOfView([&] {
    ApplyCharFormat(SCF_DEFAULT);
    ApplyCharFormat(SCF_ALL);
  });
}

template <typename Work>
void RichEditPeer::OutOfView(const Work& work) {
  // Some rich edit controls (Wine's among them) repaint at once, twice,
  // after every text they take while visible, and take it more slowly then:
  // a selection, with its several changes, cost a repaint of the pane for
  // each. Hidden, the control only takes the change; shown again, it is
  // repainted once with the next messages, so the user sees the same. A
  // focused pane stays in view: hiding it would move the focus.
  if (outOfView_ || hwnd_ == nullptr || !IsWindowVisible(hwnd_) || GetFocus() == hwnd_) {
    work();
    return;
  }
  struct Hidden {
    RichEditPeer& peer;
    explicit Hidden(RichEditPeer& p) : peer(p) {
      peer.outOfView_ = true;
      SetWindowPos(peer.hwnd_, nullptr, 0, 0, 0, 0, kQuietly | SWP_HIDEWINDOW);
    }
    ~Hidden() {
      peer.outOfView_ = false;
      if (peer.hwnd_ == nullptr)
        return;
      SetWindowPos(peer.hwnd_, nullptr, 0, 0, 0, 0, kQuietly | SWP_SHOWWINDOW);
      RedrawWindow(peer.hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
    Hidden(const Hidden&) = delete;
    Hidden& operator=(const Hidden&) = delete;
  } hidden(*this);
  work();
}

void RichEditPeer::ApplyCharFormat(WPARAM scope) {
  const Font& font = edit_.GetFont();
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  // Regular weight and no effects: some controls start in a bold system font.
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC |
                  CFM_UNDERLINE | CFM_STRIKEOUT;
  format.dwEffects = 0;  // and no automatic colour: the model's colour applies
  format.yHeight = Twips(font.height);
  format.crTextColor = NativeColor(font.color);
  format.bCharSet = static_cast<BYTE>(font.charset);
  format.bPitchAndFamily = DEFAULT_PITCH;
  const std::wstring face = Widen(font.face);
  std::copy_n(face.c_str(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), format.szFaceName);
  SendMessageW(hwnd_, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&format));
}

LRESULT RichEditPeer::StreamIn(const std::string& bytes, WPARAM format) {
  MemoryStream stream{bytes, (format & SF_UNICODE) != 0 ? 2u : 1u};
  EDITSTREAM callback{};
  callback.dwCookie = reinterpret_cast<DWORD_PTR>(&stream);
  callback.pfnCallback = ReadMemory;
  // The count of characters taken tells success: dwError is set by some
  // versions of the control even when every byte arrived.
  return SendMessageW(hwnd_, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&callback));
}

LRESULT RichEditPeer::TextLength() const {
  GETTEXTLENGTHEX measure{GTL_NUMCHARS, 1200};
  return SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure), 0);
}

void RichEditPeer::RenewIfLong() {
  // Some rich edit controls (Wine's among them) take time that grows with the
  // square of the paragraphs to remove a long text: leaving a 2 MB description
  // took more than half an hour. A new, empty control in its place is ready at
  // once. The old one goes first: under Wine a rich edit that was created while
  // another existed takes no more text once that other one is destroyed.
  if (TextLength() <= kLongText)
    return;
  HWND old = hwnd_;
  const bool focused = GetFocus() == old;
  HWND after = GetWindow(old, GW_HWNDPREV);
  // The hints go with the text and come back with the new control: what the
  // tooltip window allocated while the long text was there would hold on to
  // the memory the text took (tens of megabytes after a 2 MB document).
  const bool hinted = owner_.DropTooltips();
  DestroyWindow(old);
  hwnd_ = nullptr;
  Create();
  if (hinted)
    owner_.CreateTooltips();
  if (hwnd_ == nullptr)
    return;
  UINT place = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  if (outOfView_)
    place |= SWP_HIDEWINDOW | SWP_NOREDRAW;
  SetWindowPos(hwnd_, after != nullptr ? after : HWND_TOP, 0, 0, 0, 0, place);
  ApplyFont();
  Changed(Property::Hint);
  Apply(Property::WordWrap);
  if (focused)
    ::SetFocus(hwnd_);
}

void RichEditPeer::LoadContent() {
  text_.reset();
  unloaded_ = false;
  OutOfView([&] {
    RenewIfLong();
    if (hwnd_ == nullptr)
      return;
    // A pane out of sight (the line buffer of a combined document) would lay
    // out for nothing a text that only its lines are read of, and laying out
    // long lines without wrapping takes Wine's control seconds. The model
    // reads the text itself where it can; the control gets it when shown.
    if (!owner_.ShownOf(control_) && edit_.OwnText()) {
      if (TextLength() > 0)
        StreamIn({}, SF_TEXT);
      unloaded_ = true;
      return;
    }
    // Plain text in the pane's font: the emptied control takes the format
    // first and the text takes it from there, instead of every character
    // being formatted again after it was laid out.
    const bool rich = edit_.IsRichText();
    if (!rich && TextLength() > 0)
      StreamIn({}, SF_TEXT);
    if (edit_.Content().size() > kLongDocument)
      ShowVerticalScrollBar();
    // The model decided by the header what the document is; an RTF document
    // that gives no characters ("{\rtf1 }", a font table only) is an empty
    // rich text, not markup to show.
    if (rich) {
      StreamIn(PrepareRtfForControl(edit_.Content()), SF_RTF);
      return;
    }
    ApplyCharFormat(SCF_ALL);
    // A text that came as Unicode keeps the characters code page 932 lacks.
    const std::wstring wide =
        edit_.UnicodeText().empty() ? Widen(edit_.Content()) : WidenUtf8(edit_.UnicodeText());
    const std::string utf16(reinterpret_cast<const char*>(wide.data()),
                            wide.size() * sizeof(wchar_t));
    StreamIn(utf16, SF_TEXT | SF_UNICODE);
  });
}

void RichEditPeer::ShowVerticalScrollBar() {
  // Wine's control takes a text several times more slowly when its vertical
  // scroll bar is not shown as the text begins to arrive. Enough empty lines
  // to overflow the pane make the control show it by itself, so that it also
  // hides it again after a document that turns out to fit; the document
  // replaces the lines.
  if ((GetWindowLongW(hwnd_, GWL_STYLE) & WS_VSCROLL) != 0)
    return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int lines = client.bottom / std::max(edit_.GetFont().height, 1) + 2;
  StreamIn(std::string(static_cast<std::size_t>(lines), '\r'), SF_TEXT);
}

void RichEditPeer::UpdateShown() {
  if (unloaded_ && owner_.ShownOf(control_))
    LoadContent();
  ChildPeer::UpdateShown();
}

std::optional<std::string> RichEditPeer::ReadText() {
  if (hwnd_ == nullptr || unloaded_)
    return std::nullopt;
  if (text_)
    return text_;
  GETTEXTLENGTHEX measure{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
  const auto length =
      SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure), 0);
  if (length < 0)
    return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GETTEXTEX get{};
  get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  get.flags = GT_USECRLF;
  get.codepage = 1200;
  const auto copied = SendMessageW(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
  // Paragraphs end in CR inside the control.
  text_ = Narrow(WithCrLf(text));
  return text_;
}

void RichEditPeer::Scroll(int code) {
  if (hwnd_ != nullptr)
    SendMessageW(hwnd_, EM_SCROLL, static_cast<WPARAM>(code), 0);
}

void RichEditPeer::CopySelection() {
  if (hwnd_ != nullptr)
    SendMessageW(hwnd_, WM_COPY, 0, 0);
}

void RichEditPeer::SelectAll() {
  if (hwnd_ != nullptr)
    SendMessageW(hwnd_, EM_SETSEL, 0, -1);
}

void RichEditPeer::SetParagraphAlignment(int alignment) {
  if (hwnd_ == nullptr)
    return;
  PARAFORMAT2 format{};
  format.cbSize = sizeof(format);
  format.dwMask = PFM_ALIGNMENT;
  format.wAlignment = alignment == 1 ? PFA_RIGHT : alignment == 2 ? PFA_CENTER : PFA_LEFT;
  SendMessageW(hwnd_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

}  // namespace tolvane::win32
