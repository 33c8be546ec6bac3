#include "platform/win32/tooltips.h"

#include <algorithm>
#include <string>

#include "platform/win32/text_conversion.h"

namespace tolvane::win32 {

Tooltips::Tooltips(HWND owner) : owner_(owner) {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  // A hint with a line break shows as several lines.
  if (tooltip_ != nullptr)
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
}

Tooltips::~Tooltips() {
  if (tooltip_ != nullptr && IsWindow(tooltip_))
    DestroyWindow(tooltip_);
}

void Tooltips::Set(HWND control, std::string_view hint) {
  if (tooltip_ == nullptr || control == nullptr)
    return;
  std::wstring text = Widen(hint);
  TOOLINFOW tool{};
  // The size comctl32 version 5 knows too, should the manifest not apply.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  const auto listed = std::find(tools_.begin(), tools_.end(), control);
  const bool known = listed != tools_.end();
  if (text.empty()) {
    if (known) {
      SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
      tools_.erase(listed);
    }
    return;
  }
  tool.lpszText = text.data();
  if (known) {
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  } else if (SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
    tools_.push_back(control);
  }
}

void Tooltips::SetArea(HWND control, std::string_view hint) {
  if (tooltip_ == nullptr || control == nullptr)
    return;
  const auto known = std::find_if(areas_.begin(), areas_.end(),
                                  [control](const auto& area) { return area.first == control; });
  if (hint.empty() && known == areas_.end())
    return;
  std::wstring text = Widen(hint);
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = owner_;
  // Small numbers: they cannot be taken for the window handles that
  // identify the controls' own tools.
  tool.uId = known != areas_.end() ? known->second : areas_.size() + 1;
  if (!text.empty() && GetWindowRect(control, &tool.rect))
    MapWindowPoints(nullptr, owner_, reinterpret_cast<POINT*>(&tool.rect), 2);
  static wchar_t none[] = L"";
  tool.lpszText = text.empty() ? none : text.data();
  if (known == areas_.end()) {
    if (SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
      areas_.emplace_back(control, tool.uId);
    return;
  }
  SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace tolvane::win32
