// Every message box and file dialog of the program goes through one service, so
// tests can replace it: they record what was asked and answer as they choose.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vt {

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, YesNo };

struct MessageRequest {
  HWND owner = nullptr;
  std::wstring text;
  std::wstring caption;  // ProductTitle unless a message says otherwise
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
};

struct FileRequest {
  HWND owner = nullptr;
  std::wstring filter = L"*.*";  // a mask such as "*.txt"
  std::wstring initial;          // file name to start from
  bool save = false;             // choose a file to write
};

class DialogService {
 public:
  virtual ~DialogService() = default;
  // True for OK or Yes.
  virtual bool ShowMessage(const MessageRequest& request) = 0;
  // The chosen file or folder; nothing when the user cancels.
  virtual std::optional<std::wstring> AskFileName(const FileRequest& request);
  virtual std::optional<std::wstring> AskFolder(HWND owner, const std::wstring& title);
};

// The active service (the real Win32 message box unless replaced).
DialogService& Dialogs();
// Replaces the service; null restores the real one. Returns the previous one.
DialogService* SetDialogService(DialogService* service);

// Shorthands: caption ProductTitle. Ask returns true only for Yes.
void ShowMessage(HWND owner, const std::wstring& text, MessageIcon icon);
bool AskYesNo(HWND owner, const std::wstring& text, MessageIcon icon = MessageIcon::Question);

// When the environment variable TIDEWRIGHT_DIALOG_LOG names a file, every message is
// appended to that file (UTF-8, one line: caption|icon|text) and answered with
// the value of TIDEWRIGHT_DIALOG_ANSWER ("yes" or "no", default "no") instead of
// being shown. Lets the end-to-end tests run the real program unattended.
void InstallDialogLogFromEnvironment();

}  // namespace vt
