#include "shell/password_window.h"

#include "core/globals.h"
#include "core/startup_rules.h"
#include "platform/dialogs.h"
#include "platform/text_codec.h"
#include "platform/win_registry.h"
#include "texts/startup_texts.h"

namespace vt {

namespace {

constexpr wchar_t kClassName[] = L"VtPasswordWindow";
constexpr int kIdOk = IDOK;
constexpr int kIdAbort = IDCANCEL;
constexpr UINT kShownMessage = WM_APP + 1;
const std::wstring kPasswordKey = L"SOFTWARE\\Microsoft\\Multimedia";
const std::wstring kPasswordValue = L"Hxrqyyrrgvi9_8761";

void RegisterClassOnce() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;  // replaced per window in Create
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
  registered = true;
}

}  // namespace

PasswordWindow::PasswordWindow(std::wstring stored) : stored_(std::move(stored)) { Create(); }

PasswordWindow::~PasswordWindow() {
  if (window_) DestroyWindow(window_);
  if (font_) DeleteObject(font_);
}

void PasswordWindow::Create() {
  RegisterClassOnce();
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  font_ = CreateFontIndirectW(&metrics.lfMessageFont);

  const auto& t = kPasswordTexts;
  const int width = 360, height = 190;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, kClassName, t.Caption(L"Form_Password").c_str(),
                            WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y, width, height, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));

  auto child = [&](const wchar_t* cls, const std::wstring& text, DWORD style, int id, int cx, int cy, int w, int h,
                   DWORD exStyle = 0) {
    HWND control = CreateWindowExW(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, cx, cy, w, h, window_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                   nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    return control;
  };
  child(L"STATIC", t.Caption(L"Label_Info"), SS_LEFT, -1, 14, 12, 326, 44);
  child(L"STATIC", t.Caption(L"LabeledEdit1"), SS_LEFT, -1, 14, 62, 326, 16);
  edit_ = child(L"EDIT", L"", ES_PASSWORD | ES_UPPERCASE | ES_AUTOHSCROLL | WS_TABSTOP, 100, 14, 80, 326, 22,
                WS_EX_CLIENTEDGE);
  okButton_ = child(L"BUTTON", t.Caption(L"Button_Ok"), BS_DEFPUSHBUTTON | WS_TABSTOP, kIdOk, 150, 118, 90, 26);
  abortButton_ = child(L"BUTTON", t.Caption(L"Button_Abort"), BS_PUSHBUTTON | WS_TABSTOP, kIdAbort, 250, 118, 90, 26);
}

LRESULT CALLBACK PasswordWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<PasswordWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->Handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT PasswordWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kIdOk) ClickOk();
      if (LOWORD(wParam) == kIdAbort) ClickAbort();
      return 0;
    case WM_CLOSE:
      Close();  // any other way of closing leaves the result false
      return 0;
    case kShownMessage:
      if (onShown) onShown(*this);
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void PasswordWindow::ClickOk() {
  const int length = GetWindowTextLengthW(edit_);
  std::wstring entered(length, L'\0');
  GetWindowTextW(edit_, entered.data(), length + 1);
  switch (CheckStartupPassword(WideToAnsi(entered), WideToAnsi(stored_))) {
    case PasswordVerdict::TooShort:
      Dialogs().ShowMessage({window_, kPasswordTexts.Text(L"Message_PasswordLength"), ProductTitle,
                             MessageIcon::Warning, MessageButtons::Ok});
      break;
    case PasswordVerdict::Wrong:
      Dialogs().ShowMessage({window_, kPasswordTexts.Text(L"Message_PasswordWrong"), ProductTitle,
                             MessageIcon::Warning, MessageButtons::Ok});
      break;
    case PasswordVerdict::Accepted:
      result_ = true;
      Close();
      break;
  }
}

void PasswordWindow::ClickAbort() {
  result_ = false;
  Close();
}

void PasswordWindow::Close() {
  closed_ = true;
  ShowWindow(window_, SW_HIDE);
}

bool PasswordWindow::ShowModal() {
  if (!window_) return false;  // no window could be made (no display): nobody can enter the password
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(edit_);
  PostMessageW(window_, kShownMessage, 0, 0);
  MSG msg;
  while (!closed_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return result_;
}

bool PassStartupPassword() {
  const std::wstring stored = Reg().ReadStringValue(HKLM, kPasswordKey, kPasswordValue);
  if (stored.empty()) return true;
  PasswordWindow window(stored);
  return window.ShowModal();
}

}  // namespace vt
