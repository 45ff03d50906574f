#include "core/os_version.h"

#include "core/text.h"

namespace vt {

OsVersionFlagSet ComputeOsVersionFlags(const OsVersionInfo& info) {
  OsVersionFlagSet f;
  const std::wstring servicePack = Trim(info.servicePack);
  const std::wstring& product = info.productName;
  const bool family9x = info.platform == OsPlatform::Windows9x;
  const bool familyNT = info.platform == OsPlatform::WindowsNT;

  if (family9x) {
    if (info.minor < 10) {
      (servicePack == L"B" ? f.IsWin95B : f.IsWin95) = true;
    } else if (info.minor < 90) {
      if (ContainsText(product, L"Windows ME")) f.IsWinME = true;
      else (servicePack == L"A" ? f.IsWin98SE : f.IsWin98) = true;
    } else if (info.minor == 90) {
      f.IsWinME = true;
    }
  }
  if (familyNT) {
    if (info.major == 3) f.IsNT3 = true;
    if (info.major == 4) f.IsNT4 = true;
    if (info.major == 5) (info.minor == 1 ? f.IsWinXP : f.IsWin2000) = true;
    if (ContainsText(product, L"Windows XP")) {
      f.IsWin2000 = false;
      f.IsWinXP = true;
    }
  }
  if (family9x) {
    if (ContainsText(product, L"Windows ME")) f.IsWinME = true;
    if (ContainsText(product, L"95")) {
      f.IsWin95 = true;
      f.IsWin95B = f.IsWin98 = f.IsWin98SE = f.IsWinME = false;
    }
  }
  f.IsNT = f.IsNT3 || f.IsNT4 || f.IsWin2000 || f.IsWinXP;
  f.IsUnknownOs = !(f.IsNT || f.IsWin95 || f.IsWin95B || f.IsWin98 || f.IsWin98SE || f.IsWinME);
  return f;
}

}  // namespace vt
