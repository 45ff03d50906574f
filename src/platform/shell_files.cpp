// The shell's own copy, move and delete: deletions go to the recycle bin, where
// the user can still get them back.
#include "platform/files.h"

#include <shellapi.h>

namespace vt {

namespace {

// SHFileOperationW reads lists of names, each ended by a NUL, the list by one more.
std::wstring NameList(const std::wstring& path) {
  std::wstring list = path;
  list.push_back(L'\0');  // c_str() adds the second one
  return list;
}

bool ShellOperation(UINT function, const std::wstring& from, const std::wstring* to, FILEOP_FLAGS flags,
                    HWND owner = nullptr, bool* aborted = nullptr) {
  if (aborted) *aborted = false;
  if (from.empty()) return false;
  const std::wstring fromList = NameList(from);
  const std::wstring toList = to ? NameList(*to) : std::wstring();
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = owner;
  operation.wFunc = function;
  operation.pFrom = fromList.c_str();
  operation.pTo = to ? toList.c_str() : nullptr;
  operation.fFlags = flags;
  const int result = SHFileOperationW(&operation);
  if (aborted) *aborted = operation.fAnyOperationsAborted != FALSE;
  return result == 0 && !operation.fAnyOperationsAborted;
}

// Quiet: no confirmation, no progress and no error box of the shell's; the
// caller learns the outcome from the result.
constexpr FILEOP_FLAGS kQuiet = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_SILENT | FOF_NOERRORUI;

// The shell under Wine reports success for a source that does not exist.
bool SourceExists(const std::wstring& path) {
  if (path.find_first_of(L"*?") != std::wstring::npos) return true;  // a mask: the shell decides
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsExistingFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool ShellCopy(const std::wstring& from, const std::wstring& to) {
  const std::wstring full = FullPathName(from);
  const std::wstring target = FullPathName(to);
  return SourceExists(full) && ShellOperation(FO_COPY, full, &target, kQuiet);
}

bool ShellMove(const std::wstring& from, const std::wstring& to) {
  const std::wstring full = FullPathName(from);
  const std::wstring target = FullPathName(to);
  return SourceExists(full) && ShellOperation(FO_MOVE, full, &target, kQuiet);
}

// Without the full path the shell deletes for good instead of recycling.
// Only files: a folder goes through RecyclePath, where the caller means it.
bool RecycleFile(const std::wstring& path) {
  const std::wstring full = FullPathName(path);
  if (!IsExistingFile(full)) return false;
  return ShellOperation(FO_DELETE, full, nullptr, kQuiet);
}

bool RecycleFileAsk(const std::wstring& path) {
  const std::wstring full = FullPathName(path);
  if (!IsExistingFile(full)) return false;
  return ShellOperation(FO_DELETE, full, nullptr, FOF_ALLOWUNDO | FOF_NOERRORUI | FOF_SILENT);
}

bool RecyclePath(const std::wstring& path, HWND owner, bool& aborted) {
  aborted = false;
  const std::wstring full = FullPathName(path);
  if (GetFileAttributesW(full.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  // The shell's progress stays (the user may cancel there); its error boxes do not.
  return ShellOperation(FO_DELETE, full, nullptr, FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI, owner, &aborted);
}

}  // namespace vt
