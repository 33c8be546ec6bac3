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

Tooltips::Tools& Tooltips::ToolsOf(HWND control) {
  for (Tools& tools : tools_)
    if (tools.control == control)
      return tools;
  tools_.push_back({control, false, 0});
  return tools_.back();
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
  Tools& tools = ToolsOf(control);
  if (text.empty()) {
    if (tools.own)
      SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    tools.own = false;
    return;
  }
  tool.lpszText = text.data();
  if (tools.own)
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  else
    tools.own = SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

void Tooltips::SetArea(HWND control, std::string_view hint) {
  if (tooltip_ == nullptr || control == nullptr)
    return;
  Tools& tools = ToolsOf(control);
  if (hint.empty() && tools.area == 0)
    return;
  std::wstring text = Widen(hint);
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = owner_;
  // Small numbers: they cannot be taken for the window handles that
  // identify the controls' own tools.
  tool.uId = tools.area != 0 ? tools.area : areas_ + 1;
  if (!text.empty() && GetWindowRect(control, &tool.rect))
    MapWindowPoints(nullptr, owner_, reinterpret_cast<POINT*>(&tool.rect), 2);
  static wchar_t none[] = L"";
  tool.lpszText = text.empty() ? none : text.data();
  if (tools.area == 0) {
    if (SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
      tools.area = ++areas_;
    return;
  }
  SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace tolvane::win32
