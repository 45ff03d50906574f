#include "ui/application.h"

#include <windows.h>

namespace vt::ui {

namespace {

bool quitRequested = false;

// Tab, Enter and Escape work as in dialogs for whichever window is active.
void Dispatch(MSG& msg) {
  HWND top = GetAncestor(msg.hwnd, GA_ROOT);
  if (top && IsDialogMessageW(top, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

void ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quitRequested = true;
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

void RunModalLoop(const std::function<bool()>& done) {
  MSG msg;
  while (!done()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quitRequested = true;
      PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 1);
      return;
    }
    Dispatch(msg);
  }
}

int RunMessageLoop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) Dispatch(msg);
  quitRequested = true;
  return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

bool QuitRequested() { return quitRequested; }

}  // namespace vt::ui
