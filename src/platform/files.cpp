#include "platform/files.h"

#include <shlobj.h>

#include "platform/handles.h"

namespace vt {

std::wstring LongPath(const std::wstring& path) {
  if (path.size() < MAX_PATH - 12 || path.rfind(L"\\\\?\\", 0) == 0) return path;
  if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  if (path.size() > 2 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
  return path;
}

std::wstring SpecialFolderPath(int csidl) {
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer))) return {};
  return buffer;
}

namespace {

bool IsDotName(const wchar_t* name) { return name[0] == L'.'; }

bool IsFolder(const WIN32_FIND_DATAW& data) { return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

}  // namespace

void ListFiles(const std::wstring& folder, const std::wstring& mask, std::vector<std::wstring>& list) {
  WIN32_FIND_DATAW data;
  UniqueFindHandle find(FindFirstFileW(LongPath(folder + mask).c_str(), &data));
  if (!find) return;
  do {
    if (!IsFolder(data)) list.push_back(folder + data.cFileName);
  } while (FindNextFileW(find.get(), &data));
}

void ListSubfolders(const std::wstring& folder, std::vector<std::wstring>& list) {
  WIN32_FIND_DATAW data;
  UniqueFindHandle find(FindFirstFileW(LongPath(folder + L"*").c_str(), &data));
  if (!find) return;
  do {
    if (IsFolder(data) && !IsDotName(data.cFileName)) list.push_back(data.cFileName);
  } while (FindNextFileW(find.get(), &data));
}

bool IsLocalFolder(const std::wstring& path) {
  if (path.size() < 3 || path[1] != L':' || path[2] != L'\\') return false;
  const DWORD attributes = GetFileAttributesW(LongPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace vt
