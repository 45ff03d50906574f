// Ini files through the profile API. Every name is made absolute first: the API
// looks for a bare name in the Windows folder.
#include "platform/files.h"

#include <cerrno>
#include <cwchar>
#include <limits>

namespace vt {

std::wstring IniReadString(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
  const std::wstring path = FullPathName(file);
  if (path.empty()) return {};
  // The API cuts a value that does not fit and says so only by filling the buffer.
  std::wstring value(256, L'\0');
  for (;;) {
    const DWORD length = GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", value.data(),
                                                  static_cast<DWORD>(value.size()), path.c_str());
    if (length + 1 < value.size() || value.size() >= 65536) {
      value.resize(length);
      return value;
    }
    value.resize(value.size() * 4);
  }
}

int IniReadInteger(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
  const std::wstring text = IniReadString(file, section, key);
  if (text.empty()) return -1;
  wchar_t* end = nullptr;
  errno = 0;
  const long value = std::wcstol(text.c_str(), &end, 10);
  while (end && (*end == L' ' || *end == L'\t')) ++end;
  if (end == text.c_str() || *end != L'\0' || errno == ERANGE || value < std::numeric_limits<int>::min() ||
      value > std::numeric_limits<int>::max())
    return -1;
  return static_cast<int>(value);
}

bool IniWriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                    const std::wstring& value) {
  const std::wstring path = FullPathName(file);
  // The profile API would create a missing file; we only change existing ones.
  const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  // A read-only (or hidden/system) ini file is written anyway and keeps its attributes.
  const bool cleared = attributes != FILE_ATTRIBUTE_NORMAL && SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  const bool written = WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str());
  // Flush the API's cache while the file is still writable.
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
  if (cleared) SetFileAttributesW(path.c_str(), attributes);
  return written && IniReadString(path, section, key) == value;
}

void IniDeleteKey(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
  const std::wstring path = FullPathName(file);
  // A missing file stays missing.
  if (path.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  // key.c_str() is never null, so this never deletes the whole section.
  WritePrivateProfileStringW(section.c_str(), key.c_str(), nullptr, path.c_str());
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
}

}  // namespace vt
