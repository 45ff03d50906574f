#include "platform/win_registry.h"

#include <windows.h>

#include "platform/handles.h"

namespace vt {

namespace {

HKEY RootHandle(RegRoot root) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(static_cast<std::uint32_t>(root))));
}

class Win32Key final : public RegKey {
 public:
  explicit Win32Key(HKEY key) : key_(key) {}

  bool Query(const std::wstring& name, RegValue& out) const override {
    DWORD type = 0, size = 0;
    LONG status = RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, nullptr, &size);
    // The value may grow between the two calls; ask again until it fits.
    for (int attempt = 0; status == ERROR_SUCCESS && attempt < 4; ++attempt) {
      out.data.assign(size, 0);
      DWORD got = size;
      status = RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, size ? out.data.data() : nullptr, &got);
      if (status == ERROR_SUCCESS) {
        out.data.resize(got);
        out.type = type;
        return true;
      }
      if (status == ERROR_MORE_DATA) {
        size = got;
        status = ERROR_SUCCESS;
      }
    }
    return false;
  }

  std::vector<std::wstring> ValueNames() const override { return Enumerate(false); }
  std::vector<std::wstring> SubKeyNames() const override { return Enumerate(true); }

  bool Set(const std::wstring& name, std::uint32_t type, const std::vector<std::uint8_t>& data) override {
    return RegSetValueExW(key_.get(), name.c_str(), 0, type, data.empty() ? nullptr : data.data(),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
  }

  bool DeleteValue(const std::wstring& name) override {
    return RegDeleteValueW(key_.get(), name.c_str()) == ERROR_SUCCESS;
  }

 private:
  std::vector<std::wstring> Enumerate(bool subKeys) const {
    std::vector<std::wstring> names;
    DWORD count = 0, longest = 0;
    LONG status = subKeys ? RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, &count, &longest, nullptr,
                                             nullptr, nullptr, nullptr, nullptr, nullptr)
                          : RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                             &count, &longest, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) return names;
    std::wstring buffer(longest + 1, L'\0');  // one buffer sized from the longest name, reused
    for (DWORD index = 0; index < count; ++index) {
      DWORD length = static_cast<DWORD>(buffer.size());
      status = subKeys ? RegEnumKeyExW(key_.get(), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr)
                       : RegEnumValueW(key_.get(), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
      if (status == ERROR_NO_MORE_ITEMS) break;
      if (status == ERROR_SUCCESS) names.emplace_back(buffer.data(), length);
    }
    return names;
  }

  UniqueHkey key_;
};

}  // namespace

std::unique_ptr<RegKey> Win32Registry::OpenRead(RegRoot root, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(RootHandle(root), path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32Key>(key);
}

std::unique_ptr<RegKey> Win32Registry::OpenWrite(RegRoot root, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(RootHandle(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<Win32Key>(key);
}

bool Win32Registry::DeleteLeafKey(RegRoot root, const std::wstring& path) {
  return RegDeleteKeyW(RootHandle(root), path.c_str()) == ERROR_SUCCESS;
}

RegistryAccess& Reg() {
  static Win32Registry registry;
  static RegistryAccess access(registry);
  return access;
}

}  // namespace vt
