#include "menu/menu_messages.h"

#include "platform/platform.h"

namespace tolvane {

MessageText MenuMessageText(MenuMessage message, std::string_view fileName) {
  const std::string quoted = "\"" + std::string(fileName) + "\"";
  switch (message) {
    case MenuMessage::MenuOptionFileMissing:
      return {"ファイル " + quoted + " がありません", mb::kIconExclamation};
    case MenuMessage::MenuOptionReadError:
      return {quoted + "の読み込みエラー", mb::kIconHand};
    case MenuMessage::NoMenuFile:
      return {"\"Autorun.KWP\" がありません", mb::kIconExclamation};
    case MenuMessage::OnlySettingsFile:
      return {"\"Autorun.KWP\"がありません", mb::kIconExclamation};
    case MenuMessage::IniReadError:
      return {"\"Autorun.INI\"の読み込みエラー", mb::kIconHand};
    case MenuMessage::KwpReadError:
      return {"\"Autorun.KWP\"の読み込みエラー", mb::kIconHand};
    case MenuMessage::RenameAdvice:
      return {
          "次回より \"Autorun.INI\" のファイル名を、\"Autorun.KWP\" に変更してください。\n\r"
          "（詳しくは \"Readme.txt\" を参照してください。）",
          mb::kIconInformation};
  }
  return {};
}

void ShowMenuMessage(Platform& platform, std::string_view title, MenuMessage message,
                     std::string_view fileName) {
  const MessageText m = MenuMessageText(message, fileName);
  platform.MessageBox(m.text, title, mb::kOk | m.style);
}

}  // namespace tolvane
