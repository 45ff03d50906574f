// A top-level window: owns every component on it, shows modally with its own
// message loop, routes F1 to its help, and carries the hidden translation button
// every window has.
#pragma once

#include <functional>

#include "ui/control.h"
#include "ui/controls.h"

namespace vt::ui {

enum class FormBorder {
  Dialog,      // caption, system menu and minimise box; fixed size
  Single,      // caption and system menu only
  Sizeable,    // resizable, maximisable
  None,        // borderless (the skinned main window)
};

class Form : public Container {
 public:
  Form(std::wstring name, int clientWidth, int clientHeight, FormBorder border);
  ~Form() override;

  // Shows the window and runs until it closes; returns its modal result.
  int ShowModal();
  bool IsModal() const { return modal_; }
  // Closes the window: ends ShowModal, or hides it (and ends the program for the
  // main window).
  void Close();
  void CenterOnScreen();
  void SetStayOnTop(bool onTop);
  // On a hidden window this takes effect when it is shown (one state change, not two).
  void SetMaximized(bool maximized);
  void SetVisible(bool visible) override;
  bool Maximized() const;
  int ClientWidth() const;
  int ClientHeight() const;

  int modalResult = 0;
  bool quitOnClose = false;            // the main window ends the message loop
  std::function<void()> onHelp;        // F1 / WM_HELP
  std::function<void()> onClose;       // FormClose
  std::function<bool()> onCloseQuery;  // false keeps the window open
  std::function<void()> onShown;       // once ShowModal's loop runs (tests act from here)
  Button* defaultButton = nullptr;     // Enter clicks it; Escape closes the window

  // Hidden; a click applies the language file to this window (see LoadTranslation).
  Button& Button_LoadTranslation;

 protected:
  // Applies the language file's section for this window, then the window's own
  // list columns (override TranslateLists), then repaints.
  virtual void LoadTranslation();
  virtual void TranslateLists() {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool modal_ = false;
  bool closing_ = false;
  bool showMaximized_ = false;
};

// The form that owns the control (walking owners), or null.
Form* OwningForm(Component* component);

}  // namespace vt::ui
