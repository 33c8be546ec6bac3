// The hints of a form's controls, shown as tooltips.
#pragma once

#include <string_view>
#include <utility>
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
  HWND owner_;
  HWND tooltip_ = nullptr;
  // A window has a few dozen controls at most: short lists, searched in turn.
  std::vector<HWND> tools_;
  // The owner's tools for controls' places, by control. They are never
  // deleted, only emptied: deleting one would end the watch of the owner's
  // mouse that the others rely on.
  std::vector<std::pair<HWND, UINT_PTR>> areas_;
};

}  // namespace tolvane::win32
