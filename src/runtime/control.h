// Controls as models. A control keeps its own state; in the program a native
// peer mirrors every change and raises the events bound here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/callback.h"
#include "runtime/dpi.h"
#include "runtime/font.h"

namespace tolvane {

class Control;
class PopupMenu;

enum class Align { None, Top, Bottom, Left, Right, Client };

// What a control is, for the native side that makes its peer. Forms and
// panels are plain.
enum class ControlKind {
  Plain,
  Button,
  CheckBox,
  Label,
  GroupBox,
  ListBox,
  RichEdit,
  Memo,
  Image,
  Splitter,
};

enum class Property {
  Caption,
  Hint,
  Enabled,
  Visible,
  Bounds,
  Font,
  Items,
  ItemIndex,
  Checked,
  Content,
  WordWrap,
  HorizontalExtent,
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

// The native side of a control. Every method has a harmless default so that a
// peer implements only what its kind of control needs.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Changed(Property) {}
  virtual void Repaint() {}
  virtual void SetFocus() {}
  virtual bool Focused() const { return false; }
  // The text as the native control holds it, when it can tell.
  virtual std::optional<std::string> ReadText() { return std::nullopt; }
  virtual void Scroll(int /*code*/) {}
  virtual void CopySelection() {}
  virtual void SelectAll() {}
  virtual void SetParagraphAlignment(int /*alignment*/) {}
  virtual void BringToFront() {}
  virtual void CloseWindow() {}
};

// Virtual key codes the handlers look at.
inline constexpr unsigned short kKeyEnter = 13;
inline constexpr unsigned short kKeySpace = 32;
inline constexpr unsigned short kKeyPageUp = 33;
inline constexpr unsigned short kKeyPageDown = 34;
inline constexpr unsigned short kKeyUp = 0x26;
inline constexpr unsigned short kKeyDown = 0x28;

using NotifyEvent = Callback<void(Control& sender)>;
// Key down and key up: the key may be changed (0 consumes it).
using KeyEvent = Callback<void(Control& sender, unsigned short& key, bool shift)>;
// A typed character (one byte); 0 consumes it.
using KeyPressEvent = Callback<void(Control& sender, char& key)>;

// Orders controls by a key; controls with equal keys keep their order. The
// lists are a window's few controls: a plain insertion sort serves them.
void SortByKey(std::vector<Control*>& controls, int (*key)(const Control&));

class Control {
 public:
  // Names are the program's own literals: a pointer is all a caller passes.
  Control(const char* name, Control* parent);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  virtual ControlKind Kind() const { return ControlKind::Plain; }
  Control* Parent() const { return parent_; }
  const std::vector<Control*>& Children() const { return children_; }

  Align GetAlign() const { return align_; }
  // Set after the design bounds: they fix the control's place among its aligned siblings.
  void SetAlign(Align align);

  const Rect& Bounds() const { return bounds_; }
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  void SetBounds(Rect bounds);
  void SetLeft(int left) { SetBounds({left, bounds_.top, bounds_.width, bounds_.height}); }
  void SetTop(int top) { SetBounds({bounds_.left, top, bounds_.width, bounds_.height}); }
  void SetWidth(int width) { SetBounds({bounds_.left, bounds_.top, width, bounds_.height}); }
  void SetHeight(int height) { SetBounds({bounds_.left, bounds_.top, bounds_.width, height}); }
  // The density of the screen the control's window is on; its bounds are
  // pixels of that screen, its font's height is a design length.
  virtual int PixelsPerInch() const;
  // A design length in the control's pixels.
  int Scaled(int designPixels) const;
  // The area of this control that aligned children share, in its own coordinates.
  virtual Rect AlignArea() const { return {0, 0, bounds_.width, bounds_.height}; }
  // Places the aligned children again.
  void Realign();

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  const tolvane::Font& GetFont() const { return font_; }
  void SetFont(const tolvane::Font& font);
  Color BackgroundColor() const { return background_; }
  void SetBackgroundColor(Color color) { background_ = color; }
  // -1: never takes the focus.
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }
  PopupMenu* Popup() const { return popup_; }
  void SetPopup(PopupMenu* popup) { popup_ = popup; }

  ControlPeer* Peer() const { return peer_; }
  void SetPeer(ControlPeer* peer) { peer_ = peer; }
  bool Focused() const { return peer_ != nullptr && peer_->Focused(); }
  void SetFocus();
  void Repaint();

  NotifyEvent OnClick;
  NotifyEvent OnDblClick;
  KeyEvent OnKeyDown;
  KeyEvent OnKeyUp;
  KeyPressEvent OnKeyPress;

 protected:
  // Controls are members of their form and are never deleted through a base
  // class: no virtual destructor, which saves one pair per kind of control.
  ~Control() = default;
  void Notify(Property property);
  virtual void BoundsChanged() {}
  virtual void CaptionChanged() {}

 private:
  std::string name_;
  Control* parent_;
  std::vector<Control*> children_;
  Align align_ = Align::None;
  int dockKey_ = 0;
  bool aligning_ = false;
  Rect bounds_;
  std::string caption_;
  std::string hint_;
  bool showHint_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  tolvane::Font font_;
  Color background_ = kColorButtonFace;
  int tabOrder_ = -1;
  PopupMenu* popup_ = nullptr;
  ControlPeer* peer_ = nullptr;
};

}  // namespace tolvane
