// The page list of settings windows: our page controls show no tabs, so a
// settings window lists its pages on the left and titles each page.
#pragma once

#include "ui/controls.h"

namespace vt::ui {

inline constexpr COLORREF kPageListAccent = RGB(0x2B, 0x57, 0x9A);
inline constexpr COLORREF kPageListSelected = RGB(0xDC, 0xE7, 0xF7);
inline constexpr COLORREF kPageListHover = RGB(0xEE, 0xF3, 0xFB);
inline constexpr COLORREF kPageTitleColor = RGB(0x1F, 0x3F, 0x7A);
inline constexpr COLORREF kSettingsFrameColor = RGB(0xA9, 0xB4, 0xC2);

// One entry of the page list: shows its page's (translated) caption, marks the
// active page with an accent bar and follows the mouse.
class PageSwitchEntry : public GraphicControl {
 public:
  PageSwitchEntry(Container* parent, std::wstring name, PageControl& pages, int index, RECT bounds);
  bool HasCaption() const override { return false; }  // the page's caption is shown
  void MouseEnter() override;
  void MouseLeave() override;
  void Paint(Gdiplus::Graphics& g) override;

 private:
  PageControl& pages_;
  int index_;
  bool hovered_ = false;
};

// The frames around the page list and the page, and the etched line above the
// window buttons.
void PaintSettingsFrame(HDC dc, const RECT& listArea, const RECT& pageArea, int separatorY);

// A page's caption as its title, with a thin line under it.
class PageTitle : public GraphicControl {
 public:
  PageTitle(Container* parent, std::wstring name, const TabSheet& page, RECT bounds);
  bool HasCaption() const override { return false; }  // the page's caption is shown
  void Paint(Gdiplus::Graphics& g) override;

 private:
  const TabSheet& page_;
};

}  // namespace vt::ui
