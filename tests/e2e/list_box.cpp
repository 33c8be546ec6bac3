#include "list_box.h"

namespace e2e {

namespace {

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result))
    return LB_ERR;
  return static_cast<LRESULT>(result);
}

}  // namespace

std::vector<std::wstring> ListItems(HWND list) {
  std::vector<std::wstring> items;
  const LRESULT count = Send(list, LB_GETCOUNT);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = Send(list, LB_GETTEXTLEN, static_cast<WPARAM>(i));
    if (length == LB_ERR)
      break;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        Send(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    items.push_back(text);
  }
  return items;
}

int ListSelection(HWND list) {
  return static_cast<int>(Send(list, LB_GETCURSEL));
}

}  // namespace e2e
