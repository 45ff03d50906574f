// The start-up password prompt: shown before anything else when a password is
// stored; the program ends unless the right one is entered.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vt {

class PasswordWindow {
 public:
  // `stored` is the scrambled password as kept in the settings.
  explicit PasswordWindow(std::wstring stored);
  ~PasswordWindow();
  PasswordWindow(const PasswordWindow&) = delete;
  PasswordWindow& operator=(const PasswordWindow&) = delete;

  // Runs until the window closes; true only after a correct password.
  bool ShowModal();
  // Called once from inside the modal loop after the window is shown (tests type
  // and click from here).
  std::function<void(PasswordWindow&)> onShown;

  HWND Handle() const { return window_; }
  HWND Edit() const { return edit_; }
  void ClickOk();
  void ClickAbort();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Create();
  void Close();

  std::wstring stored_;
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
  HWND okButton_ = nullptr;
  HWND abortButton_ = nullptr;
  HFONT font_ = nullptr;
  bool result_ = false;
  bool closed_ = false;
};

// Step of start-up: true when no password is stored or the right one was entered.
bool PassStartupPassword();

}  // namespace vt
