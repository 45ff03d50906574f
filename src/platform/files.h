// Plain file-system, shell, process, environment and ini-file operations. Each
// reports its outcome as a return value and shows no message of its own (the
// shell's own progress and confirmation dialogs aside, where said). Folder
// arguments that are combined with a name or mask must end with "\".
// Folder walks never descend into reparse points (junctions, symbolic links,
// mount points): such an entry is not a folder of ours to walk or remove.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vt {

// --- folders and files ---
// Path of a shell special folder (a CSIDL_ value); empty when it cannot be resolved.
std::wstring SpecialFolderPath(int csidl);
// Appends folder + name of every entry matching folder + mask that is no folder.
void ListFiles(const std::wstring& folder, const std::wstring& mask, std::vector<std::wstring>& list);
// ListFiles for the folder, then depth first for each subfolder (names starting
// with "." skipped, reparse points not entered).
void ListFilesRecursive(const std::wstring& folder, const std::wstring& mask, std::vector<std::wstring>& list);
// Appends the names (not paths) of the folder's subfolders; names starting with "." skipped.
void ListSubfolders(const std::wstring& folder, std::vector<std::wstring>& list);
// Removes every empty folder below `folder`, deepest first; the folder itself stays.
// Each visited subfolder gets normal attributes, also when it stays. Links are
// neither entered nor removed nor changed, and a link as `folder` is left alone.
void RemoveEmptyFolders(const std::wstring& folder);
// "X:\..." and an existing folder.
bool IsLocalFolder(const std::wstring& path);
// The file exists and cannot be opened for reading and writing without sharing
// (a folder is no file in use).
bool FileInUse(const std::wstring& path);
// As FileInUse, with the attributes cleared for the test and restored afterwards.
bool FileInUseIgnoringAttributes(const std::wstring& path);

// --- shell file operations (undo allowed: deletions go to the recycle bin) ---
bool ShellCopy(const std::wstring& from, const std::wstring& to);
bool ShellMove(const std::wstring& from, const std::wstring& to);
bool RecycleFile(const std::wstring& path);     // an existing file only; no confirmation
bool RecycleFileAsk(const std::wstring& path);  // the shell asks the user
// A file or folder to the recycle bin with the shell's progress over `owner`.
bool RecyclePath(const std::wstring& path, HWND owner, bool& aborted);

// --- processes, text and ini files ---
// Starts the command line in its own console and waits for it; its exit code, or
// -1 when it cannot be started.
int RunAndWait(const std::wstring& commandLine, const std::wstring& workingFolder, int showMode);
std::wstring ExpandEnvVars(const std::wstring& text);  // at most 2047 characters
std::wstring IniReadString(const std::wstring& file, const std::wstring& section, const std::wstring& key);
int IniReadInteger(const std::wstring& file, const std::wstring& section, const std::wstring& key);  // -1: none
// Only for an existing file; true when the value reads back equal.
bool IniWriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                    const std::wstring& value);
void IniDeleteKey(const std::wstring& file, const std::wstring& section, const std::wstring& key);

// --- long paths ---
// The "\\?\" form of an absolute path when it is too long for the plain API.
std::wstring LongPath(const std::wstring& path);
// The absolute form of a path (relative to the current folder); the path itself
// when it cannot be resolved. Ini and shell operations need this: a bare ini
// name would otherwise land in the Windows folder.
std::wstring FullPathName(const std::wstring& path);

}  // namespace vt
