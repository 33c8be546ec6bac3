// A program started from a disc must never load a DLL planted beside it or in
// an entry's folder: DLLs that Windows does not always map come from System32.
#pragma once

#include "platform/win32/win32.h"

namespace tolvane::win32 {

// Takes the program's folder and the current folder out of the DLL search.
void RestrictDllSearch();

// Loads a DLL from System32 only; nullptr when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of a loaded DLL, as the type the caller declares it with.
template <typename Function>
Function FindFunction(HMODULE module, const char* name) {
  if (module == nullptr)
    return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace tolvane::win32
