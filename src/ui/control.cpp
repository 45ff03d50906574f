#include "ui/control.h"

#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>
#include <windowsx.h>

#include <algorithm>

#include "ui/form.h"

namespace vt::ui {

namespace {
constexpr wchar_t kControlProperty[] = L"VtControl";
constexpr wchar_t kContainerClass[] = L"VtContainer";
}  // namespace

HFONT DefaultFont() {
  static HFONT font = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMessageFont);
  }();
  return font;
}

// ---- Control ----

Control::Control(Container* parent, std::wstring name) : Component(std::move(name)), parent_(parent) {
  if (parent_) parent_->AddChild(this);
}

Control::~Control() {
  if (parent_) parent_->RemoveChild(this);
}

Form* Control::ParentForm() const {
  const Control* control = this;
  while (control->parent_) control = control->parent_;
  return dynamic_cast<Form*>(const_cast<Control*>(control));
}

void Control::SetBounds(int x, int y, int width, int height) {
  Invalidate();
  bounds_ = {x, y, x + width, y + height};
  Invalidate();
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (parent_) InvalidateRect(parent_->Handle(), &bounds_, FALSE);
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Invalidate();
}

void Control::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  CaptionChanged();
  Invalidate();
}

void Control::Invalidate() {
  if (parent_ && parent_->Handle()) InvalidateRect(parent_->Handle(), &bounds_, FALSE);
}

bool GraphicControl::HitTest(int x, int y) const {
  return x >= bounds_.left && x < bounds_.right && y >= bounds_.top && y < bounds_.bottom;
}

// ---- WinControl ----

WinControl::~WinControl() {
  if (handle_) {
    RemovePropW(handle_, kControlProperty);
    if (!ownClass_) RemoveWindowSubclass(handle_, &SubclassProc, 0);
    DestroyWindow(handle_);
  }
}

WinControl* WinControl::FromHandle(HWND handle) {
  return handle ? static_cast<WinControl*>(GetPropW(handle, kControlProperty)) : nullptr;
}

void WinControl::CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle) {
  HWND parentWindow = parent_ ? parent_->Handle() : nullptr;
  style |= parentWindow ? WS_CHILD : 0;
  if (visible_) style |= WS_VISIBLE;
  handle_ = CreateWindowExW(exStyle, className, caption_.c_str(), style, bounds_.left, bounds_.top, Width(), Height(),
                            parentWindow, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetPropW(handle_, kControlProperty, this);
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
  SetWindowSubclass(handle_, &SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK WinControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
  auto* control = reinterpret_cast<WinControl*>(self);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &SubclassProc, 0);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return control->WindowProc(message, wParam, lParam);
}

LRESULT WinControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultProc(message, wParam, lParam);
}

LRESULT WinControl::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (ownClass_) return DefWindowProcW(handle_, message, wParam, lParam);
  return DefSubclassProc(handle_, message, wParam, lParam);
}

void WinControl::SetBounds(int x, int y, int width, int height) {
  bounds_ = {x, y, x + width, y + height};
  if (handle_) MoveWindow(handle_, x, y, width, height, TRUE);
}

void WinControl::SetVisible(bool visible) {
  visible_ = visible;
  if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

void WinControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (handle_) EnableWindow(handle_, enabled);
}

void WinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void WinControl::SetFocus() {
  if (handle_) ::SetFocus(handle_);
}

void WinControl::CaptionChanged() {
  if (handle_) SetWindowTextW(handle_, caption_.c_str());
}

// ---- Container ----

Container::Container(Container* parent, std::wstring name) : WinControl(parent, std::move(name)) {
  if (parent) CreateContainerWindow(WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, parent->Handle());
}

Container::Container(std::wstring name, DWORD style, DWORD exStyle, RECT bounds)
    : WinControl(nullptr, std::move(name)) {
  bounds_ = bounds;
  visible_ = false;
  CreateContainerWindow(style, exStyle, nullptr);
}

Container::~Container() {
  if (tooltip_) DestroyWindow(tooltip_);
  if (brush_) DeleteObject(brush_);
  // Children unregister themselves; forget them so late callbacks find nothing.
  children_.clear();
}

void Container::CreateContainerWindow(DWORD style, DWORD exStyle, HWND parentWindow) {
  static bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &ContainerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kContainerClass;
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  ownClass_ = true;
  if (visible_ && (style & WS_CHILD)) style |= WS_VISIBLE;
  handle_ = CreateWindowExW(exStyle, kContainerClass, caption_.c_str(), style, bounds_.left, bounds_.top, Width(),
                            Height(), parentWindow, nullptr, GetModuleHandleW(nullptr), this);
  SetPropW(handle_, kControlProperty, this);
}

LRESULT CALLBACK Container::ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<Container*>(create->lpCreateParams)->handle_ = window;
  }
  auto* self = reinterpret_cast<Container*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self || message == WM_NCDESTROY) return DefWindowProcW(window, message, wParam, lParam);
  return self->WindowProc(message, wParam, lParam);
}

void Container::AddChild(Control* child) { children_.push_back(child); }

void Container::RemoveChild(Control* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
  if (hover_ == child) hover_ = nullptr;
  if (pressed_ == child) pressed_ = nullptr;
}

void Container::SetBackgroundColor(COLORREF color) {
  color_ = color;
  background_ = Picture();
  if (brush_) DeleteObject(brush_);
  brush_ = nullptr;
  Invalidate();
}

void Container::SetBackgroundPicture(Picture picture, bool tiled) {
  background_ = std::move(picture);
  tiled_ = tiled;
  if (brush_) DeleteObject(brush_);
  brush_ = nullptr;
  Invalidate();
}

void Container::PaintBackground(HDC dc, const RECT& area, int offsetX, int offsetY) {
  if (background_.Empty()) {
    HBRUSH brush = CreateSolidBrush(color_);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    return;
  }
  if (tiled_) {
    background_.TileTo(dc, area, area.left + offsetX, area.top + offsetY);
  } else {
    HBRUSH brush = CreateSolidBrush(color_);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    background_.PaintTo(dc, -offsetX, -offsetY);
  }
}

// Standard controls paint their own background; hand them a brush that shows the
// container's picture at the right offset, so they look transparent on skins.
HBRUSH Container::BrushFor(HWND child, HDC dc) {
  if (!brush_) {
    RECT client;
    GetClientRect(handle_, &client);
    HDC screen = GetDC(handle_);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
    HGDIOBJ old = SelectObject(memory, bitmap);
    PaintBackground(memory, client, 0, 0);
    SelectObject(memory, old);
    brush_ = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(handle_, screen);
  }
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, handle_, reinterpret_cast<POINT*>(&rect), 2);
  SetBrushOrgEx(dc, -rect.left, -rect.top, nullptr);
  SetBkMode(dc, TRANSPARENT);
  return brush_;
}

GraphicControl* Container::GraphicAt(int x, int y) const {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    auto* graphic = dynamic_cast<GraphicControl*>(*it);
    if (graphic && graphic->Visible() && graphic->HitTest(x, y)) return graphic;
  }
  return nullptr;
}

void Container::OnMouseMove(int x, int y) {
  if (pressed_) {
    pressed_->MouseMove(x, y);
    return;
  }
  GraphicControl* hit = GraphicAt(x, y);
  if (hit && !hit->Enabled()) hit = nullptr;
  if (hit != hover_) {
    if (hover_) hover_->MouseLeave();
    hover_ = hit;
    if (hover_) hover_->MouseEnter();
    ShowHint(hover_);
  }
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
    trackingLeave_ = TrackMouseEvent(&track);
  }
}

// One tooltip per container; its single tool is moved onto the control under the
// mouse and given that control's hint.
void Container::ShowHint(GraphicControl* control) {
  const bool wanted = control && !control->hint.empty();
  if (!tooltip_ && !wanted) return;
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.hwnd = handle_;
  info.uId = 1;
  if (!tooltip_) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, handle_, nullptr, GetModuleHandleW(nullptr), nullptr);
    info.uFlags = TTF_SUBCLASS;
    info.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
  SendMessageW(tooltip_, TTM_POP, 0, 0);
  info.rect = wanted ? control->Bounds() : RECT{};
  SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
  std::wstring text = wanted ? control->hint : std::wstring();
  info.lpszText = text.data();
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(tooltip_, TTM_ACTIVATE, wanted, 0);
}

void Container::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle_, &ps);
  RECT client;
  GetClientRect(handle_, &client);
  const int width = std::max<LONG>(client.right, 1), height = std::max<LONG>(client.bottom, 1);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PaintBackground(memory, client, 0, 0);
  PaintContent(memory);
  {
    Gdiplus::Graphics graphics(memory);
    for (Control* child : children_) {
      auto* graphic = dynamic_cast<GraphicControl*>(child);
      if (graphic && graphic->Visible()) graphic->Paint(graphics);
    }
  }
  BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left, ps.rcPaint.bottom - ps.rcPaint.top,
         memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(handle_, &ps);
}

LRESULT Container::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_SIZE:
      if (brush_) DeleteObject(brush_);
      brush_ = nullptr;
      break;
    case WM_COMMAND:
      if (lParam) {
        if (WinControl* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
          child->OnCommand(HIWORD(wParam));
          return 0;
        }
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      LRESULT result = 0;
      if (WinControl* child = FromHandle(header->hwndFrom)) {
        if (child->OnNotify(header, result)) return result;
      } else if (WinControl* owner = FromHandle(GetParent(header->hwndFrom))) {
        // Notifications of a control's own parts (a list's header) go to the control.
        if (owner != this && owner->OnNotify(header, result)) return result;
      }
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(BrushFor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (hover_ && !pressed_) {
        hover_->MouseLeave();
        hover_ = nullptr;
        ShowHint(nullptr);
      }
      return 0;
    case WM_LBUTTONDOWN: {
      GraphicControl* hit = GraphicAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (hit && hit->Enabled()) {
        pressed_ = hit;
        SetCapture(handle_);
        hit->MouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      }
      return 0;
    }
    case WM_LBUTTONUP:
      if (GraphicControl* pressed = pressed_) {
        pressed_ = nullptr;
        ReleaseCapture();
        const bool inside = pressed->HitTest(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        pressed->MouseUp(inside);
        if (inside) pressed->Click();
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<HWND>(lParam) != handle_) {
        GraphicControl* pressed = pressed_;
        pressed_ = nullptr;
        pressed->MouseUp(false);
      }
      break;
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace vt::ui
