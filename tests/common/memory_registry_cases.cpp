#include "common/registry_cases.h"
#include "core/memory_registry.h"

namespace vt::testing {

INSTANTIATE_TEST_SUITE_P(Memory, RegistryCases,
                         ::testing::Values(RegistryBackend{"Memory", [] { return std::make_unique<MemoryRegistry>(); }}),
                         [](const auto& info) { return info.param.name; });

}  // namespace vt::testing
