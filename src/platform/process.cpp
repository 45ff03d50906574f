#include "platform/files.h"
#include "platform/handles.h"

namespace vt {

int RunAndWait(const std::wstring& commandLine, const std::wstring& workingFolder, int showMode) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showMode);
  // CreateProcessW may write into the command line, so it gets its own copy.
  std::wstring command = commandLine;
  PROCESS_INFORMATION info{};
  if (command.empty() ||
      !CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                      nullptr, workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info))
    return -1;
  UniqueKernelHandle process(info.hProcess);
  UniqueKernelHandle thread(info.hThread);
  WaitForSingleObject(process.get(), INFINITE);
  DWORD exitCode = 0;
  if (!GetExitCodeProcess(process.get(), &exitCode)) return -1;
  return static_cast<int>(exitCode);
}

std::wstring ExpandEnvVars(const std::wstring& text) {
  constexpr size_t kMaxLength = 2047;
  if (text.empty()) return {};
  // The result may be longer than the text; ask for the size, then cut to the limit
  // (a fixed buffer that is too small would leave its contents undefined).
  const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (needed == 0) return text.substr(0, kMaxLength);
  std::wstring expanded(needed, L'\0');
  const DWORD written = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed);
  if (written == 0 || written > needed) return text.substr(0, kMaxLength);
  expanded.resize(written - 1);  // without the NUL
  if (expanded.size() > kMaxLength) expanded.resize(kMaxLength);
  return expanded;
}

}  // namespace vt
