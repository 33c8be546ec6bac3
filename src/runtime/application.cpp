#include "runtime/application.h"

#include <new>

#include "platform/platform.h"

namespace tolvane {

bool Application::Guard(Callback<void()> handler) {
  try {
    handler();
    return true;
  } catch (const std::bad_alloc&) {
    ShowOutOfMemory();
  } catch (const std::exception& error) {
    ShowError(error);
  }
  return false;
}

void Application::ShowError(const std::exception& error) {
  std::string message = error.what();
  if (message.empty() || message.back() != '.')
    message += '.';
  platform_.MessageBox(message, title_, mb::kIconHand);
}

void Application::ShowOutOfMemory() {
  platform_.MessageBox("Out of memory.", title_, mb::kIconHand);
}

}  // namespace tolvane
