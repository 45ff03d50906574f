#include "shell/splash_window.h"

#include "texts/main_texts.h"
#include "ui/picture.h"

namespace vt {

namespace {
constexpr int kWidth = 420, kHeight = 140;
}

SplashWindow::SplashWindow()
    : ui::Form(L"Form_ZELK_Splash", kWidth, kHeight, ui::FormBorder::None),
      Label_Title(Make<ui::Label>(this, L"Label_Title", L"Veltrano Tidewright 2007", RECT{24, 30, 400, 64})),
      Label_Status(Make<ui::Label>(this, L"Label_Status", L"Init", RECT{24, 100, 400, 120})) {
  ui::Picture background(kWidth, kHeight);
  background.FillGradient(0, 0, kWidth, kHeight, RGB(12, 64, 104), RGB(4, 28, 52));
  background.FillGradient(0, kHeight - 3, kWidth, 3, RGB(96, 220, 240), RGB(40, 160, 200));
  SetBackgroundPicture(std::move(background), false);
  Label_Title.tag = 1;
  Label_Title.font = {L"Tahoma", 16, RGB(255, 255, 255), true};
  Label_Status.font = {L"Tahoma", 8, RGB(176, 230, 246), false};
  SetStayOnTop(true);
  Button_LoadTranslation.Click();
}

void SplashWindow::SetStatus(const std::wstring& text) {
  Label_Status.SetCaption(text);
  UpdateWindow(handle_);
}

}  // namespace vt
