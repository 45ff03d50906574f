#include "platform/files.h"

#include <shlobj.h>

#include "platform/handles.h"

namespace vt {

std::wstring FullPathName(const std::wstring& path) {
  if (path.empty()) return {};
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  size = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (size == 0 || size >= full.size()) return path;
  full.resize(size);
  return full;
}

std::wstring LongPath(const std::wstring& path) {
  if (path.size() < MAX_PATH - 12 || path.rfind(L"\\\\?\\", 0) == 0) return path;
  // The "\\?\" form switches off all path normalisation, so "/", "." and ".."
  // must be resolved before it is added.
  const std::wstring full = FullPathName(path);
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  if (full.size() > 2 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
  return path;
}

std::wstring SpecialFolderPath(int csidl) {
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer))) return {};
  return buffer;
}

namespace {

bool IsDotName(const wchar_t* name) {
  return name[0] == L'.';
}
bool IsSelfOrParent(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

bool IsFolder(const WIN32_FIND_DATAW& data) {
  return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
// A junction, symbolic link or mount point: its contents belong somewhere else
// (possibly above us, which would make a walk loop), so it is never walked.
bool IsLink(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// Calls `visit(name)` for every real subfolder of `folder` (links left out).
template <typename Visit>
void ForEachWalkableSubfolder(const std::wstring& folder, Visit visit) {
  WIN32_FIND_DATAW data;
  UniqueFindHandle find(FindFirstFileW(LongPath(folder + L"*").c_str(), &data));
  if (!find) return;
  do {
    if (IsFolder(data) && !IsLink(data.dwFileAttributes) && !IsSelfOrParent(data.cFileName)) visit(data.cFileName);
  } while (FindNextFileW(find.get(), &data));
}

void RemoveEmptyFoldersBelow(const std::wstring& folder) {
  // Collected first: removing folders while the search handle is open would
  // change the listing under it.
  std::vector<std::wstring> subfolders;
  ForEachWalkableSubfolder(folder, [&](const wchar_t* name) { subfolders.push_back(folder + name); });
  for (const auto& path : subfolders) {
    const std::wstring longPath = LongPath(path);
    // Read-only or system folders cannot be removed, so every folder we visit
    // is made normal first, also one that turns out to hold files.
    SetFileAttributesW(longPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveEmptyFoldersBelow(path + L"\\");
    // Fails harmlessly when something is left inside.
    RemoveDirectoryW(longPath.c_str());
  }
}

}  // namespace

void ListFiles(const std::wstring& folder, const std::wstring& mask, std::vector<std::wstring>& list) {
  WIN32_FIND_DATAW data;
  UniqueFindHandle find(FindFirstFileW(LongPath(folder + mask).c_str(), &data));
  if (!find) return;
  do {
    if (!IsFolder(data)) list.push_back(folder + data.cFileName);
  } while (FindNextFileW(find.get(), &data));
}

void ListFilesRecursive(const std::wstring& folder, const std::wstring& mask, std::vector<std::wstring>& list) {
  ListFiles(folder, mask, list);
  ForEachWalkableSubfolder(folder, [&](const wchar_t* name) {
    if (!IsDotName(name)) ListFilesRecursive(folder + name + L"\\", mask, list);
  });
}

void ListSubfolders(const std::wstring& folder, std::vector<std::wstring>& list) {
  WIN32_FIND_DATAW data;
  UniqueFindHandle find(FindFirstFileW(LongPath(folder + L"*").c_str(), &data));
  if (!find) return;
  do {
    if (IsFolder(data) && !IsDotName(data.cFileName)) list.push_back(data.cFileName);
  } while (FindNextFileW(find.get(), &data));
}

void RemoveEmptyFolders(const std::wstring& folder) {
  if (folder.empty()) return;
  std::wstring base = folder;
  if (base.back() != L'\\') base += L'\\';
  // A link given as the starting point would put everything below it behind a link.
  const std::wstring self = base.size() > 3 ? base.substr(0, base.size() - 1) : base;
  const DWORD attributes = GetFileAttributesW(LongPath(self).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) || IsLink(attributes)) return;
  RemoveEmptyFoldersBelow(base);
}

bool IsLocalFolder(const std::wstring& path) {
  if (path.size() < 3 || path[1] != L':' || path[2] != L'\\') return false;
  const DWORD attributes = GetFileAttributesW(LongPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileInUse(const std::wstring& path) {
  const std::wstring longPath = LongPath(path);
  const DWORD attributes = GetFileAttributesW(longPath.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  UniqueFileHandle file(CreateFileW(longPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file) return false;
  // Gone between the two calls: a missing file is not in use.
  const DWORD error = GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

bool FileInUseIgnoringAttributes(const std::wstring& path) {
  const std::wstring longPath = LongPath(path);
  const DWORD attributes = GetFileAttributesW(longPath.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  const bool cleared =
      attributes != FILE_ATTRIBUTE_NORMAL && SetFileAttributesW(longPath.c_str(), FILE_ATTRIBUTE_NORMAL);
  const bool inUse = FileInUse(path);
  if (cleared) SetFileAttributesW(longPath.c_str(), attributes);
  return inUse;
}

}  // namespace vt
