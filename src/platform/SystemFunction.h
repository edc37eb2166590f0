#pragma once

#include <windows.h>

namespace brimdock {

// A function of a system DLL, found when first needed: the DLL is loaded then, not when the
// program starts. For DLLs that only a dialog or a command uses; under Wine, importing comdlg32
// also loads shell32 and the print spooler, which cost every start about 15 ms. The DLL stays
// loaded. Throws std::runtime_error when the DLL or the function cannot be found.
FARPROC SystemProcedure(const char* library, const char* name);

// SystemProcedure as a pointer of the function's own type, for example
// SystemFunction<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA").
template <typename FunctionPointer>
FunctionPointer SystemFunction(const char* library, const char* name) {
  // Through void (*)(): the one function pointer type that converts to any other without a
  // warning.
  return reinterpret_cast<FunctionPointer>(
      reinterpret_cast<void (*)()>(SystemProcedure(library, name)));
}

}  // namespace brimdock
