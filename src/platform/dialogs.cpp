#include "platform/dialogs.h"

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
