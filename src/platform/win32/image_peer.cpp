// A picture: the program's own icon, stretched to the control's size.
#include "platform/win32/form_peer.h"
#include "platform/win32/memo_image_peers.h"

namespace tolvane::win32 {

namespace {

// The program's icon as designed, before the control stretches it: the
// resource's image of this size at the window's density.
constexpr int kIconSize = 32;

class ImagePeer final : public ChildPeer {
 public:
  ImagePeer(FormPeer& owner, Image& image) : ChildPeer(owner, image), image_(image) {}
  ~ImagePeer() override {
    if (icon_ != nullptr)
      DestroyIcon(icon_);
  }

  void DpiChanged() override {
    // Shown at its new size before the old one goes.
    HICON old = icon_;
    icon_ = nullptr;
    Apply(Property::Content);
    if (old != nullptr)
      DestroyIcon(old);
  }

  void Create() override {
    // SS_NOTIFY: a click comes back as STN_CLICKED.
    CreateChildWindow(WC_STATICW, SS_ICON | SS_REALSIZECONTROL | SS_NOTIFY);
  }

  void Command(UINT code) override {
    if (code == STN_CLICKED)
      owner_.Raise(image_.OnClick, image_);
  }

  HBRUSH Colors(HDC dc) override { return ModelColors(dc); }

 protected:
  void Apply(Property property) override {
    if (property != Property::Content || hwnd_ == nullptr)
      return;
    HICON shown = nullptr;
    if (image_.ShowsProgramIcon() && icon_ == nullptr)
      icon_ = LoadProgramIcon(image_.Scaled(kIconSize));
    if (image_.ShowsProgramIcon())
      shown = icon_;
    SendMessageW(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(shown), 0);
    // The icon control sized itself to the icon: the model's size holds.
    Place();
  }

 private:
  Image& image_;
  HICON icon_ = nullptr;
};

}  // namespace

std::unique_ptr<ChildPeer> MakeImagePeer(FormPeer& owner, Image& image) {
  return std::make_unique<ImagePeer>(owner, image);
}

}  // namespace tolvane::win32
