// The small window that shows start-up progress while the main window is skinned.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"

namespace vt {

class SplashWindow : public ui::Form {
 public:
  SplashWindow();
  void SetStatus(const std::wstring& text);  // repaints at once
  ui::Label& Label_Title;
  ui::Label& Label_Status;
};

}  // namespace vt
