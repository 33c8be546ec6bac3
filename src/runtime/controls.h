// runtime/: the small framework the windows are written against: cp932 text, the
// line reader, controls as models, the application object and its error display.
//
// The kinds of control the program's windows are made of.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/control.h"
#include "runtime/text_encoding.h"

namespace tolvane {

class Button final : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::Button; }
  // The button Enter presses in a dialog; drawn with a heavier frame.
  bool IsDefault() const { return default_; }
  void SetDefault(bool isDefault) { default_ = isDefault; }

 private:
  bool default_ = false;
};

class Panel final : public Control {
 public:
  using Control::Control;
};

class CheckBox final : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::CheckBox; }
  bool Checked() const { return checked_; }
  // A change of state raises OnClick, as a click by the user does.
  void SetChecked(bool checked);

 private:
  bool checked_ = false;
};

// Measures the width in pixels of a text in a font, on a screen of the given
// pixels per inch.
using TextMeasurer = Callback<int(const tolvane::Font&, std::string_view, int pixelsPerInch)>;

class Label final : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::Label; }
  // With a measurer the label sizes its width to its caption.
  void SetAutoSize(TextMeasurer measurer);
  // Sizes it again, as its window moved to a screen of another density.
  void AdjustBounds();

 protected:
  void CaptionChanged() override;

 private:
  TextMeasurer measurer_;
};

class GroupBox final : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::GroupBox; }
  // The frame and the caption band take their share of the area: the caption
  // band is as high as the caption's font, and the frame is two design pixels wide.
  Rect AlignArea() const override;
};

class ListBox final : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::ListBox; }
  const std::vector<std::string>& Items() const { return items_; }
  void AddItem(std::string_view item);
  void ClearItems();
  int ItemIndex() const { return itemIndex_; }
  // -1 clears the selection; an index outside the items does the same.
  void SetItemIndex(int index);
  int HorizontalExtent() const { return horizontalExtent_; }
  void SetHorizontalExtent(int extent);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int horizontalExtent_ = 0;
};

// Vertical scroll steps of a rich-text pane, as EM_SCROLL takes them.
inline constexpr int kScrollLineUp = 0;
inline constexpr int kScrollLineDown = 1;
inline constexpr int kScrollPageUp = 2;
inline constexpr int kScrollPageDown = 3;

// Paragraph alignment: left-justified (1 is right, 2 centred).
inline constexpr int kAlignLeft = 0;

// Rich-text pane. Its content is plain text or an RTF document; the peer
// renders it, and reads the text back as the control holds it.
class RichEdit final : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::RichEdit; }
  void Clear();
  void SetText(std::string_view text);
  // Plain text that came as Unicode: `unicode` is it as UTF-8, with the
  // characters code page 932 cannot hold, and is what the pane shows.
  void SetUnicodeText(std::string_view text, std::string unicode);
  void AddLine(std::string_view line);
  // A file's bytes: RTF when they begin with "{\rtf", as the system control
  // requires; plain text otherwise, in whichever encoding it was saved. An RTF
  // document nested deeper than the control survives is shown as plain text:
  // its text as read without the control.
  void LoadDocument(std::string bytes, const Cp932Codec& cp932);

  bool IsRichText() const { return richText_; }
  // Plain text ("?" for a character code page 932 cannot hold), or the RTF
  // document's bytes.
  const std::string& Content() const { return content_; }
  // Plain text as UTF-8 where it came as Unicode; empty otherwise.
  const std::string& UnicodeText() const { return unicode_; }
  // The text as shown, lines separated by CR LF. Without a native control,
  // an RTF document whose text only the control can give reads as empty.
  std::string Text() const;
  // The text as the model reads it without a control: the plain text, or
  // the RTF document's where no character of it needs the control.
  std::optional<std::string> OwnText() const;
  std::vector<std::string> Lines() const;

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);

  void Scroll(int code);
  void CopySelection();
  void SelectAll();
  void SetParagraphAlignment(int alignment);

 private:
  std::string content_;
  std::string unicode_;
  bool richText_ = false;
  bool readOnly_ = true;
  bool wordWrap_ = true;
};

// Multi-line text: read-only here, wrapped at the right edge, with a vertical
// scroll bar.
class Memo final : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::Memo; }
  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::string> lines);
  // Lines separated by CR LF.
  std::string Text() const;
  // One line, or several where the text holds line ends.
  void SetText(std::string_view text);

 private:
  std::vector<std::string> lines_;
};

// A picture. The program shows only its own icon, stretched to the control.
class Image final : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::Image; }
  bool ShowsProgramIcon() const { return programIcon_; }
  void SetProgramIcon(bool shown);

 private:
  bool programIcon_ = false;
};

class Splitter final : public Control {
 public:
  Splitter(const char* name, Control* parent, Control& resized, int minSize);
  ControlKind Kind() const override { return ControlKind::Splitter; }
  // A drag step that puts the splitter's left edge at `left` (parent
  // coordinates). Changes the resized control's width within the limits, and
  // raises OnMoved when it changed.
  void DragTo(int left);
  int MaxSize() const;
  NotifyEvent OnMoved;

 private:
  Control& resized_;
  int minSize_;  // a design length
};

class MenuItem {
 public:
  MenuItem(const char* name, const char* caption, unsigned short shortcut = 0);
  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption) { caption_ = caption; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool IsSeparator() const { return caption_ == "-"; }
  // Ctrl + key as 0x4000 + virtual key; 0 for none.
  unsigned short Shortcut() const { return shortcut_; }
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view hint) { hint_ = hint; }
  NotifyEvent OnClick;
  // Runs the item's handler when it is enabled.
  void Click(Control& sender);

 private:
  std::string name_;
  std::string caption_;
  unsigned short shortcut_;
  std::string hint_;
  bool enabled_ = true;
};

class PopupMenu {
 public:
  explicit PopupMenu(const char* name) : name_(name) {}
  const std::string& Name() const { return name_; }
  MenuItem& Add(const char* name, const char* caption, unsigned short shortcut = 0);
  const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
  // The enabled item with this shortcut, if any.
  MenuItem* FindShortcut(unsigned short shortcut) const;

 private:
  std::string name_;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

}  // namespace tolvane
