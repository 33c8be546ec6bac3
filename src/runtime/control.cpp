#include "runtime/control.h"

#include <algorithm>

namespace tolvane {

void SortByKey(std::vector<Control*>& controls, int (*key)(const Control&)) {
  for (std::size_t i = 1; i < controls.size(); ++i) {
    Control* const moved = controls[i];
    const int movedKey = key(*moved);
    std::size_t j = i;
    for (; j > 0 && key(*controls[j - 1]) > movedKey; --j)
      controls[j] = controls[j - 1];
    controls[j] = moved;
  }
}

Control::Control(const char* name, Control* parent) : name_(name), parent_(parent) {
  if (parent_ != nullptr)
    parent_->children_.push_back(this);
}

int Control::PixelsPerInch() const {
  return parent_ != nullptr ? parent_->PixelsPerInch() : kDesignPixelsPerInch;
}

int Control::Scaled(int designPixels) const {
  return ScaleFromDesign(designPixels, PixelsPerInch());
}

void Control::Notify(Property property) {
  if (peer_ != nullptr)
    peer_->Changed(property);
}

void Control::SetBounds(Rect bounds) {
  bounds.width = std::max(bounds.width, 0);
  bounds.height = std::max(bounds.height, 0);
  if (bounds == bounds_)
    return;
  const bool resized = bounds.width != bounds_.width || bounds.height != bounds_.height;
  bounds_ = bounds;
  Notify(Property::Bounds);
  if (align_ != Align::None && parent_ != nullptr && !parent_->aligning_)
    parent_->Realign();
  if (resized)
    Realign();
  BoundsChanged();
}

namespace {
// Aligned siblings keep the order they stand in from left to right (or top to
// bottom); a later move does not reorder them.
int DockKey(const Control& control) {
  const Rect& r = control.Bounds();
  switch (control.GetAlign()) {
    case Align::Top:
      return r.top;
    case Align::Bottom:
      return -r.bottom();
    case Align::Left:
      return r.left;
    case Align::Right:
      return -r.right();
    default:
      return 0;
  }
}
}  // namespace

void Control::SetAlign(Align align) {
  align_ = align;
  dockKey_ = DockKey(*this);
}

void Control::Realign() {
  if (aligning_)
    return;
  aligning_ = true;
  Rect area = AlignArea();
  for (const Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
    std::vector<Control*> group;
    for (Control* child : children_)
      if (child->align_ == pass && child->visible_)
        group.push_back(child);
    SortByKey(group, [](const Control& c) { return c.dockKey_; });
    for (Control* c : group) {
      const Rect& b = c->bounds_;
      switch (pass) {
        case Align::Top:
          c->SetBounds({area.left, area.top, area.width, b.height});
          area.top += b.height;
          area.height -= b.height;
          break;
        case Align::Bottom:
          c->SetBounds({area.left, area.bottom() - b.height, area.width, b.height});
          area.height -= b.height;
          break;
        case Align::Left:
          c->SetBounds({area.left, area.top, b.width, area.height});
          area.left += b.width;
          area.width -= b.width;
          break;
        case Align::Right:
          c->SetBounds({area.right() - b.width, area.top, b.width, area.height});
          area.width -= b.width;
          break;
        default:
          c->SetBounds(area);
          break;
      }
    }
  }
  aligning_ = false;
}

void Control::SetCaption(std::string_view caption) {
  if (caption_ == caption)
    return;
  caption_ = caption;
  CaptionChanged();
  Notify(Property::Caption);
}

void Control::SetHint(std::string_view hint) {
  if (hint_ == hint)
    return;
  hint_ = hint;
  Notify(Property::Hint);
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled)
    return;
  enabled_ = enabled;
  Notify(Property::Enabled);
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible)
    return;
  visible_ = visible;
  Notify(Property::Visible);
  if (align_ != Align::None && parent_ != nullptr)
    parent_->Realign();
}

void Control::SetFont(const tolvane::Font& font) {
  if (font_ == font)
    return;
  font_ = font;
  CaptionChanged();
  Notify(Property::Font);
}

void Control::SetFocus() {
  if (peer_ != nullptr)
    peer_->SetFocus();
}

void Control::Repaint() {
  if (peer_ != nullptr)
    peer_->Repaint();
}

}  // namespace tolvane
