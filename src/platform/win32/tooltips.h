// The hints of a form's controls, shown as tooltips.
#pragma once

#include <set>
#include <string_view>

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

 private:
  HWND owner_;
  HWND tooltip_ = nullptr;
  std::set<HWND> tools_;
};

}  // namespace tolvane::win32
