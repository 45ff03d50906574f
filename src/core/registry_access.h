// The registry operations every part of the program uses. Each call opens what
// it needs, does one thing and closes again; a missing key or value is never an
// error here, it reads as empty text, zero or false.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/registry.h"

namespace vt {

// ValueDataType's own scale.
enum ValueKind : int {
  kValueUnknown = 0,
  kValueString = 1,
  kValueExpandString = 2,
  kValueInteger = 3,
  kValueBinary = 4,
};

inline constexpr std::size_t kRegBinaryBufferSize = 8192;

class RegistryAccess {
 public:
  explicit RegistryAccess(Registry& registry) : registry_(registry) {}

  bool KeyExists(RegRoot root, const std::wstring& key) const;
  bool ValueExists(RegRoot root, const std::wstring& key, const std::wstring& name) const;
  int ValueDataType(RegRoot root, const std::wstring& key, const std::wstring& name) const;
  int ValueDataSize(RegRoot root, const std::wstring& key, const std::wstring& name) const;
  int CountValues(RegRoot root, const std::wstring& key) const;
  // Appends (the list is not cleared first).
  bool ListValueNames(RegRoot root, const std::wstring& key, std::vector<std::wstring>& list) const;
  // Replaces the list's contents.
  bool ListSubKeys(RegRoot root, const std::wstring& key, std::vector<std::wstring>& list) const;

  std::wstring ReadStringValue(RegRoot root, const std::wstring& key, const std::wstring& name) const;
  std::int32_t ReadIntegerValue(RegRoot root, const std::wstring& key, const std::wstring& name) const;
  std::int64_t ReadInt64Value(RegRoot root, const std::wstring& key, const std::wstring& name) const;
  // Binary values only: returns the size and, for 1..8191 bytes, copies the data
  // into RegBinaryBuffer().
  int ReadBinaryValue(RegRoot root, const std::wstring& key, const std::wstring& name);
  const std::array<std::uint8_t, kRegBinaryBufferSize>& RegBinaryBuffer() const { return binaryBuffer_; }
  bool IntegerValueEquals(RegRoot root, const std::wstring& key, const std::wstring& name, std::int32_t n) const;

  // Replace the value (changing its type if need be) and verify by reading back.
  bool WriteStringValue(RegRoot root, const std::wstring& key, const std::wstring& name, const std::wstring& text);
  bool WriteIntegerValue(RegRoot root, const std::wstring& key, const std::wstring& name, std::int32_t n);
  bool CreateKeyPath(RegRoot root, const std::wstring& key);
  bool RemoveValue(RegRoot root, const std::wstring& key, const std::wstring& name);
  // Deletes the key with all its subkeys, deepest first. Refuses an empty path:
  // removing a whole root is never what a caller means.
  bool RemoveKey(RegRoot root, const std::wstring& key);

  static std::wstring RootKeyName(RegRoot root);

  // Settings-window persistence. A stored 0 or 1 changes the flag; anything else
  // (or nothing) leaves the designed state.
  void LoadCheckBox(RegRoot root, const std::wstring& key, const std::wstring& name, bool& checked) const;
  bool SaveCheckBox(RegRoot root, const std::wstring& key, const std::wstring& name, bool checked);
  void LoadListFromValueNames(RegRoot root, const std::wstring& key, std::vector<std::wstring>& lines) const;
  void SaveListAsValueNames(RegRoot root, const std::wstring& key, const std::vector<std::wstring>& lines,
                            bool upperCase);

  Registry& Backend() const { return registry_; }

 private:
  bool Query(RegRoot root, const std::wstring& key, const std::wstring& name, RegValue& value) const;
  bool WriteValue(RegRoot root, const std::wstring& key, const std::wstring& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data);

  Registry& registry_;
  std::array<std::uint8_t, kRegBinaryBufferSize> binaryBuffer_{};
};

}  // namespace vt
