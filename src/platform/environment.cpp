#include "platform/environment.h"

#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "platform/files.h"
#include "platform/handles.h"
#include "platform/text_codec.h"
#include "platform/win_registry.h"

namespace vt {

std::wstring ExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return buffer.substr(0, length);
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring CommandLineArgument(int index) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return {};
  std::wstring argument = index >= 0 && index < count ? arguments[index] : L"";
  LocalFree(arguments);
  return argument;
}

std::wstring ExecutableFolder() {
  const std::wstring path = ExecutablePath();
  const size_t slash = path.rfind(L'\\');
  return slash == std::wstring::npos ? path : path.substr(0, slash);
}

std::wstring QueryWindowsDir() {
  wchar_t buffer[MAX_PATH] = {};
  return std::wstring(buffer, GetWindowsDirectoryW(buffer, MAX_PATH));
}

std::wstring QuerySystemDir() {
  wchar_t buffer[MAX_PATH] = {};
  return std::wstring(buffer, GetSystemDirectoryW(buffer, MAX_PATH));
}

std::wstring QueryUserTempDir() {
  const std::wstring localAppData = SpecialFolderPath(CSIDL_LOCAL_APPDATA);
  if (localAppData.empty()) return {};
  const size_t slash = localAppData.rfind(L'\\');
  const std::wstring classic = (slash == std::wstring::npos ? localAppData : localAppData.substr(0, slash)) + L"\\TEMP";
  if (FolderExists(classic)) return classic;
  // Newer systems keep the user's temp folder elsewhere; use the one the system names.
  wchar_t temp[MAX_PATH + 1] = {};
  std::wstring current(temp, GetTempPathW(MAX_PATH + 1, temp));
  while (current.size() > 3 && current.back() == L'\\') current.pop_back();
  return FolderExists(current) ? current : classic;
}

OsVersionInfo QueryOsVersionInfo() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&version);
#pragma GCC diagnostic pop
  OsVersionInfo info;
  info.platform = static_cast<OsPlatform>(version.dwPlatformId);
  info.major = version.dwMajorVersion;
  info.minor = version.dwMinorVersion;
  info.servicePack = version.szCSDVersion;
  const wchar_t* key = info.platform == OsPlatform::WindowsNT ? L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"
                                                               : L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
  info.productName = Reg().ReadStringValue(HKLM, key, L"ProductName");
  return info;
}

bool IsAdministrator() {
  UniqueKernelHandle token;
  if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, token.put()) &&
      !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put()))
    return false;
  DWORD size = 0;
  GetTokenInformation(token.get(), TokenGroups, nullptr, 0, &size);
  if (size == 0) return false;
  std::vector<BYTE> buffer(size);
  if (!GetTokenInformation(token.get(), TokenGroups, buffer.data(), size, &size)) return false;

  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0,
                                0, 0, &administrators))
    return false;
  const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
  bool member = false;
  for (DWORD i = 0; i < groups->GroupCount && !member; ++i) {
    const auto& group = groups->Groups[i];
    member = EqualSid(group.Sid, administrators) && !(group.Attributes & SE_GROUP_USE_FOR_DENY_ONLY);
  }
  FreeSid(administrators);
  return member;
}

int SystemLanguageId() { return GetSystemDefaultLangID(); }

std::wstring LanguageDisplayName(int number) {
  wchar_t buffer[256] = {};
  const LCID locale = MAKELCID(static_cast<LANGID>(number + 1024), SORT_DEFAULT);
  if (GetLocaleInfoW(locale, LOCALE_SLANGUAGE, buffer, 256) <= 0) return {};
  return buffer;
}

}  // namespace vt
