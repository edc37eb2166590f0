#include "platform/SystemFunction.h"

#include <stdexcept>
#include <string>

namespace brimdock {

FARPROC SystemProcedure(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryA(library);
  if (!module) {
    throw std::runtime_error(std::string("Cannot load ") + library + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
  const FARPROC procedure = GetProcAddress(module, name);
  if (!procedure) {
    throw std::runtime_error(std::string(library) + " has no function " + name);
  }
  return procedure;
}

}  // namespace brimdock
