// The registry of the running Windows behind the program's registry interface.
#pragma once

#include "core/registry.h"
#include "core/registry_access.h"

namespace vt {

class Win32Registry final : public Registry {
 public:
  std::unique_ptr<RegKey> OpenRead(RegRoot root, const std::wstring& path) override;
  std::unique_ptr<RegKey> OpenWrite(RegRoot root, const std::wstring& path) override;
  bool DeleteLeafKey(RegRoot root, const std::wstring& path) override;
};

// The process-wide registry operations on the real registry.
RegistryAccess& Reg();

}  // namespace vt
