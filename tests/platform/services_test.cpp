#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/registry_access.h"
#include "platform/win_registry.h"

namespace vt {
void CheckServiceStartTypes(RegistryAccess& reg, const std::wstring& prefix);
}

namespace vt::testing {
namespace {

// The service start-type checks on the real registry of the Wine prefix.
TEST(Services, StartTypesOnTheRealRegistry) {
  CheckServiceStartTypes(Reg(), L"VtTestSvc" + std::to_wstring(GetCurrentProcessId()));
}

}  // namespace
}  // namespace vt::testing
