// Start types of Windows services, read and changed in the service's registry key
// (not through the service control manager); a change takes effect at the next boot.
#pragma once

#include <string>

#include "core/registry_access.h"

namespace vt {

enum ServiceStart : int { kServiceStartOther = 0, kServiceAutomatic = 2, kServiceManual = 3, kServiceDisabled = 4 };

bool ServiceExists(const RegistryAccess& reg, const std::wstring& name);
std::wstring ServiceDisplayName(const RegistryAccess& reg, const std::wstring& name);
// 2, 3 or 4; 0 for a missing service, a missing "Start" and every other number.
int ServiceStartType(const RegistryAccess& reg, const std::wstring& name);
// Only 2, 3 and 4, and only for a service whose key exists.
void SetServiceStartType(RegistryAccess& reg, const std::wstring& name, int type);

}  // namespace vt
