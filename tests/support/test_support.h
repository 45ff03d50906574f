// Helpers for tests that run under Wine: scratch folders that clean up after
// themselves, a recording dialog service, and the location of the built program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace vt::testing {

// A new, empty folder under the prefix's temp folder, removed with everything in
// it (links are removed, never followed) when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::wstring& hint = L"vt");
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::wstring& Path() const { return path_; }  // no trailing backslash
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

void RemoveTree(const std::wstring& path);
std::wstring WindowText(HWND window);
void WriteTextFile(const std::wstring& path, const std::string& bytes);
std::string ReadTextFile(const std::wstring& path);  // empty when missing

// Saves what the screen shows of the window as a PNG file (for the screenshot
// runs; the window must be visible). Returns false when nothing was saved.
bool SaveWindowShot(HWND window, const std::wstring& path);
// The folder named by VT_SCREENS_DIR (screenshots wanted), or empty.
std::wstring ScreensFolder();

// Folder of the running test program, and the shipped folder of this build.
std::wstring TestProgramFolder();
std::wstring DistFolder();

// Records every message and answers Yes/OK or No as told.
class RecordingDialogs : public DialogService {
 public:
  RecordingDialogs() { previous_ = SetDialogService(this); }
  ~RecordingDialogs() override { SetDialogService(previous_); }
  bool ShowMessage(const MessageRequest& request) override {
    requests.push_back(request);
    return request.buttons == MessageButtons::Ok || answerYes;
  }
  std::vector<MessageRequest> requests;
  bool answerYes = false;

 private:
  DialogService* previous_ = nullptr;
};

}  // namespace vt::testing
