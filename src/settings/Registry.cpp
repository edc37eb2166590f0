#include "settings/Registry.h"

namespace brimdock {

RegistryError InvalidDataType(const std::string& valueName) {
  return RegistryError("Invalid data type for '" + valueName + "'");
}

RegistryError FailedToSetData(const std::string& valueName) {
  return RegistryError("Failed to set data for '" + valueName + "'");
}

RegistryError FailedToCreateKey(const std::string& keyPath) {
  return RegistryError("Failed to create key " + keyPath);
}

}  // namespace brimdock
