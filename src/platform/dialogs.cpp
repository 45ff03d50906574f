#include "platform/dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstdio>

#include "core/globals.h"
#include "core/text.h"

namespace vt {

namespace {

UINT IconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error: return MB_ICONERROR;
    case MessageIcon::Warning: return MB_ICONWARNING;
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Question: return MB_ICONQUESTION;
    default: return 0;
  }
}

const wchar_t* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error: return L"error";
    case MessageIcon::Warning: return L"warning";
    case MessageIcon::Information: return L"information";
    case MessageIcon::Question: return L"question";
    default: return L"none";
  }
}

class Win32Dialogs final : public DialogService {
 public:
  bool ShowMessage(const MessageRequest& r) override {
    const UINT buttons = r.buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    const UINT extra = r.owner ? 0 : MB_TASKMODAL;
    const int answer = MessageBoxW(r.owner, r.text.c_str(), r.caption.c_str(), buttons | IconFlag(r.icon) | extra);
    return answer == IDOK || answer == IDYES;
  }
};

class LoggingDialogs final : public DialogService {
 public:
  LoggingDialogs(std::wstring path, bool answerYes) : path_(std::move(path)), answerYes_(answerYes) {}
  bool ShowMessage(const MessageRequest& r) override {
    const std::wstring line = r.caption + L"|" + IconName(r.icon) + L"|" + r.text + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8.data(), size, nullptr, nullptr);
    if (FILE* file = _wfopen(path_.c_str(), L"ab")) {
      fwrite(utf8.data(), 1, utf8.size(), file);
      fclose(file);
    }
    return r.buttons == MessageButtons::Ok || answerYes_;
  }
  // Unattended runs never block on a file dialog.
  std::optional<std::wstring> AskFileName(const FileRequest&) override { return std::nullopt; }
  std::optional<std::wstring> AskFolder(HWND, const std::wstring&) override { return std::nullopt; }

 private:
  std::wstring path_;
  bool answerYes_;
};

Win32Dialogs realDialogs;
DialogService* active = &realDialogs;

std::wstring Environment(const wchar_t* name) {
  wchar_t buffer[1024];
  const DWORD length = GetEnvironmentVariableW(name, buffer, 1024);
  return length > 0 && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

}  // namespace

std::optional<std::wstring> DialogService::AskFileName(const FileRequest& request) {
  std::wstring filter = request.filter + L'\0' + request.filter + L'\0' + L'\0';
  std::wstring buffer = request.initial;
  buffer.resize(32768, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = request.owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (request.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = request.save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!chosen) return std::nullopt;
  return std::wstring(buffer.c_str());
}

std::optional<std::wstring> DialogService::AskFolder(HWND owner, const std::wstring& title) {
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE list = SHBrowseForFolderW(&info);
  if (!list) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  const bool ok = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  if (!ok) return std::nullopt;
  return std::wstring(path);
}

DialogService& Dialogs() { return *active; }

DialogService* SetDialogService(DialogService* service) {
  DialogService* previous = active;
  active = service ? service : &realDialogs;
  return previous;
}

void ShowMessage(HWND owner, const std::wstring& text, MessageIcon icon) {
  Dialogs().ShowMessage({owner, text, ProductTitle, icon, MessageButtons::Ok});
}

bool AskYesNo(HWND owner, const std::wstring& text, MessageIcon icon) {
  return Dialogs().ShowMessage({owner, text, ProductTitle, icon, MessageButtons::YesNo});
}

void InstallDialogLogFromEnvironment() {
  const std::wstring path = Environment(L"TIDEWRIGHT_DIALOG_LOG");
  if (path.empty()) return;
  static LoggingDialogs logging(path, EqualsNoCase(Environment(L"TIDEWRIGHT_DIALOG_ANSWER"), L"yes"));
  SetDialogService(&logging);
}

}  // namespace vt
