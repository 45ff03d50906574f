// Directory links for the folder-walk tests, and scratch folders that may hold
// them: links are removed as links, never followed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/handles.h"
#include "support/test_support.h"

namespace vt::testing {

inline bool RunningOnWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Wine 8 cannot make a link itself (CreateSymbolicLinkW does nothing and
// FSCTL_SET_REPARSE_POINT is unsupported), but it starts host programs given
// as "\\?\unix\..." and shows a host symbolic link to a folder as a
// reparse-point folder, just like a junction. The tool runs inside `folder` and
// only gets names relative to it. Wine gives no handle to wait on for a host
// program, so callers wait for its effect.
inline bool StartHostTool(const std::wstring& tool, const std::wstring& arguments, std::wstring folder) {
  if (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();  // Wine's unix working folder needs this
  const std::wstring program = L"\\\\?\\unix\\bin\\" + tool;
  std::wstring command = tool + L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &info))
    return false;
  UniqueKernelHandle process(info.hProcess), thread(info.hThread);
  return true;
}

template <typename Condition>
bool WaitFor(Condition condition) {
  for (int i = 0; i < 500; ++i) {
    if (condition()) return true;
    Sleep(10);
  }
  return condition();
}

inline DWORD Attributes(const std::wstring& path) {
  return GetFileAttributesW(LongPath(path).c_str());
}
inline bool Exists(const std::wstring& path) {
  return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

inline bool IsLinkAt(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Makes folder + name a directory link to `target`, given relative to `folder`.
inline bool MakeFolderLink(const std::wstring& folder, const std::wstring& name, const std::wstring& target) {
  const std::wstring link = folder + name;
  constexpr DWORD kAllowUnprivileged = 0x2;
  CreateSymbolicLinkW(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | kAllowUnprivileged);
  if (IsLinkAt(link)) return true;
  if (!RunningOnWine()) return false;
  std::wstring hostTarget = target;
  for (auto& c : hostTarget) c = c == L'\\' ? L'/' : c;
  return StartHostTool(L"ln", L"-s " + hostTarget + L" " + name, folder) && WaitFor([&] { return IsLinkAt(link); });
}

// Removes the link itself, never what it points to.
inline bool RemoveFolderLink(const std::wstring& folder, const std::wstring& name) {
  if (RunningOnWine()) {  // rm never follows the link
    const std::wstring link = folder + name;
    return StartHostTool(L"rm", name, folder) &&
           WaitFor([&] { return GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES; });
  }
  return RemoveDirectoryW((folder + name).c_str()) != FALSE;
}

inline std::vector<WIN32_FIND_DATAW> Entries(const std::wstring& folder) {
  std::vector<WIN32_FIND_DATAW> entries;
  WIN32_FIND_DATAW data;
  UniqueFindHandle find(FindFirstFileW(LongPath(folder + L"*").c_str(), &data));
  if (!find) return entries;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") entries.push_back(data);
  } while (FindNextFileW(find.get(), &data));
  return entries;
}

// Removes every link below `folder` as a link. Done before the rest of a scratch
// tree goes: Wine cannot remove a host link itself, and once its target is gone
// the link no longer shows up as a folder.
inline void RemoveLinksBelow(const std::wstring& folder) {
  for (const auto& entry : Entries(folder)) {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      EXPECT_TRUE(RemoveFolderLink(folder, entry.cFileName)) << "link left behind in " << folder;
    } else {
      RemoveLinksBelow(folder + entry.cFileName + L"\\");
    }
  }
}

inline bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  UniqueFileHandle file(
      CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

inline bool MakeFolder(const std::wstring& path) {
  return CreateDirectoryW(LongPath(path).c_str(), nullptr) != FALSE;
}

// A scratch folder that may hold links; path() ends with "\".
class TempFolder {
 public:
  TempFolder() : path_(scratch_.Path() + L"\\") {}
  ~TempFolder() {
    RemoveLinksBelow(path_);
    // A console that a child process ran in may hold the folder for a moment.
    EXPECT_TRUE(WaitFor([&] {
      RemoveTree(scratch_.Path());
      return !Exists(scratch_.Path());
    })) << "scratch folder left behind";
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + name; }

 private:
  ScratchFolder scratch_{L"vt-files"};
  std::wstring path_;
};

}  // namespace vt::testing
