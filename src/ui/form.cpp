#include "ui/form.h"

#include <vector>

#include "core/globals.h"
#include "ui/application.h"
#include "ui/translation.h"

namespace vt::ui {

namespace {

constexpr UINT kShownMessage = WM_APP + 0x51;

RECT FrameFor(int clientWidth, int clientHeight, DWORD style) {
  RECT rect{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&rect, style, FALSE, WS_EX_CONTROLPARENT);
  return {0, 0, rect.right - rect.left, rect.bottom - rect.top};
}

DWORD StyleFor(FormBorder border) {
  switch (border) {
    case FormBorder::Dialog: return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    case FormBorder::Single: return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case FormBorder::Sizeable: return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    case FormBorder::None: return WS_POPUP | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  }
  return WS_POPUP;
}

BOOL CALLBACK DisableOthers(HWND window, LPARAM list) {
  auto* disabled = reinterpret_cast<std::vector<HWND>*>(list);
  if (window != disabled->front() && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    disabled->push_back(window);
  }
  return TRUE;
}

}  // namespace

Form::Form(std::wstring name, int clientWidth, int clientHeight, FormBorder border)
    : Container(std::move(name), StyleFor(border), WS_EX_CONTROLPARENT,
                FrameFor(clientWidth, clientHeight, StyleFor(border))),
      Button_LoadTranslation(Make<Button>(this, L"Button_LoadTranslation")) {
  SetCaption(ProductTitle);
  CenterOnScreen();
  Button_LoadTranslation.SetCaption(L"(Re)load Translation");
  Button_LoadTranslation.SetBounds(0, 0, 1, 1);
  Button_LoadTranslation.Hide();
  Button_LoadTranslation.onClick = [this] { LoadTranslation(); };
}

Form::~Form() {
  DestroyComponents();
  if (handle_) {
    DestroyWindow(handle_);
    handle_ = nullptr;
  }
}

void Form::LoadTranslation() {
  if (LanguageFilePath.empty()) return;
  ApplyTranslation(*this);
  TranslateLists();
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Form::CenterOnScreen() {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT rect;
  GetWindowRect(handle_, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int x = work.left + (work.right - work.left - width) / 2;
  const int y = work.top + (work.bottom - work.top - height) / 2;
  SetWindowPos(handle_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  bounds_ = {x, y, x + width, y + height};
}

void Form::SetStayOnTop(bool onTop) {
  SetWindowPos(handle_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::SetMaximized(bool maximized) {
  showMaximized_ = maximized;
  if (IsWindowVisible(handle_)) ShowWindow(handle_, maximized ? SW_MAXIMIZE : SW_RESTORE);
}

void Form::SetVisible(bool visible) {
  visible_ = visible;
  ShowWindow(handle_, !visible ? SW_HIDE : showMaximized_ ? SW_SHOWMAXIMIZED : SW_SHOW);
}
bool Form::Maximized() const { return IsZoomed(handle_); }

int Form::ClientWidth() const {
  RECT client;
  GetClientRect(handle_, &client);
  return client.right;
}

int Form::ClientHeight() const {
  RECT client;
  GetClientRect(handle_, &client);
  return client.bottom;
}

int Form::ShowModal() {
  modalResult = 0;
  closing_ = false;
  modal_ = true;
  HWND previous = GetActiveWindow();
  std::vector<HWND> disabled{handle_};
  EnumThreadWindows(GetCurrentThreadId(), &DisableOthers, reinterpret_cast<LPARAM>(&disabled));
  SetVisible(true);
  SetForegroundWindow(handle_);
  PostMessageW(handle_, kShownMessage, 0, 0);
  RunModalLoop([this] { return closing_; });
  for (size_t i = 1; i < disabled.size(); ++i) EnableWindow(disabled[i], TRUE);
  SetVisible(false);
  modal_ = false;
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
  return modalResult;
}

void Form::Close() {
  if (onCloseQuery && !onCloseQuery()) return;
  if (onClose) onClose();
  closing_ = true;
  if (!modal_) {
    SetVisible(false);
    if (quitOnClose) PostQuitMessage(0);
  }
}

LRESULT Form::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_HELP:
      if (onHelp) onHelp();
      return TRUE;
    case kShownMessage:
      if (onShown) onShown();
      return 0;
    case WM_COMMAND:
      // Enter and Escape as in dialogs (sent by the dialog-key handling).
      if (lParam == 0 && LOWORD(wParam) == IDCANCEL) {
        Close();
        return 0;
      }
      if (lParam == 0 && LOWORD(wParam) == IDOK) {
        if (defaultButton) defaultButton->Click();
        return 0;
      }
      break;
    case WM_SIZE:
      bounds_.right = bounds_.left + LOWORD(lParam);
      bounds_.bottom = bounds_.top + HIWORD(lParam);
      break;
  }
  return Container::WindowProc(message, wParam, lParam);
}

Form* OwningForm(Component* component) {
  for (; component; component = component->Owner())
    if (auto* form = dynamic_cast<Form*>(component)) return form;
  return nullptr;
}

}  // namespace vt::ui
