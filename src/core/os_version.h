// Which Windows the program runs on, decided once at start-up from what the
// system reports. A pure function so every known version can be tested.
#pragma once

#include <string>

namespace vt {

enum class OsPlatform : int { Win32s = 0, Windows9x = 1, WindowsNT = 2 };

struct OsVersionInfo {
  OsPlatform platform = OsPlatform::WindowsNT;
  unsigned major = 0;
  unsigned minor = 0;
  std::wstring servicePack;  // as reported; trimmed before use
  std::wstring productName;  // "ProductName" of the family's CurrentVersion key
};

struct OsVersionFlagSet {
  bool IsWin95 = false;
  bool IsWin95B = false;
  bool IsWin98 = false;
  bool IsWin98SE = false;
  bool IsWinME = false;
  bool IsNT3 = false;
  bool IsNT4 = false;
  bool IsWin2000 = false;
  bool IsWinXP = false;
  bool IsNT = false;
  bool IsUnknownOs = false;
  bool operator==(const OsVersionFlagSet&) const = default;
};

OsVersionFlagSet ComputeOsVersionFlags(const OsVersionInfo& info);

}  // namespace vt
