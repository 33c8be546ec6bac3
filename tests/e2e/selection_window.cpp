#include "selection_window.h"

#include "list_box.h"
#include "main_window.h"
#include "platform/win32/control_ids.h"
#include "text.h"

namespace e2e {

namespace ids = tolvane::ids;

Window WindowOf(HWND main) {
  return {main, RequireControl(main, ids::kListBox1, "ListBox1"),
          RequireControl(main, ids::kRichEdit1, "RichEdit1"),
          RequireControl(main, ids::kButton1, "Button1"),
          RequireControl(main, ids::kButton4, "Button4")};
}

void SelectEveryLine(const Window& w) {
  const int lines = static_cast<int>(ListItems(w.list).size());
  for (int line = 0; line < lines; ++line) {
    SelectByNotification(w.main, w.list, line);
    Settle(w.main);
  }
}

std::string MenuText(const std::vector<Entry>& entries) {
  std::string text;
  for (const Entry& e : entries)
    text += std::string(e.caption) + "\r\n" + std::string(e.folder) + "\r\n" +
            std::string(e.target) + "\r\n";
  return Cp932(text);
}

}  // namespace e2e
