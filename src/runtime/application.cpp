#include "runtime/application.h"

#include <new>

#include "platform/platform.h"

namespace tolvane {

bool Application::Guard(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    ShowError(error);
  }
  return false;
}

void Application::ShowError(const std::exception& error) {
  std::string message = error.what();
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr)
    message = "Out of memory";
  if (message.empty() || message.back() != '.')
    message += '.';
  platform_.MessageBox(message, title_, mb::kIconHand);
}

}  // namespace tolvane
