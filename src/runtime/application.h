// The application object: title, termination request and the standard error
// display that catches what a handler raises.
#pragma once

#include <exception>
#include <string>

#include "runtime/callback.h"

namespace tolvane {

class Platform;

class Application {
 public:
  explicit Application(Platform& platform) : platform_(platform) {}
  Platform& GetPlatform() const { return platform_; }

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  // Asks the message loop to end; a request made before the loop starts ends
  // it as soon as it starts.
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }

  // Runs a handler. An error it raises is shown (stop icon, the title as
  // caption, the message with a full stop) and the rest of it is skipped.
  // False when the handler raised.
  bool Guard(Callback<void()> handler);
  void ShowError(const std::exception& error);
  // The display for a failed allocation, whose own message says nothing to a user.
  void ShowOutOfMemory();

 private:
  Platform& platform_;
  std::string title_;
  bool terminated_ = false;
};

}  // namespace tolvane
