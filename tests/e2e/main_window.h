// The launcher's main window seen from outside: its controls by ID, their
// places in the window's client area, and the ways a user picks a line.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace e2e {

// A rectangle as left, top, width and height.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Box&) const = default;
};

std::string Describe(const Box& box);  // "(left, top, width, height)"
void ExpectBox(std::string_view what, const Box& expected, const Box& got);
// A text's size in a face at a character height, with the prefix's fonts.
SIZE TextExtentIn(std::string_view faceUtf8, int pixelHeight, std::wstring_view text);

// A control of the main window by its ID; the case is aborted without it.
HWND RequireControl(HWND mainWindow, int id, std::string_view name);

// A control's full window rectangle in the main window's client coordinates.
Box PlaceOf(HWND mainWindow, HWND control);
Box OuterBox(HWND window);   // screen coordinates
Box ClientBox(HWND window);  // (0, 0, client width, client height)

// A top-level window centred on the whole screen, the taskbar's part
// included (±1 for rounding).
void ExpectCentred(std::string_view what, HWND window);

// The launcher has handled everything sent to it so far.
void Settle(HWND window);

// Picking a line as a user does: a key pressed in the list box (sent, so
// that it returns when the list box and the selection handler are done).
void PressKey(HWND control, UINT virtualKey);
// The same without waiting, for keys that may open a message box.
void PostKey(HWND control, UINT virtualKey);
// A button click and a double click on the list's selected line (as the list
// box reports it), without waiting: their handlers may open a message box.
void PostClick(HWND button);
void PostDoubleClick(HWND mainWindow, HWND list);
// Picking a line the way the list box itself reports a click: the line is
// selected and the main window hears LBN_SELCHANGE.
void SelectByNotification(HWND mainWindow, HWND list, int line);

bool Enabled(HWND control);
// Reported as "what: expected enabled, got disabled".
void ExpectEnabled(std::string_view what, bool expected, HWND control);
bool Checked(HWND checkBox);
// A button click; returns when the click's handler is done.
void Click(HWND button);

// A control's hint as its tooltip tool shows it; "" expects no tool.
void ExpectHint(HWND mainWindow, HWND control, std::string_view name, std::string_view expected);

// The text of the description pane with every line end ("\r\n", "\r") as "\n".
std::wstring PaneText(HWND richEdit);

}  // namespace e2e
