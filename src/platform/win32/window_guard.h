// No exception may cross a window procedure into the system: whatever the
// work raises is shown by the standard error display instead.
#pragma once

#include <exception>
#include <new>

#include "platform/win32/win32.h"
#include "runtime/application.h"
#include "runtime/runtime_error.h"

namespace tolvane::win32 {

template <typename Work>
LRESULT RunGuarded(Application& app, Work&& work) noexcept {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    try {
      app.ShowOutOfMemory();
    } catch (...) {
    }
  } catch (const std::exception& error) {
    try {
      app.ShowError(error);
    } catch (...) {
      // Showing the error failed as well (out of memory): nothing more to do.
    }
  } catch (...) {
    try {
      app.ShowError(RuntimeError("Unexpected error"));
    } catch (...) {
    }
  }
  return 0;
}

}  // namespace tolvane::win32
