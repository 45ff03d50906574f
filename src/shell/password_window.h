// The start-up password prompt: shown before anything else when a password is
// stored; the program ends unless the right one is entered.
#pragma once

#include <functional>
#include <string>

#include "ui/controls.h"
#include "ui/form.h"

namespace vt {

class PasswordWindow : public ui::Form {
 public:
  // `stored` is the scrambled password as kept in the settings.
  explicit PasswordWindow(std::wstring stored);

  // Runs until the window closes; true only after a correct password.
  bool ShowModal();
  // Called once from inside the modal loop (tests type and click from here).
  std::function<void(PasswordWindow&)> onShownWindow;

  HWND Edit() const { return LabeledEdit1.Handle(); }
  void ClickOk() { Button_Ok.Click(); }
  void ClickAbort() { Button_Abort.Click(); }

  ui::Label& Label_Info;
  ui::LabeledEdit& LabeledEdit1;
  ui::Button& Button_Abort;
  ui::Button& Button_Ok;

 private:
  void OkClick();
  std::wstring stored_;
  bool result_ = false;
};

// Step of start-up: true when no password is stored or the right one was entered.
bool PassStartupPassword();

}  // namespace vt
