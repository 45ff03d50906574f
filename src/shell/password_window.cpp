#include "shell/password_window.h"

#include "core/globals.h"
#include "core/startup_rules.h"
#include "platform/dialogs.h"
#include "platform/text_codec.h"
#include "platform/win_registry.h"
#include "texts/startup_texts.h"

namespace vt {

namespace {
const std::wstring kPasswordKey = L"SOFTWARE\\Microsoft\\Multimedia";
const std::wstring kPasswordValue = L"Hxrqyyrrgvi9_8761";
}  // namespace

PasswordWindow::PasswordWindow(std::wstring stored)
    : ui::Form(L"Form_Password", 360, 160, ui::FormBorder::Single),
      Label_Info(Make<ui::Label>(this, L"Label_Info", std::wstring(kPasswordTexts.German(L"Label_Info")),
                                 RECT{14, 12, 346, 56})),
      LabeledEdit1(Make<ui::LabeledEdit>(this, L"LabeledEdit1", std::wstring(kPasswordTexts.German(L"LabeledEdit1")),
                                         RECT{14, 80, 346, 102}, ui::EditStyle{true, true, false, false})),
      Button_Abort(Make<ui::Button>(this, L"Button_Abort", std::wstring(kPasswordTexts.German(L"Button_Abort")),
                                    RECT{256, 120, 346, 146})),
      Button_Ok(Make<ui::Button>(this, L"Button_Ok", std::wstring(kPasswordTexts.German(L"Button_Ok")),
                                 RECT{156, 120, 246, 146})),
      stored_(std::move(stored)) {
  SetCaption(std::wstring(kPasswordTexts.German(L"Form_Password")));
  for (ui::Component* tagged : std::initializer_list<ui::Component*>{this, &Label_Info, &LabeledEdit1, &Button_Abort,
                                                                      &Button_Ok})
    tagged->tag = 1;
  SetStayOnTop(true);
  Button_Ok.SetDefault(true);
  defaultButton = &Button_Ok;
  Button_Ok.onClick = [this] { OkClick(); };
  Button_Abort.onClick = [this] {
    result_ = false;
    Close();
  };
  onShown = [this] {
    LabeledEdit1.SetFocus();
    if (onShownWindow) onShownWindow(*this);
  };
  Button_LoadTranslation.Click();
}

void PasswordWindow::OkClick() {
  switch (CheckStartupPassword(WideToAnsi(LabeledEdit1.Text()), WideToAnsi(stored_))) {
    case PasswordVerdict::TooShort:
      ShowMessage(handle_, kPasswordTexts.Text(L"Message_PasswordLength"), MessageIcon::Warning);
      break;
    case PasswordVerdict::Wrong:
      ShowMessage(handle_, kPasswordTexts.Text(L"Message_PasswordWrong"), MessageIcon::Warning);
      break;
    case PasswordVerdict::Accepted:
      result_ = true;
      Close();
      break;
  }
}

bool PasswordWindow::ShowModal() {
  result_ = false;
  ui::Form::ShowModal();
  return result_;
}

bool PassStartupPassword() {
  const std::wstring stored = Reg().ReadStringValue(HKLM, kPasswordKey, kPasswordValue);
  if (stored.empty()) return true;
  PasswordWindow window(stored);
  return window.ShowModal();
}

}  // namespace vt
