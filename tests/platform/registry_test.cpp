#include "common/registry_cases.h"
#include "core/memory_registry.h"
#include "platform/win_registry.h"

namespace vt::testing {

// The same table on the real registry and on the in-memory one, side by side.
INSTANTIATE_TEST_SUITE_P(Both, RegistryCases,
                         ::testing::Values(RegistryBackend{"Win32", [] { return std::make_unique<Win32Registry>(); }},
                                           RegistryBackend{"Memory",
                                                           [] { return std::make_unique<MemoryRegistry>(); }}),
                         [](const auto& info) { return info.param.name; });

}  // namespace vt::testing
