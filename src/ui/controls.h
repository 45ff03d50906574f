// The standard controls of the windows, named and shaped like their designs.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace vt::ui {

// ---- windowed standard controls ----

class Button : public WinControl {
 public:
  Button(Container* parent, std::wstring name, std::wstring caption = L"", RECT bounds = {});
  void Click();  // as if pressed (does nothing while disabled)
  std::function<void()> onClick;
  void SetDefault(bool isDefault);
  void OnCommand(WORD code) override;
};

class CheckBox : public WinControl {
 public:
  CheckBox(Container* parent, std::wstring name, std::wstring caption = L"", RECT bounds = {}, bool checked = false);
  bool Checked() const;
  void SetChecked(bool checked);
  std::function<void()> onClick;
  void OnCommand(WORD code) override;
};

class RadioButton : public WinControl {
 public:
  // `firstOfGroup` starts a new group of mutually exclusive buttons.
  RadioButton(Container* parent, std::wstring name, std::wstring caption = L"", RECT bounds = {},
              bool firstOfGroup = false);
  bool Checked() const;
  void SetChecked(bool checked);  // unchecks the others of its group
  std::function<void()> onClick;
  void OnCommand(WORD code) override;
};

struct EditStyle {
  bool password = false;
  bool upperCase = false;
  bool readOnly = false;
  bool multiLine = false;
};

class Edit : public WinControl {
 public:
  Edit(Container* parent, std::wstring name, RECT bounds = {}, EditStyle style = {});
  std::wstring Text() const;
  void SetText(const std::wstring& text);
  // Sends the characters one by one, as typing would (upper-casing included).
  void Type(const std::wstring& text);
  bool HasCaption() const override { return false; }
  std::function<void()> onChange;
  void OnCommand(WORD code) override;
};

// An edit with a label above it; translation goes to the label.
class LabeledEdit;

class ComboBox : public WinControl {
 public:
  ComboBox(Container* parent, std::wstring name, RECT bounds = {});
  void Clear();
  void Add(const std::wstring& item);
  int Count() const;
  std::wstring Item(int index) const;
  int ItemIndex() const;  // -1: none
  void SetItemIndex(int index);
  std::wstring SelectedText() const;
  bool HasCaption() const override { return false; }
  std::function<void()> onChange;
  void OnCommand(WORD code) override;
};

class ListBox : public WinControl {
 public:
  ListBox(Container* parent, std::wstring name, RECT bounds = {});
  void Clear();
  void Add(const std::wstring& item);
  void Delete(int index);
  int Count() const;
  std::wstring Item(int index) const;
  std::vector<std::wstring> Items() const;
  void SetItems(const std::vector<std::wstring>& items);
  int ItemIndex() const;
  void SetItemIndex(int index);
  bool HasCaption() const override { return false; }
};

class SpinEdit : public WinControl {
 public:
  SpinEdit(Container* parent, std::wstring name, RECT bounds = {}, int minValue = 0, int maxValue = 100);
  ~SpinEdit() override;
  int Value() const;  // clamped to the range; the minimum when not a number
  void SetValue(int value);
  void SetBounds(int x, int y, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  bool HasCaption() const override { return false; }

 private:
  HWND upDown_ = nullptr;
  int min_, max_;
};

class ProgressBar : public WinControl {
 public:
  ProgressBar(Container* parent, std::wstring name, RECT bounds = {});
  void SetRange(int maxValue);
  void SetPosition(int position);
  int Position() const { return position_; }
  int Max() const { return max_; }
  bool HasCaption() const override { return false; }

 private:
  int position_ = 0;
  int max_ = 100;
};

// ---- containers ----

// A framed group with a caption; the controls inside are its children.
class GroupBox : public Container {
 public:
  GroupBox(Container* parent, std::wstring name, std::wstring caption = L"", RECT bounds = {});

 protected:
  void PaintContent(HDC dc) override;
};

class Panel : public Container {
 public:
  Panel(Container* parent, std::wstring name, RECT bounds = {});
};

class TabSheet;
// Pages without visible tabs: code switches them.
class PageControl : public Container {
 public:
  PageControl(Container* parent, std::wstring name, RECT bounds = {});
  TabSheet& AddPage(Component& owner, std::wstring name, std::wstring caption = L"");
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TabSheet& Page(int index) const { return *pages_[index]; }
  int ActivePageIndex() const { return active_; }
  void SetActivePageIndex(int index);
  // Every page gets this background (tiled).
  void SetPagesBackground(const Picture& picture);
  std::function<void()> onChange;

 private:
  std::vector<TabSheet*> pages_;
  int active_ = -1;
};

class TabSheet : public Container {
 public:
  TabSheet(PageControl* parent, std::wstring name, std::wstring caption);
  bool HasCaption() const override { return true; }
};

// ---- graphic (windowless) controls ----

// Text over any background; "<b>" … "</b>" and "<br>" marks in rich mode.
class Label : public GraphicControl {
 public:
  Label(Container* parent, std::wstring name, std::wstring caption = L"", RECT bounds = {});
  void Paint(Gdiplus::Graphics& graphics) override;
  FontSpec font;
  bool wordWrap = true;
  bool rich = false;
  bool alignRight = false;
  bool alignCenter = false;
  bool HitTest(int x, int y) const override { return onClick && GraphicControl::HitTest(x, y); }
};

class Image : public GraphicControl {
 public:
  Image(Container* parent, std::wstring name, RECT bounds = {});
  void SetPicture(Picture picture);
  Picture& GetPicture() { return picture_; }
  const Picture& GetPicture() const { return picture_; }
  void Paint(Gdiplus::Graphics& graphics) override;
  bool stretch = false;
  bool HasCaption() const override { return false; }

 protected:
  Picture picture_;
};

// A picture button with normal, highlighted and pressed pictures; optionally moves
// one pixel right and down while pressed.
class ThreeStateImage : public Image {
 public:
  ThreeStateImage(Container* parent, std::wstring name, RECT bounds = {});
  Picture Picture_Normal;
  Picture Picture_Highlight;
  Picture Picture_Pressed;
  bool Move_If_MousePressed = false;
  void ShowNormal();  // back to the normal picture (e.g. after a menu)
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(int x, int y) override;
  void MouseUp(bool inside) override;
  bool Hovered() const { return hovered_; }

 private:
  void Present(const Picture& picture);
  bool hovered_ = false;
  bool pressed_ = false;
};

// A picture the user can drag the whole window by.
class ImageShape : public Image {
 public:
  using Image::Image;
  bool Movable = true;
  void MouseDown(int x, int y) override;
  void MouseMove(int x, int y) override;

 private:
  POINT last_{};
};

// ---- non-visual ----

class Timer : public Component {
 public:
  Timer(std::wstring name, unsigned intervalMs);
  ~Timer() override;
  void SetEnabled(bool enabled);
  bool Enabled() const { return id_ != 0; }
  void SetInterval(unsigned intervalMs);
  unsigned Interval() const { return interval_; }
  std::function<void()> onTimer;

 private:
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
  unsigned interval_;
  UINT_PTR id_ = 0;
};

}  // namespace vt::ui

namespace vt::ui {

class LabeledEdit : public Edit {
 public:
  LabeledEdit(Container* parent, std::wstring name, std::wstring label, RECT bounds = {}, EditStyle style = {});
  ~LabeledEdit() override;
  Label& EditLabel() { return *label_; }
  Component* CaptionTarget() override;
  void SetVisible(bool visible) override;
  void SetBounds(int x, int y, int width, int height) override;

 private:
  std::unique_ptr<Label> label_;
};

// A file name with a browse button that asks the dialog service for a file.
class FileNameEdit : public Edit {
 public:
  FileNameEdit(Container* parent, std::wstring name, RECT bounds = {});
  ~FileNameEdit() override;
  std::wstring filter = L"*.*";
  bool save = false;  // a file to write rather than one to open
  void Browse();
  void SetBounds(int x, int y, int width, int height) override;
  void SetEnabled(bool enabled) override;
  void SetVisible(bool visible) override;

 private:
  std::unique_ptr<Button> browse_;
};

}  // namespace vt::ui
