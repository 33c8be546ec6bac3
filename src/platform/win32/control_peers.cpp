// Buttons, check boxes, labels, group boxes, list boxes and the spacer panels.
#include "platform/win32/control_peers.h"

#include <algorithm>

#include "platform/win32/form_peer.h"
#include "platform/win32/memo_image_peers.h"
#include "platform/win32/rich_edit_peer.h"
#include "platform/win32/splitter_peer.h"
#include "platform/win32/text_conversion.h"
#include "runtime/controls.h"

namespace tolvane::win32 {

namespace {

class ButtonPeer final : public ChildPeer {
 public:
  using ChildPeer::ChildPeer;
  void Create() override {
    const bool isDefault = static_cast<Button&>(control_).IsDefault();
    CreateChildWindow(WC_BUTTONW, (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP);
  }
  void Command(UINT code) override {
    if (code == BN_CLICKED)
      owner_.Raise(control_.OnClick, control_);
  }
};

class CheckBoxPeer final : public ChildPeer {
 public:
  CheckBoxPeer(FormPeer& owner, CheckBox& box) : ChildPeer(owner, box), box_(box) {}
  void Create() override { CreateChildWindow(WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP); }
  void Command(UINT code) override {
    if (code != BN_CLICKED)
      return;
    const bool checked = SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    // The model raises OnClick itself when the state changes.
    owner_.Dispatch([this, checked] { box_.SetChecked(checked); });
  }
  HBRUSH Colors(HDC dc) override { return ModelColors(dc); }

 protected:
  void Apply(Property property) override {
    if (property == Property::Checked)
      SendMessageW(hwnd_, BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  }

 private:
  CheckBox& box_;
};

class LabelPeer final : public ChildPeer {
 public:
  using ChildPeer::ChildPeer;
  void Create() override { CreateChildWindow(WC_STATICW, SS_LEFT | SS_NOPREFIX); }
  HBRUSH Colors(HDC dc) override { return ModelColors(dc); }
};

class GroupBoxPeer final : public ChildPeer {
 public:
  using ChildPeer::ChildPeer;
  void Create() override {
    if (CreateChildWindow(WC_BUTTONW, BS_GROUPBOX))
      HookMessages();
  }
  HBRUSH Colors(HDC dc) override { return ModelColors(dc); }

 protected:
  // A group box draws only its frame and caption; the form clips its
  // children, so the inside would show whatever was on the screen before.
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_ERASEBKGND)
      return PassOn(window, message, wParam, lParam);
    RECT inside{};
    GetClientRect(window, &inside);
    FillRect(reinterpret_cast<HDC>(wParam), &inside,
             owner_.Gdi().BrushOf(control_.BackgroundColor()));
    return 1;
  }
};

class ListBoxPeer final : public ChildPeer {
 public:
  ListBoxPeer(FormPeer& owner, ListBox& list) : ChildPeer(owner, list), list_(list) {}
  void Create() override {
    // Without WS_HSCROLL the horizontal extent shows no scroll bar.
    CreateChildWindow(WC_LISTBOXW, LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT |
                                       WS_BORDER | WS_TABSTOP);
    HookMessages();
  }

  void Command(UINT code) override {
    if (code == LBN_SELCHANGE) {
      const auto index = static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
      following_ = true;
      list_.SetItemIndex(index);
      following_ = false;
      owner_.Raise(list_.OnClick, list_);
    } else if (code == LBN_DBLCLK) {
      owner_.Raise(list_.OnDblClick, list_);
    }
  }

 protected:
  void Apply(Property property) override {
    switch (property) {
      case Property::Items:
        FillItems();
        break;
      case Property::ItemIndex:
        // The window reported this selection itself.
        if (!following_)
          SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0);
        break;
      case Property::HorizontalExtent:
        SendMessageW(hwnd_, LB_SETHORIZONTALEXTENT,
                     static_cast<WPARAM>(std::max(list_.HorizontalExtent(), 0)), 0);
        break;
      default:
        break;
    }
  }

 private:
  void FillItems() {
    const auto& items = list_.Items();
    const auto count = static_cast<std::size_t>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0));
    // The list is filled one line at a time: add only the new line.
    if (count + 1 == items.size()) {
      SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(items.back()).c_str()));
      return;
    }
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
      SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0);
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  ListBox& list_;
  bool following_ = false;
};

// A spacer panel has no window; what it holds still moves with it.
class WindowlessPeer final : public ChildPeer {
 public:
  using ChildPeer::ChildPeer;
  void Create() override {}
};

}  // namespace

std::unique_ptr<ChildPeer> MakePeer(FormPeer& owner, Control& control) {
  switch (control.Kind()) {
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxPeer>(owner, static_cast<CheckBox&>(control));
    case ControlKind::Button:
      return std::make_unique<ButtonPeer>(owner, control);
    case ControlKind::Label:
      return std::make_unique<LabelPeer>(owner, control);
    case ControlKind::GroupBox:
      return std::make_unique<GroupBoxPeer>(owner, control);
    case ControlKind::ListBox:
      return std::make_unique<ListBoxPeer>(owner, static_cast<ListBox&>(control));
    case ControlKind::RichEdit:
      return std::make_unique<RichEditPeer>(owner, static_cast<RichEdit&>(control));
    case ControlKind::Splitter:
      return std::make_unique<SplitterPeer>(owner, static_cast<Splitter&>(control));
    case ControlKind::Memo:
      return MakeMemoPeer(owner, static_cast<Memo&>(control));
    case ControlKind::Image:
      return MakeImagePeer(owner, static_cast<Image&>(control));
    case ControlKind::Plain:
      break;
  }
  return std::make_unique<WindowlessPeer>(owner, control);
}

}  // namespace tolvane::win32
