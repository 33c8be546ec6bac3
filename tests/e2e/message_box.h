// Reading and answering another process's message box.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace e2e {

enum class BoxIcon { None, Exclamation, Hand, Asterisk, Question, Unknown };

std::string_view IconName(BoxIcon icon);

// The message text: the static control with ID 0xFFFF.
std::wstring MessageBoxText(HWND box);

// Which standard icon the box shows, told by comparing the pixels on the
// screen with the system icons drawn on the same background (the handles of
// another process's icons cannot be compared). Waits until the box has been
// painted.
BoxIcon MessageBoxIcon(HWND box);

// Presses the button with that ID (IDOK, IDYES, IDNO, ...); false if the box
// has no such button.
bool AnswerMessageBox(HWND box, int buttonId);

struct ExpectedBox {
  std::string_view text;     // UTF-8
  std::string_view caption;  // UTF-8
  BoxIcon icon;
};

// Checks the box's text, caption and icon.
void ExpectMessageBox(HWND box, const ExpectedBox& expected);

}  // namespace e2e
