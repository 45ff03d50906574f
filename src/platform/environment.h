// What the running system tells about itself: folders, Windows version, rights,
// languages, and the program's own help.
#pragma once

#include <windows.h>

#include <string>

#include "core/os_version.h"

namespace vt {

std::wstring ExecutablePath();
// Argument `index` of the program's command line (1 is the first after the
// program); empty when there is none.
std::wstring CommandLineArgument(int index);
// The executable's folder: everything from the last "\" of its path on removed.
std::wstring ExecutableFolder();
std::wstring QueryWindowsDir();
std::wstring QuerySystemDir();
// The local application-data folder without its last component, + "\TEMP"; empty
// when the shell gives no such folder. Where that folder does not exist (every
// Windows since Vista keeps the user's temp folder elsewhere), the temp folder
// the system names for the user is used instead.
std::wstring QueryUserTempDir();

// Version numbers, service pack and product name as this system reports them.
OsVersionInfo QueryOsVersionInfo();

// Whether the thread's (or else the process's) token holds the built-in
// Administrators group in a usable form (not as a deny-only group, which is how
// a non-elevated administrator's token carries it).
bool IsAdministrator();

int SystemLanguageId();                     // the system default language identifier
std::wstring LanguageDisplayName(int number);  // system name of primary language `number`

}  // namespace vt
