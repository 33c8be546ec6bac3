// A control's popup menu, built when it opens.
#include <string>

#include "platform/win32/form_peer.h"
#include "platform/win32/text_conversion.h"
#include "runtime/controls.h"

namespace tolvane::win32 {

namespace {

// "Ctrl+R" for the shortcut 0x4000 + 'R'.
std::wstring ShortcutText(unsigned short shortcut) {
  const unsigned key = shortcut & 0xFFu;
  if ((shortcut & 0x4000u) == 0 || key < '0' || key > 'Z' || (key > '9' && key < 'A'))
    return {};
  return std::wstring(L"Ctrl+") + static_cast<wchar_t>(key);
}

}  // namespace

void FormPeer::ShowPopupMenu(Control& control, HWND window, LPARAM where) {
  PopupMenu* popup = control.Popup();
  if (popup == nullptr || hwnd_ == nullptr)
    return;
  POINT screen{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (where == -1) {
    screen = {0, 0};
    ClientToScreen(window, &screen);
  }
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr)
    return;
  const auto& items = popup->Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuItem& item = *items[i];
    if (item.IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::wstring text = Widen(item.Caption());
    if (const std::wstring shortcut = ShortcutText(item.Shortcut()); !shortcut.empty())
      text += L'\t' + shortcut;
    AppendMenuW(menu, MF_STRING | (item.Enabled() ? MF_ENABLED : MF_GRAYED), i + 1, text.c_str());
  }
  const auto chosen = static_cast<std::size_t>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, screen.x,
                     screen.y, 0, hwnd_, nullptr));
  DestroyMenu(menu);
  if (chosen == 0 || chosen > popup->Items().size())
    return;
  MenuItem& item = *popup->Items()[chosen - 1];
  Dispatch([&item, &control] { item.Click(control); });
}

}  // namespace tolvane::win32
