// Abstract registry: the few primitive operations every registry access of the
// program is built from. One implementation talks to Win32, one lives in memory
// so that the logic above it also runs (and is tested) without Windows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vt {

// The predefined root handles, with the numeric values Windows gives them so the
// Win32 side can cast straight to HKEY.
enum class RegRoot : std::uint32_t {
  ClassesRoot = 0x80000000u,
  CurrentUser = 0x80000001u,
  LocalMachine = 0x80000002u,
  Users = 0x80000003u,
  PerformanceData = 0x80000004u,
  CurrentConfig = 0x80000005u,
};

inline constexpr RegRoot HKCR = RegRoot::ClassesRoot;
inline constexpr RegRoot HKCU = RegRoot::CurrentUser;
inline constexpr RegRoot HKLM = RegRoot::LocalMachine;
inline constexpr RegRoot HKU = RegRoot::Users;
inline constexpr RegRoot HKCC = RegRoot::CurrentConfig;

// The registry's own value types (only those the program meets are named).
enum RegType : std::uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegDwordBigEndian = 5,
  kRegLink = 6,
  kRegMultiSz = 7,
  kRegQword = 11,
};

struct RegValue {
  std::uint32_t type = kRegNone;
  std::vector<std::uint8_t> data;  // raw bytes; strings are UTF-16LE with their NULs
};

// An open key. Closed when destroyed.
class RegKey {
 public:
  virtual ~RegKey() = default;
  // Type and data of a value ("" is the default value); false when it is missing.
  virtual bool Query(const std::wstring& name, RegValue& out) const = 0;
  virtual std::vector<std::wstring> ValueNames() const = 0;
  virtual std::vector<std::wstring> SubKeyNames() const = 0;
  // Writing needs a key opened for writing.
  virtual bool Set(const std::wstring& name, std::uint32_t type, const std::vector<std::uint8_t>& data) = 0;
  virtual bool DeleteValue(const std::wstring& name) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Null when the key does not exist or may not be read.
  virtual std::unique_ptr<RegKey> OpenRead(RegRoot root, const std::wstring& path) = 0;
  // Creates the key and its missing parents; null on failure.
  virtual std::unique_ptr<RegKey> OpenWrite(RegRoot root, const std::wstring& path) = 0;
  // Deletes one key that has no subkeys.
  virtual bool DeleteLeafKey(RegRoot root, const std::wstring& path) = 0;
};

// Byte helpers shared by both implementations and by callers that seed values.
std::vector<std::uint8_t> RegStringData(const std::wstring& text);  // with its NUL
std::vector<std::uint8_t> RegMultiStringData(const std::vector<std::wstring>& items);
std::vector<std::uint8_t> RegDwordData(std::uint32_t value);

}  // namespace vt
