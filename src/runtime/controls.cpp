#include "runtime/controls.h"

#include <algorithm>

#include "runtime/rtf_text.h"
#include "runtime/text_lines.h"

namespace tolvane {

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked)
    return;
  checked_ = checked;
  Notify(Property::Checked);
  if (OnClick)
    OnClick(*this);
}

void Label::SetAutoSize(TextMeasurer measurer) {
  measurer_ = std::move(measurer);
  AdjustBounds();
}

void Label::AdjustBounds() {
  if (measurer_)
    SetWidth(measurer_(GetFont(), Caption(), PixelsPerInch()));
}

void Label::CaptionChanged() {
  AdjustBounds();
}

Rect GroupBox::AlignArea() const {
  const int frame = Scaled(2);
  const int top = Scaled(GetFont().height) + frame;
  return {frame, top, Width() - 2 * frame, Height() - top - frame};
}

void ListBox::AddItem(std::string_view item) {
  items_.emplace_back(item);
  Notify(Property::Items);
}

void ListBox::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
  Notify(Property::Items);
}

void ListBox::SetItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size()))
    index = -1;
  itemIndex_ = index;
  Notify(Property::ItemIndex);
}

void ListBox::SetHorizontalExtent(int extent) {
  horizontalExtent_ = extent;
  Notify(Property::HorizontalExtent);
}

void RichEdit::Clear() {
  SetText({});
}

void RichEdit::SetText(std::string_view text) {
  SetUnicodeText(text, {});
}

void RichEdit::SetUnicodeText(std::string_view text, std::string unicode) {
  content_ = text;
  unicode_ = std::move(unicode);
  richText_ = false;
  Notify(Property::Content);
}

void RichEdit::AddLine(std::string_view line) {
  std::string text = Text();
  text.append(line).append("\r\n");
  SetText(text);
}

void RichEdit::LoadDocument(std::string bytes, const Cp932Codec& cp932) {
  unicode_.clear();
  richText_ = IsRtfDocument(bytes);
  if (!richText_) {
    // The header is read from the file's bytes: a file with a mark before it
    // is plain text.
    DecodedText plain = DecodeText(std::move(bytes), cp932, StandIn::Shown);
    bytes = std::move(plain.text);
    unicode_ = std::move(plain.unicode);
  } else if (RtfGroupDepth(PrepareRtfForControl(bytes)) > kMaxRtfGroupDepth) {
    // The control would end the process: the document's text is shown as
    // plain text, or its bytes where only the control could read the text.
    richText_ = false;
    if (std::optional<std::string> text = RtfPlainText(bytes))
      bytes = std::move(*text);
  }
  content_ = std::move(bytes);
  Notify(Property::Content);
}

std::string RichEdit::Text() const {
  if (ControlPeer* peer = Peer()) {
    if (auto text = peer->ReadText())
      return *text;
  }
  return OwnText().value_or(std::string());
}

std::optional<std::string> RichEdit::OwnText() const {
  if (!richText_)
    return content_;
  return RtfPlainText(content_);
}

std::vector<std::string> RichEdit::Lines() const {
  return SplitTextLines(Text());
}

void RichEdit::SetWordWrap(bool wrap) {
  if (wordWrap_ == wrap)
    return;
  wordWrap_ = wrap;
  Notify(Property::WordWrap);
}

void RichEdit::Scroll(int code) {
  if (ControlPeer* peer = Peer())
    peer->Scroll(code);
}

void RichEdit::CopySelection() {
  if (ControlPeer* peer = Peer())
    peer->CopySelection();
}

void RichEdit::SelectAll() {
  if (ControlPeer* peer = Peer())
    peer->SelectAll();
}

void RichEdit::SetParagraphAlignment(int alignment) {
  if (ControlPeer* peer = Peer())
    peer->SetParagraphAlignment(alignment);
}

void Memo::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  Notify(Property::Content);
}

std::string Memo::Text() const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i)
    text.append(i ? "\r\n" : "").append(lines_[i]);
  return text;
}

void Memo::SetText(std::string_view text) {
  SetLines(SplitTextLines(text));
}

void Image::SetProgramIcon(bool shown) {
  if (programIcon_ == shown)
    return;
  programIcon_ = shown;
  Notify(Property::Content);
}

Splitter::Splitter(const char* name, Control* parent, Control& resized, int minSize)
    : Control(name, parent), resized_(resized), minSize_(minSize) {}

int Splitter::MaxSize() const {
  // What the other side of the splitter needs to keep: the minimum, and every
  // other control aligned to the left or right.
  int size = Parent()->AlignArea().width - Scaled(minSize_);
  for (const Control* child : Parent()->Children()) {
    if (child == &resized_ || !child->Visible())
      continue;
    if (child->GetAlign() == Align::Left || child->GetAlign() == Align::Right)
      size -= child->Width();
  }
  return size;
}

void Splitter::DragTo(int left) {
  int size = std::min(left - resized_.Left(), MaxSize());
  // A drag down to the minimum snaps the control shut.
  if (size <= Scaled(minSize_))
    size = 0;
  if (size == resized_.Width())
    return;
  resized_.SetWidth(size);
  if (OnMoved)
    OnMoved(*this);
}

MenuItem::MenuItem(const char* name, const char* caption, unsigned short shortcut)
    : name_(name), caption_(caption), shortcut_(shortcut) {}

void MenuItem::Click(Control& sender) {
  if (enabled_ && OnClick)
    OnClick(sender);
}

MenuItem& PopupMenu::Add(const char* name, const char* caption, unsigned short shortcut) {
  items_.push_back(std::make_unique<MenuItem>(name, caption, shortcut));
  return *items_.back();
}

MenuItem* PopupMenu::FindShortcut(unsigned short shortcut) const {
  for (const auto& item : items_)
    if (shortcut != 0 && item->Shortcut() == shortcut && item->Enabled())
      return item.get();
  return nullptr;
}

}  // namespace tolvane
