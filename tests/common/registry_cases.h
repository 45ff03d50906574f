// The registry behaviour table, run against every registry implementation: the
// in-memory one must answer exactly like the real Windows registry.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/registry_access.h"

namespace vt::testing {

struct RegistryBackend {
  std::string name;
  std::function<std::unique_ptr<Registry>()> make;
};

// Each case works below its own fresh scratch key, removed again afterwards.
class RegistryCases : public ::testing::TestWithParam<RegistryBackend> {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::wstring Key(const std::wstring& sub = L"") const { return sub.empty() ? scratch_ : scratch_ + L"\\" + sub; }
  void Seed(const std::wstring& sub, const std::wstring& name, std::uint32_t type,
            const std::vector<std::uint8_t>& data);

  std::unique_ptr<Registry> registry_;
  std::unique_ptr<RegistryAccess> reg_;
  std::wstring scratch_;
};

}  // namespace vt::testing

namespace vt::testing {
inline void PrintTo(const RegistryBackend& backend, std::ostream* os) { *os << backend.name; }
}  // namespace vt::testing
