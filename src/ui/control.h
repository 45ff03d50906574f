// Controls over Win32. Two kinds, as in the window designs this program follows:
// windowed controls own an HWND (buttons, edits, lists, pages); graphic controls
// (images, labels, picture buttons) have none and are painted and fed with mouse
// input by the container they sit on, so they blend over skinned backgrounds.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/picture.h"

namespace Gdiplus {
class Graphics;
}

namespace vt::ui {

class Container;
class Form;

class Control : public Component {
 public:
  Control(Container* parent, std::wstring name);
  ~Control() override;

  Container* Parent() const { return parent_; }
  Form* ParentForm() const;

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.right - bounds_.left; }
  int Height() const { return bounds_.bottom - bounds_.top; }
  const RECT& Bounds() const { return bounds_; }
  virtual void SetBounds(int x, int y, int width, int height);
  void SetPosition(int x, int y) { SetBounds(x, y, Width(), Height()); }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  bool HasCaption() const override { return true; }
  std::wstring Caption() const override { return caption_; }
  void SetCaption(const std::wstring& caption) override;

  virtual void Invalidate();
  virtual bool IsWindowed() const { return false; }

  std::wstring hint;

 protected:
  virtual void CaptionChanged() {}
  Container* parent_;
  RECT bounds_{};
  bool visible_ = true;
  bool enabled_ = true;
  std::wstring caption_;
};

// Windowless: painted by its container, in creation order.
class GraphicControl : public Control {
 public:
  using Control::Control;
  virtual void Paint(Gdiplus::Graphics& graphics) = 0;  // in container coordinates
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(int /*x*/, int /*y*/) {}
  virtual void MouseMove(int /*x*/, int /*y*/) {}
  virtual void MouseUp(bool /*inside*/) {}
  virtual bool HitTest(int x, int y) const;
  void Click() {
    if (onClick) onClick();
  }
  std::function<void()> onClick;
};

class WinControl : public Control {
 public:
  using Control::Control;
  ~WinControl() override;
  HWND Handle() const { return handle_; }
  bool IsWindowed() const override { return true; }
  void SetBounds(int x, int y, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void Invalidate() override;
  void SetFocus();

  // Notifications the parent reflects back to the control that sent them.
  virtual void OnCommand(WORD /*code*/) {}
  virtual bool OnNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
  static WinControl* FromHandle(HWND handle);

 protected:
  // Creates the window as a child of the parent container (or top-level when
  // there is none) and hooks it so this object sees its messages.
  void CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle = 0);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  void CaptionChanged() override;

  HWND handle_ = nullptr;

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  bool ownClass_ = false;
  friend class Container;
};

// A window that holds controls: forms, pages, panels, group boxes. It paints its
// background (a colour or a picture) and its graphic controls double-buffered.
class Container : public WinControl {
 public:
  Container(Container* parent, std::wstring name);
  ~Container() override;

  void SetBackgroundColor(COLORREF color);
  // Drawn at the container's origin; tiled when asked (a page background).
  void SetBackgroundPicture(Picture picture, bool tiled);
  const Picture& BackgroundPicture() const { return background_; }

  const std::vector<Control*>& Children() const { return children_; }
  void PaintBackground(HDC dc, const RECT& area, int offsetX, int offsetY);

 protected:
  // A top-level container (a form): its window exists before any control is added.
  Container(std::wstring name, DWORD style, DWORD exStyle, RECT bounds);
  void CreateContainerWindow(DWORD style, DWORD exStyle, HWND parentWindow);
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void PaintContent(HDC dc) { (void)dc; }

 private:
  friend class Control;
  void AddChild(Control* child);
  void RemoveChild(Control* child);
  GraphicControl* GraphicAt(int x, int y) const;
  void OnMouseMove(int x, int y);
  void OnPaint();
  HBRUSH BrushFor(HWND child, HDC dc);
  static LRESULT CALLBACK ContainerProc(HWND, UINT, WPARAM, LPARAM);

  std::vector<Control*> children_;
  COLORREF color_ = GetSysColor(COLOR_BTNFACE);
  Picture background_;
  bool tiled_ = false;
  HBRUSH brush_ = nullptr;  // for transparent-looking standard controls
  void ShowHint(GraphicControl* control);
  GraphicControl* hover_ = nullptr;
  GraphicControl* pressed_ = nullptr;
  HWND tooltip_ = nullptr;  // hints of graphic controls, made when first needed
  bool trackingLeave_ = false;
};

// The font of standard controls (the system's message font).
HFONT DefaultFont();

}  // namespace vt::ui
