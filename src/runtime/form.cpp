#include "runtime/form.h"

#include "platform/platform.h"

namespace tolvane {

Form::Form(const char* name, Application& app) : Control(name, nullptr), app_(app) {
  SetVisible(false);
}

void Form::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  SetBounds({Left(), Top(), width + extraWidth_, height + extraHeight_});
  Realign();
}

void Form::SetFrameExtents(int extraWidth, int extraHeight) {
  extraWidth_ = extraWidth;
  extraHeight_ = extraHeight;
  SetBounds({Left(), Top(), clientWidth_ + extraWidth_, clientHeight_ + extraHeight_});
}

void Form::WindowResized(Rect outer, int clientWidth, int clientHeight) {
  const bool changed = outer.width != Width() || outer.height != Height() ||
                       clientWidth != clientWidth_ || clientHeight != clientHeight_;
  clientWidth_ = clientWidth;
  clientHeight_ = clientHeight;
  extraWidth_ = outer.width - clientWidth;
  extraHeight_ = outer.height - clientHeight;
  SetBounds(outer);
  Realign();
  if (changed && OnResize)
    OnResize(*this);
}

void Form::SetPixelsPerInch(int pixelsPerInch) {
  if (pixelsPerInch <= 0 || pixelsPerInch == pixelsPerInch_)
    return;
  const int old = pixelsPerInch_;
  pixelsPerInch_ = pixelsPerInch;
  SetClientSize(Rescale(clientWidth_, pixelsPerInch, old),
                Rescale(clientHeight_, pixelsPerInch, old));
  ScaleChanged(old);
}

int Form::LayoutWidth() const {
  if (pixelsPerInch_ == kDesignPixelsPerInch)
    return Width();
  return clientWidth_ + Scaled(kDesignFrameWidth);
}

int Form::LayoutHeight() const {
  if (pixelsPerInch_ == kDesignPixelsPerInch)
    return Height();
  return clientHeight_ + Scaled(kDesignFrameHeight);
}

void Form::Show() {
  shown_ = true;
  SetVisible(true);
  if (ControlPeer* peer = Peer())
    peer->BringToFront();
}

bool Form::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery)
    OnCloseQuery(*this, canClose);
  return canClose;
}

int Form::ShowModal() {
  modalResult_ = kModalNone;
  closed_ = false;
  App().GetPlatform().RunModal(*this);
  if (modalResult_ == kModalNone)
    modalResult_ = kModalCancel;
  return modalResult_;
}

void Form::Close() {
  if (closed_ || !CloseQuery())
    return;
  closed_ = true;
  if (ControlPeer* peer = Peer())
    peer->CloseWindow();
}

}  // namespace tolvane
