#include <gtest/gtest.h>

#include "core/memory_registry.h"
#include "core/services.h"

namespace vt {

// Runs on the in-memory registry here and, in the platform tests, on the real one.
void CheckServiceStartTypes(RegistryAccess& reg, const std::wstring& prefix);

TEST(Services, StartTypesOnMemoryRegistry) {
  MemoryRegistry memory;
  RegistryAccess reg(memory);
  CheckServiceStartTypes(reg, L"VtTestService");
}

}  // namespace vt
