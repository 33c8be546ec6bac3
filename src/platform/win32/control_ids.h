// Child-window identifiers of the controls of the program's windows. The end-to-end
// driver includes this header to find the controls of a running launcher.
#pragma once

#include <string_view>

namespace tolvane::ids {

inline constexpr int kSplitter = 1001;
inline constexpr int kLabel1 = 1002;
inline constexpr int kLblListWidth = 1003;
inline constexpr int kRichEdit1 = 1004;
inline constexpr int kCheckBox1 = 1005;
inline constexpr int kCheckBox2 = 1006;
inline constexpr int kGroupBox1 = 1007;
inline constexpr int kListBox1 = 1008;
inline constexpr int kButton5 = 1009;
inline constexpr int kButton3 = 1010;
inline constexpr int kButton1 = 1011;
inline constexpr int kButton4 = 1012;
inline constexpr int kButton2 = 1013;
inline constexpr int kRichEdit2 = 1014;
// The About box's own controls; its GroupBox1 and Label1 take the IDs above.
inline constexpr int kLabel2 = 1015;
inline constexpr int kProductName = 1016;
inline constexpr int kProgramIcon = 1017;
inline constexpr int kMemo1 = 1018;
inline constexpr int kOKButton = 1019;

// The identifier of a control by its name; 0 for controls without a window
// of their own (the spacer panels).
constexpr int ControlId(std::string_view name) {
  struct Entry {
    std::string_view name;
    int id;
  };
  constexpr Entry kIds[] = {
      {"Splitter", kSplitter},       {"Label1", kLabel1},           {"lblListWidth", kLblListWidth},
      {"RichEdit1", kRichEdit1},     {"CheckBox1", kCheckBox1},     {"CheckBox2", kCheckBox2},
      {"GroupBox1", kGroupBox1},     {"ListBox1", kListBox1},       {"Button5", kButton5},
      {"Button3", kButton3},         {"Button1", kButton1},         {"Button4", kButton4},
      {"Button2", kButton2},         {"RichEdit2", kRichEdit2},     {"Label2", kLabel2},
      {"ProductName", kProductName}, {"ProgramIcon", kProgramIcon}, {"Memo1", kMemo1},
      {"OKButton", kOKButton},
  };
  for (const Entry& e : kIds)
    if (e.name == name)
      return e.id;
  return 0;
}

// The window classes of the main window and of the About box.
inline constexpr wchar_t kMainWindowClass[] = L"TolvaneMainWindow";
inline constexpr wchar_t kDialogWindowClass[] = L"TolvaneDialog";

}  // namespace tolvane::ids
