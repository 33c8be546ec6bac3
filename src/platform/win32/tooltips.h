// The hints of a form's controls, shown as tooltips.
#pragma once

#include <string_view>
#include <vector>

#include "platform/win32/win32.h"

namespace tolvane::win32 {

class Tooltips {
 public:
  explicit Tooltips(HWND owner);
  ~Tooltips();
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;

  // Shows `hint` when the mouse rests on `control`; an empty hint shows none.
  void Set(HWND control, std::string_view hint);
  // Shows `hint` when the mouse rests on the owner where `control` lies: a
  // disabled control gets no mouse input, so its own tool never shows. An
  // empty hint shows none there.
  void SetArea(HWND control, std::string_view hint);

 private:
  // A control's tools: its own, and the owner's for its place. The owner's
  // are never deleted, only emptied: deleting one would end the watch of the
  // owner's mouse that the others rely on.
  struct Tools {
    HWND control;
    bool own;
    UINT_PTR area;  // 0 for none
  };
  // The control's entry, made if it has none.
  Tools& ToolsOf(HWND control);

  HWND owner_;
  HWND tooltip_ = nullptr;
  // A window has a few dozen controls at most: a short list, searched in turn.
  std::vector<Tools> tools_;
  UINT_PTR areas_ = 0;
};

}  // namespace tolvane::win32
