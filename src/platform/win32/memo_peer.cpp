// A read-only multi-line text: an edit control that wraps its lines.
#include "platform/win32/form_peer.h"
#include "platform/win32/memo_image_peers.h"
#include "platform/win32/text_conversion.h"

namespace tolvane::win32 {

namespace {

class MemoPeer final : public ChildPeer {
 public:
  MemoPeer(FormPeer& owner, Memo& memo) : ChildPeer(owner, memo), memo_(memo) {}

  void Create() override {
    // No horizontal scrolling: lines wrap at the right edge.
    if (!CreateChildWindow(WC_EDITW,
                           ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                           WS_EX_CLIENTEDGE))
      return;
    // The default limit of 32767 characters would cut a long licence.
    SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
    HookMessages();
  }

  // A read-only edit asks for the colours of a static control.
  HBRUSH Colors(HDC dc) override { return ModelColors(dc); }

 protected:
  void Apply(Property property) override {
    if (property == Property::Content)
      SetWindowTextW(hwnd_, Widen(memo_.Text()).c_str());
  }

 private:
  Memo& memo_;
};

}  // namespace

std::unique_ptr<ChildPeer> MakeMemoPeer(FormPeer& owner, Memo& memo) {
  return std::make_unique<MemoPeer>(owner, memo);
}

}  // namespace tolvane::win32
