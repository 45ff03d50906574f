#include "ui/controls.h"

#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <map>

#include "core/text.h"
#include "platform/dialogs.h"
#include "ui/form.h"

namespace vt::ui {

namespace {

void Place(Control& control, const std::wstring& caption, const RECT& bounds) {
  control.SetCaption(caption);
  control.SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

// Lays out "<b>", "</b>" and "<br>" text; returns the drawn height.
void DrawRich(Gdiplus::Graphics& g, const std::wstring& text, const FontSpec& font, const RECT& box, bool wrap) {
  Gdiplus::FontFamily family(font.name.c_str());
  const Gdiplus::FontFamily* use = family.GetLastStatus() == Gdiplus::Ok ? &family : Gdiplus::FontFamily::GenericSansSerif();
  Gdiplus::SolidBrush brush(Gdiplus::Color(255, GetRValue(font.color), GetGValue(font.color), GetBValue(font.color)));
  Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
  if (!wrap) format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap);
  g.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
  float y = static_cast<float>(box.top);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L"<br>", start);
    std::wstring line = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    bool bold = font.bold;
    if (line.rfind(L"<b>", 0) == 0) {
      bold = true;
      line = line.substr(3);
      const size_t close = line.find(L"</b>");
      if (close != std::wstring::npos) line.erase(close, 4);
    }
    Gdiplus::Font f(use, font.size, bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular, Gdiplus::UnitPoint);
    Gdiplus::RectF layout(static_cast<float>(box.left), y, static_cast<float>(box.right - box.left),
                          static_cast<float>(box.bottom) - y);
    Gdiplus::RectF used;
    g.MeasureString(line.c_str(), static_cast<INT>(line.size()), &f, layout, &format, &used);
    g.DrawString(line.c_str(), static_cast<INT>(line.size()), &f, layout, &format, &brush);
    y += std::max(used.Height, f.GetHeight(&g));
    if (end == std::wstring::npos) break;
    start = end + 4;
  }
}

}  // namespace

// ---- Button ----

Button::Button(Container* parent, std::wstring name, std::wstring caption, RECT bounds)
    : WinControl(parent, std::move(name)) {
  caption_ = std::move(caption);
  bounds_ = bounds;
  CreateHandle(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP);
}

void Button::Click() {
  if (enabled_ && onClick) onClick();
}

void Button::SetDefault(bool isDefault) {
  SendMessageW(handle_, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Button::OnCommand(WORD code) {
  if (code == BN_CLICKED) Click();
}

// ---- CheckBox / RadioButton ----

CheckBox::CheckBox(Container* parent, std::wstring name, std::wstring caption, RECT bounds, bool checked)
    : WinControl(parent, std::move(name)) {
  caption_ = std::move(caption);
  bounds_ = bounds;
  CreateHandle(L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP);
  SetChecked(checked);
}

bool CheckBox::Checked() const { return SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void CheckBox::SetChecked(bool checked) { SendMessageW(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
void CheckBox::OnCommand(WORD code) {
  if (code == BN_CLICKED && onClick) onClick();
}

RadioButton::RadioButton(Container* parent, std::wstring name, std::wstring caption, RECT bounds, bool firstOfGroup)
    : WinControl(parent, std::move(name)) {
  caption_ = std::move(caption);
  bounds_ = bounds;
  CreateHandle(L"BUTTON", BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0));
}

bool RadioButton::Checked() const { return SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void RadioButton::SetChecked(bool checked) {
  if (checked && parent_) {
    // Same group: the siblings after the group's first button up to the next group.
    auto& siblings = parent_->Children();
    auto self = std::find(siblings.begin(), siblings.end(), this);
    auto first = self;
    while (first != siblings.begin()) {
      auto* radio = dynamic_cast<RadioButton*>(*first);
      if (radio && (GetWindowLongW(radio->Handle(), GWL_STYLE) & WS_GROUP)) break;
      --first;
    }
    for (auto it = first; it != siblings.end(); ++it) {
      auto* radio = dynamic_cast<RadioButton*>(*it);
      if (!radio) continue;
      if (it != first && (GetWindowLongW(radio->Handle(), GWL_STYLE) & WS_GROUP)) break;
      if (radio != this) SendMessageW(radio->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SendMessageW(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButton::OnCommand(WORD code) {
  if (code == BN_CLICKED && onClick) onClick();
}

// ---- Edit ----

Edit::Edit(Container* parent, std::wstring name, RECT bounds, EditStyle style) : WinControl(parent, std::move(name)) {
  bounds_ = bounds;
  DWORD flags = WS_TABSTOP | ES_AUTOHSCROLL;
  if (style.password) flags |= ES_PASSWORD;
  if (style.upperCase) flags |= ES_UPPERCASE;
  if (style.readOnly) flags |= ES_READONLY;
  if (style.multiLine) flags |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
  CreateHandle(L"EDIT", flags, WS_EX_CLIENTEDGE);
}

std::wstring Edit::Text() const {
  const int length = GetWindowTextLengthW(handle_);
  std::wstring text(length, L'\0');
  GetWindowTextW(handle_, text.data(), length + 1);
  return text;
}

void Edit::SetText(const std::wstring& text) { SetWindowTextW(handle_, text.c_str()); }

void Edit::Type(const std::wstring& text) {
  for (wchar_t ch : text) SendMessageW(handle_, WM_CHAR, ch, 0);
}

void Edit::OnCommand(WORD code) {
  if (code == EN_CHANGE && onChange) onChange();
}

LabeledEdit::LabeledEdit(Container* parent, std::wstring name, std::wstring label, RECT bounds, EditStyle style)
    : Edit(parent, name, bounds, style),
      label_(std::make_unique<Label>(parent, name + L"_Label", std::move(label),
                                     RECT{bounds.left, bounds.top - 16, bounds.right, bounds.top - 2})) {}

LabeledEdit::~LabeledEdit() = default;
Component* LabeledEdit::CaptionTarget() { return label_.get(); }

void LabeledEdit::SetVisible(bool visible) {
  Edit::SetVisible(visible);
  label_->SetVisible(visible);
}

void LabeledEdit::SetBounds(int x, int y, int width, int height) {
  Edit::SetBounds(x, y, width, height);
  if (label_) label_->SetBounds(x, y - 16, width, 14);
}

FileNameEdit::FileNameEdit(Container* parent, std::wstring name, RECT bounds)
    : Edit(parent, name, RECT{bounds.left, bounds.top, bounds.right - 26, bounds.bottom}),
      browse_(std::make_unique<Button>(parent, name + L"_Browse", L"...",
                                       RECT{bounds.right - 24, bounds.top, bounds.right, bounds.bottom})) {
  browse_->onClick = [this] { Browse(); };
}

FileNameEdit::~FileNameEdit() = default;

void FileNameEdit::Browse() {
  Form* form = ParentForm();
  auto chosen = Dialogs().AskFileName({form ? form->Handle() : nullptr, filter, Text(), save});
  if (chosen) {
    SetText(*chosen);
    if (onChange) onChange();
  }
}

void FileNameEdit::SetBounds(int x, int y, int width, int height) {
  Edit::SetBounds(x, y, width - 26, height);
  if (browse_) browse_->SetBounds(x + width - 24, y, 24, height);
}

void FileNameEdit::SetEnabled(bool enabled) {
  Edit::SetEnabled(enabled);
  browse_->SetEnabled(enabled);
}

void FileNameEdit::SetVisible(bool visible) {
  Edit::SetVisible(visible);
  browse_->SetVisible(visible);
}

// ---- ComboBox / ListBox ----

ComboBox::ComboBox(Container* parent, std::wstring name, RECT bounds) : WinControl(parent, std::move(name)) {
  bounds_ = bounds;
  bounds_.bottom = bounds_.top + 200;  // the drop-down's height; the box itself sizes to the font
  CreateHandle(L"COMBOBOX", CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL);
}

void ComboBox::Clear() { SendMessageW(handle_, CB_RESETCONTENT, 0, 0); }
void ComboBox::Add(const std::wstring& item) {
  SendMessageW(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}
int ComboBox::Count() const { return static_cast<int>(SendMessageW(handle_, CB_GETCOUNT, 0, 0)); }
std::wstring ComboBox::Item(int index) const {
  const auto length = SendMessageW(handle_, CB_GETLBTEXTLEN, index, 0);
  if (length < 0) return {};
  std::wstring text(length, L'\0');
  SendMessageW(handle_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return text;
}
int ComboBox::ItemIndex() const { return static_cast<int>(SendMessageW(handle_, CB_GETCURSEL, 0, 0)); }
void ComboBox::SetItemIndex(int index) { SendMessageW(handle_, CB_SETCURSEL, index, 0); }
std::wstring ComboBox::SelectedText() const { return ItemIndex() < 0 ? std::wstring() : Item(ItemIndex()); }
void ComboBox::OnCommand(WORD code) {
  if (code == CBN_SELCHANGE && onChange) onChange();
}

ListBox::ListBox(Container* parent, std::wstring name, RECT bounds) : WinControl(parent, std::move(name)) {
  bounds_ = bounds;
  CreateHandle(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
}

void ListBox::Clear() { SendMessageW(handle_, LB_RESETCONTENT, 0, 0); }
void ListBox::Add(const std::wstring& item) {
  SendMessageW(handle_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}
void ListBox::Delete(int index) { SendMessageW(handle_, LB_DELETESTRING, index, 0); }
int ListBox::Count() const { return static_cast<int>(SendMessageW(handle_, LB_GETCOUNT, 0, 0)); }
std::wstring ListBox::Item(int index) const {
  const auto length = SendMessageW(handle_, LB_GETTEXTLEN, index, 0);
  if (length < 0) return {};
  std::wstring text(length, L'\0');
  SendMessageW(handle_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return text;
}
std::vector<std::wstring> ListBox::Items() const {
  std::vector<std::wstring> items;
  for (int i = 0; i < Count(); ++i) items.push_back(Item(i));
  return items;
}
void ListBox::SetItems(const std::vector<std::wstring>& items) {
  Clear();
  for (const auto& item : items) Add(item);
}
int ListBox::ItemIndex() const { return static_cast<int>(SendMessageW(handle_, LB_GETCURSEL, 0, 0)); }
void ListBox::SetItemIndex(int index) { SendMessageW(handle_, LB_SETCURSEL, index, 0); }

// ---- SpinEdit / ProgressBar ----

SpinEdit::SpinEdit(Container* parent, std::wstring name, RECT bounds, int minValue, int maxValue)
    : WinControl(parent, std::move(name)), min_(minValue), max_(maxValue) {
  bounds_ = bounds;
  CreateHandle(L"EDIT", ES_NUMBER | WS_TABSTOP, WS_EX_CLIENTEDGE);
  upDown_ = CreateWindowExW(0, UPDOWN_CLASSW, L"",
                            WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                            0, 0, 0, 0, parent->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(handle_), 0);
  SendMessageW(upDown_, UDM_SETRANGE32, minValue, maxValue);
  SetValue(minValue);
}

SpinEdit::~SpinEdit() {
  if (upDown_) DestroyWindow(upDown_);
}

int SpinEdit::Value() const {
  wchar_t text[32] = {};
  GetWindowTextW(handle_, text, 32);
  const auto parsed = ParseInt32(text);
  return std::clamp(parsed.value_or(min_), min_, max_);
}

void SpinEdit::SetValue(int value) {
  SendMessageW(upDown_, UDM_SETPOS32, 0, std::clamp(value, min_, max_));
}

void SpinEdit::SetBounds(int x, int y, int width, int height) {
  WinControl::SetBounds(x, y, width, height);
  if (upDown_) SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(handle_), 0);
}

void SpinEdit::SetVisible(bool visible) {
  WinControl::SetVisible(visible);
  if (upDown_) ShowWindow(upDown_, visible ? SW_SHOWNA : SW_HIDE);
}

void SpinEdit::SetEnabled(bool enabled) {
  WinControl::SetEnabled(enabled);
  if (upDown_) EnableWindow(upDown_, enabled);
}

ProgressBar::ProgressBar(Container* parent, std::wstring name, RECT bounds) : WinControl(parent, std::move(name)) {
  bounds_ = bounds;
  CreateHandle(PROGRESS_CLASSW, PBS_SMOOTH);
  SetRange(100);
}

void ProgressBar::SetRange(int maxValue) {
  max_ = std::max(maxValue, 1);
  SendMessageW(handle_, PBM_SETRANGE32, 0, max_);
}

void ProgressBar::SetPosition(int position) {
  position_ = std::clamp(position, 0, max_);
  SendMessageW(handle_, PBM_SETPOS, position_, 0);
}

// ---- containers ----

GroupBox::GroupBox(Container* parent, std::wstring name, std::wstring caption, RECT bounds)
    : Container(parent, std::move(name)) {
  Place(*this, caption, bounds);
}

void GroupBox::PaintContent(HDC dc) {
  // The group shows its parent's background through, then an etched frame and its caption.
  RECT client{0, 0, Width(), Height()};
  if (parent_) parent_->PaintBackground(dc, client, Left(), Top());
  HGDIOBJ oldFont = SelectObject(dc, DefaultFont());
  SIZE size{};
  GetTextExtentPoint32W(dc, caption_.c_str(), static_cast<int>(caption_.size()), &size);
  RECT frame{0, size.cy / 2, client.right, client.bottom};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (!caption_.empty()) {
    RECT text{8, 0, 8 + size.cx + 4, size.cy};
    if (parent_) parent_->PaintBackground(dc, text, Left(), Top());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutW(dc, 10, 0, caption_.c_str(), static_cast<int>(caption_.size()));
  }
  SelectObject(dc, oldFont);
}

Panel::Panel(Container* parent, std::wstring name, RECT bounds) : Container(parent, std::move(name)) {
  Place(*this, L"", bounds);
}

PageControl::PageControl(Container* parent, std::wstring name, RECT bounds) : Container(parent, std::move(name)) {
  Place(*this, L"", bounds);
}

TabSheet& PageControl::AddPage(Component& owner, std::wstring name, std::wstring caption) {
  auto& page = owner.Make<TabSheet>(this, std::move(name), std::move(caption));
  pages_.push_back(&page);
  page.SetVisible(false);
  if (active_ < 0) SetActivePageIndex(0);
  return page;
}

void PageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= PageCount()) return;
  active_ = index;
  for (int i = 0; i < PageCount(); ++i) pages_[i]->SetVisible(i == index);
  if (onChange) onChange();
}

void PageControl::SetPagesBackground(const Picture& picture) {
  for (auto* page : pages_) page->SetBackgroundPicture(picture, true);
}

TabSheet::TabSheet(PageControl* parent, std::wstring name, std::wstring caption) : Container(parent, std::move(name)) {
  caption_ = std::move(caption);
  SetBounds(0, 0, parent->Width(), parent->Height());
  SetBackgroundColor(RGB(255, 255, 255));
}

// ---- graphic controls ----

Label::Label(Container* parent, std::wstring name, std::wstring caption, RECT bounds)
    : GraphicControl(parent, std::move(name)) {
  caption_ = std::move(caption);
  bounds_ = bounds;
  LOGFONTW logFont{};
  GetObjectW(DefaultFont(), sizeof(logFont), &logFont);
  font.name = logFont.lfFaceName;
}

void Label::Paint(Gdiplus::Graphics& graphics) {
  FontSpec fontSpec = font;
  if (!enabled_) fontSpec.color = GetSysColor(COLOR_GRAYTEXT);
  if (rich) {
    DrawRich(graphics, caption_, fontSpec, bounds_, wordWrap);
    return;
  }
  Gdiplus::FontFamily family(fontSpec.name.c_str());
  const Gdiplus::FontFamily* use =
      family.GetLastStatus() == Gdiplus::Ok ? &family : Gdiplus::FontFamily::GenericSansSerif();
  Gdiplus::Font f(use, fontSpec.size, fontSpec.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular, Gdiplus::UnitPoint);
  Gdiplus::SolidBrush brush(Gdiplus::Color(255, GetRValue(fontSpec.color), GetGValue(fontSpec.color), GetBValue(fontSpec.color)));
  Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
  if (!wordWrap) format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap);
  format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  if (alignRight) format.SetAlignment(Gdiplus::StringAlignmentFar);
  if (alignCenter) format.SetAlignment(Gdiplus::StringAlignmentCenter);
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
  Gdiplus::RectF layout(static_cast<float>(bounds_.left), static_cast<float>(bounds_.top),
                        static_cast<float>(Width()), static_cast<float>(Height()));
  graphics.DrawString(caption_.c_str(), static_cast<INT>(caption_.size()), &f, layout, &format, &brush);
}

Image::Image(Container* parent, std::wstring name, RECT bounds) : GraphicControl(parent, std::move(name)) {
  bounds_ = bounds;
}

void Image::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void Image::Paint(Gdiplus::Graphics& graphics) {
  if (picture_.Empty()) return;
  if (stretch) {
    graphics.DrawImage(picture_.Bitmap(), static_cast<INT>(bounds_.left), static_cast<INT>(bounds_.top), Width(),
                       Height());
  } else {
    Gdiplus::Region clip(Gdiplus::Rect(bounds_.left, bounds_.top, Width(), Height()));
    graphics.SetClip(&clip);
    picture_.PaintTo(graphics, bounds_.left, bounds_.top);
    graphics.ResetClip();
  }
}

ThreeStateImage::ThreeStateImage(Container* parent, std::wstring name, RECT bounds)
    : Image(parent, std::move(name), bounds) {}

void ThreeStateImage::Present(const Picture& picture) {
  if (!picture.Empty()) SetPicture(picture);
}

void ThreeStateImage::ShowNormal() {
  hovered_ = false;
  Present(Picture_Normal);
}

void ThreeStateImage::MouseEnter() {
  if (!enabled_) return;
  hovered_ = true;
  Present(pressed_ ? Picture_Pressed : Picture_Highlight);
}

void ThreeStateImage::MouseLeave() {
  if (!enabled_) return;
  hovered_ = false;
  if (!pressed_) Present(Picture_Normal);
}

void ThreeStateImage::MouseDown(int, int) {
  if (!enabled_) return;
  pressed_ = true;
  Present(Picture_Pressed);
  if (Move_If_MousePressed) SetBounds(Left() + 1, Top() + 1, Width(), Height());
}

void ThreeStateImage::MouseUp(bool inside) {
  if (!pressed_) return;
  pressed_ = false;
  if (Move_If_MousePressed) SetBounds(Left() - 1, Top() - 1, Width(), Height());
  hovered_ = inside;
  Present(inside ? Picture_Highlight : Picture_Normal);
}

void ImageShape::MouseDown(int, int) { GetCursorPos(&last_); }

void ImageShape::MouseMove(int, int) {
  if (!Movable || !(GetKeyState(VK_LBUTTON) & 0x8000)) return;
  POINT now;
  GetCursorPos(&now);
  Form* form = ParentForm();
  if (form && (now.x != last_.x || now.y != last_.y)) {
    RECT rect;
    GetWindowRect(form->Handle(), &rect);
    SetWindowPos(form->Handle(), nullptr, rect.left + now.x - last_.x, rect.top + now.y - last_.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  last_ = now;
}

// ---- Timer ----

namespace {
std::map<UINT_PTR, Timer*>& Timers() {
  static std::map<UINT_PTR, Timer*> timers;
  return timers;
}
}  // namespace

Timer::Timer(std::wstring name, unsigned intervalMs) : Component(std::move(name)), interval_(intervalMs) {}

Timer::~Timer() { SetEnabled(false); }

void Timer::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  if (enabled) {
    id_ = SetTimer(nullptr, 0, interval_, &TimerProc);
    Timers()[id_] = this;
  } else {
    KillTimer(nullptr, id_);
    Timers().erase(id_);
    id_ = 0;
  }
}

void Timer::SetInterval(unsigned intervalMs) {
  interval_ = intervalMs;
  if (Enabled()) {
    SetEnabled(false);
    SetEnabled(true);
  }
}

void CALLBACK Timer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Timers().find(id);
  if (it != Timers().end() && it->second->onTimer) it->second->onTimer();
}

}  // namespace vt::ui
