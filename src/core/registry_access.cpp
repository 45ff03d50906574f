#include "core/registry_access.h"

#include <algorithm>
#include <cstring>

#include "core/text.h"

namespace vt {

namespace {

bool IsStringType(std::uint32_t type) { return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz; }

// String data as the W API delivers it, cut at the first NUL.
std::wstring StringFromData(const std::vector<std::uint8_t>& data) {
  std::wstring text(data.size() / 2, L'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<wchar_t>(data[2 * i] | (data[2 * i + 1] << 8));
  return UpToNul(text);
}

// Raw bytes up to the first zero byte, one character per byte.
std::wstring BytesUpToZero(const std::vector<std::uint8_t>& data) {
  std::wstring text;
  for (std::uint8_t byte : data) {
    if (byte == 0) break;
    text += static_cast<wchar_t>(byte);
  }
  return text;
}

std::uint64_t LittleEndian(const std::vector<std::uint8_t>& data, size_t count) {
  std::uint64_t value = 0;
  for (size_t i = 0; i < count && i < data.size(); ++i) value |= std::uint64_t(data[i]) << (8 * i);
  return value;
}

}  // namespace

bool RegistryAccess::Query(RegRoot root, const std::wstring& key, const std::wstring& name, RegValue& value) const {
  auto handle = registry_.OpenRead(root, key);
  return handle && handle->Query(name, value);
}

bool RegistryAccess::KeyExists(RegRoot root, const std::wstring& key) const {
  return registry_.OpenRead(root, key) != nullptr;
}

bool RegistryAccess::ValueExists(RegRoot root, const std::wstring& key, const std::wstring& name) const {
  RegValue value;
  return Query(root, key, name, value);
}

int RegistryAccess::ValueDataType(RegRoot root, const std::wstring& key, const std::wstring& name) const {
  auto handle = registry_.OpenRead(root, key);
  if (!handle) return kValueUnknown;
  if (name.empty()) return kValueString;  // the default value counts as text, whatever it holds
  RegValue value;
  if (!handle->Query(name, value)) return kValueUnknown;
  switch (value.type) {
    case kRegSz: return kValueString;
    case kRegExpandSz: return kValueExpandString;
    case kRegDword: return kValueInteger;
    case kRegBinary: return kValueBinary;
    default: return kValueUnknown;
  }
}

int RegistryAccess::ValueDataSize(RegRoot root, const std::wstring& key, const std::wstring& name) const {
  RegValue value;
  return Query(root, key, name, value) ? static_cast<int>(value.data.size()) : 0;
}

int RegistryAccess::CountValues(RegRoot root, const std::wstring& key) const {
  auto handle = registry_.OpenRead(root, key);
  return handle ? static_cast<int>(handle->ValueNames().size()) : 0;
}

bool RegistryAccess::ListValueNames(RegRoot root, const std::wstring& key, std::vector<std::wstring>& list) const {
  auto handle = registry_.OpenRead(root, key);
  if (!handle) return false;
  auto names = handle->ValueNames();
  list.insert(list.end(), names.begin(), names.end());
  return true;
}

bool RegistryAccess::ListSubKeys(RegRoot root, const std::wstring& key, std::vector<std::wstring>& list) const {
  list.clear();
  auto handle = registry_.OpenRead(root, key);
  if (!handle) return false;
  list = handle->SubKeyNames();
  return true;
}

std::wstring RegistryAccess::ReadStringValue(RegRoot root, const std::wstring& key, const std::wstring& name) const {
  RegValue value;
  if (!Query(root, key, name, value) || value.data.empty()) return {};
  if (IsStringType(value.type)) return StringFromData(value.data);
  if (value.type == kRegDword) {
    if (value.data.size() != 4) return {};
    return std::to_wstring(static_cast<std::uint32_t>(LittleEndian(value.data, 4)));
  }
  if (value.type == kRegBinary || value.type == kRegNone) return BytesUpToZero(value.data);
  return {};
}

std::int32_t RegistryAccess::ReadIntegerValue(RegRoot root, const std::wstring& key, const std::wstring& name) const {
  RegValue value;
  if (!Query(root, key, name, value) || value.data.empty()) return 0;
  if (IsStringType(value.type)) return ParseInt32(StringFromData(value.data)).value_or(0);
  const bool fourBytes = value.data.size() == 4;
  if (fourBytes && (value.type == kRegDword || value.type == kRegBinary || value.type == kRegNone))
    return static_cast<std::int32_t>(LittleEndian(value.data, 4));
  return 0;
}

std::int64_t RegistryAccess::ReadInt64Value(RegRoot root, const std::wstring& key, const std::wstring& name) const {
  RegValue value;
  if (!Query(root, key, name, value) || value.data.empty()) return 0;
  if (value.type == kRegDword)
    return value.data.size() == 4 ? static_cast<std::int32_t>(LittleEndian(value.data, 4)) : 0;
  if (value.type == kRegSz || value.type == kRegExpandSz) return ParseInt64(StringFromData(value.data)).value_or(0);
  return static_cast<std::int64_t>(LittleEndian(value.data, 8));
}

int RegistryAccess::ReadBinaryValue(RegRoot root, const std::wstring& key, const std::wstring& name) {
  RegValue value;
  if (!Query(root, key, name, value) || value.type != kRegBinary) return 0;
  const size_t size = value.data.size();
  if (size >= 1 && size < kRegBinaryBufferSize) std::memcpy(binaryBuffer_.data(), value.data.data(), size);
  return static_cast<int>(size);
}

bool RegistryAccess::IntegerValueEquals(RegRoot root, const std::wstring& key, const std::wstring& name,
                                        std::int32_t n) const {
  return ValueExists(root, key, name) && ReadIntegerValue(root, key, name) == n;
}

bool RegistryAccess::WriteValue(RegRoot root, const std::wstring& key, const std::wstring& name, std::uint32_t type,
                                const std::vector<std::uint8_t>& data) {
  // Removing first lets a write change the value's type.
  if (ValueExists(root, key, name)) RemoveValue(root, key, name);
  auto handle = registry_.OpenWrite(root, key);
  return handle && handle->Set(name, type, data);
}

bool RegistryAccess::WriteStringValue(RegRoot root, const std::wstring& key, const std::wstring& name,
                                      const std::wstring& text) {
  WriteValue(root, key, name, kRegSz, RegStringData(text));
  return ValueExists(root, key, name) && ReadStringValue(root, key, name) == text;
}

bool RegistryAccess::WriteIntegerValue(RegRoot root, const std::wstring& key, const std::wstring& name,
                                       std::int32_t n) {
  WriteValue(root, key, name, kRegDword, RegDwordData(static_cast<std::uint32_t>(n)));
  return IntegerValueEquals(root, key, name, n);
}

bool RegistryAccess::CreateKeyPath(RegRoot root, const std::wstring& key) {
  if (KeyExists(root, key)) return true;
  registry_.OpenWrite(root, key);
  return KeyExists(root, key);
}

bool RegistryAccess::RemoveValue(RegRoot root, const std::wstring& key, const std::wstring& name) {
  if (!KeyExists(root, key)) return true;
  if (auto handle = registry_.OpenWrite(root, key)) handle->DeleteValue(name);
  return !ValueExists(root, key, name);
}

bool RegistryAccess::RemoveKey(RegRoot root, const std::wstring& key) {
  if (Trim(key).empty() || key.find_first_not_of(L'\\') == std::wstring::npos) return false;
  std::vector<std::wstring> children;
  if (ListSubKeys(root, key, children)) {
    const std::wstring prefix = key.back() == L'\\' ? key : key + L'\\';
    for (const auto& child : children) RemoveKey(root, prefix + child);
    registry_.DeleteLeafKey(root, key);
  }
  return !KeyExists(root, key);
}

std::wstring RegistryAccess::RootKeyName(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot: return L"HKEY_CLASSES_ROOT";
    case RegRoot::CurrentUser: return L"HKEY_CURRENT_USER";
    case RegRoot::LocalMachine: return L"HKEY_LOCAL_MACHINE";
    case RegRoot::Users: return L"HKEY_USERS";
    case RegRoot::CurrentConfig: return L"HKEY_CURRENT_CONFIG";
    default: return {};
  }
}

void RegistryAccess::LoadCheckBox(RegRoot root, const std::wstring& key, const std::wstring& name,
                                  bool& checked) const {
  if (!ValueExists(root, key, name)) return;
  // Text that is no number is no 0: it leaves the box as designed.
  const int kind = ValueDataType(root, key, name);
  if ((kind == kValueString || kind == kValueExpandString) && !ParseInt32(ReadStringValue(root, key, name))) return;
  const std::int32_t stored = ReadIntegerValue(root, key, name);
  if (stored == 0 || stored == 1) checked = stored == 1;
}

bool RegistryAccess::SaveCheckBox(RegRoot root, const std::wstring& key, const std::wstring& name, bool checked) {
  return WriteIntegerValue(root, key, name, checked ? 1 : 0);
}

void RegistryAccess::LoadListFromValueNames(RegRoot root, const std::wstring& key,
                                            std::vector<std::wstring>& lines) const {
  if (!KeyExists(root, key)) return;
  lines.clear();
  ListValueNames(root, key, lines);
}

void RegistryAccess::SaveListAsValueNames(RegRoot root, const std::wstring& key,
                                          const std::vector<std::wstring>& lines, bool upperCase) {
  RemoveKey(root, key);
  for (const auto& line : lines) WriteStringValue(root, key, upperCase ? UpperCase(line) : line, L"");
}

}  // namespace vt
