// The menu reader's messages to the user, worded in one place.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

class Platform;

enum class MenuMessage {
  MenuOptionFileMissing,  // M1
  MenuOptionReadError,    // M2
  NoMenuFile,             // M3
  OnlySettingsFile,       // M4
  IniReadError,           // M5
  KwpReadError,           // M6
  RenameAdvice,           // M7
};

struct MessageText {
  std::string text;
  unsigned style;
};

// `fileName` is the file-name part of the "/i:" menu file (M1 and M2 only).
MessageText MenuMessageText(MenuMessage message, std::string_view fileName = {});

// Shows the message with the application title as caption.
void ShowMenuMessage(Platform& platform, std::string_view title, MenuMessage message,
                     std::string_view fileName = {});

}  // namespace tolvane
