// The rich-text pane: the system's rich edit control, fed from memory.
#pragma once

#include <optional>
#include <string>

#include "platform/win32/child_peer.h"
#include "runtime/controls.h"

namespace tolvane::win32 {

class RichEditPeer final : public ChildPeer {
 public:
  RichEditPeer(FormPeer& owner, RichEdit& edit);
  void Create() override;

  std::optional<std::string> ReadText() override;
  void Scroll(int code) override;
  void CopySelection() override;
  void SelectAll() override;
  void SetParagraphAlignment(int alignment) override;
  void UpdateShown() override;
  // Its font is in points, which the control makes for its screen itself; a
  // document's own formats stay.
  void DpiChanged() override {}

 protected:
  void Apply(Property property) override;
  void ApplyFont() override;

 private:
  void LoadContent();
  // Runs `work` on the control while it is hidden without a repaint, and
  // shows it again for one repaint of the result.
  template <typename Work>
  void OutOfView(const Work& work);
  // Has the control show its vertical scroll bar before a long document.
  void ShowVerticalScrollBar();
  // Puts a new, empty control in the place of one that holds a long text.
  void RenewIfLong();
  LRESULT TextLength() const;
  // Replaces the text with a stream of bytes; the number of characters taken.
  LRESULT StreamIn(const std::string& bytes, WPARAM format);
  void ApplyCharFormat(WPARAM scope);

  RichEdit& edit_;
  // The text as the control holds it, until the next load.
  std::optional<std::string> text_;
  // Inside OutOfView: the control is hidden and must stay so until its end.
  bool outOfView_ = false;
  // A pane out of sight whose text the model reads itself: the control was
  // not given it, and is given it when the pane is shown.
  bool unloaded_ = false;
};

}  // namespace tolvane::win32
