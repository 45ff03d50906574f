#include "ui/page_list.h"

#include <objidl.h>
#include <gdiplus.h>

namespace vt::ui {

namespace {
Gdiplus::Color GdiColor(COLORREF color) {
  return Gdiplus::Color(255, GetRValue(color), GetGValue(color), GetBValue(color));
}
}  // namespace

PageSwitchEntry::PageSwitchEntry(Container* parent, std::wstring name, PageControl& pages, int index, RECT bounds)
    : GraphicControl(parent, std::move(name)), pages_(pages), index_(index) {
  bounds_ = bounds;
}

void PageSwitchEntry::MouseEnter() {
  hovered_ = true;
  Invalidate();
}

void PageSwitchEntry::MouseLeave() {
  hovered_ = false;
  Invalidate();
}

void PageSwitchEntry::Paint(Gdiplus::Graphics& g) {
  const bool active = pages_.ActivePageIndex() == index_;
  const Gdiplus::Rect box(bounds_.left, bounds_.top, Width(), Height());
  if (active || hovered_) {
    Gdiplus::SolidBrush fill(GdiColor(active ? kPageListSelected : kPageListHover));
    g.FillRectangle(&fill, box);
  }
  if (active) {
    Gdiplus::SolidBrush accent(GdiColor(kPageListAccent));
    g.FillRectangle(&accent, Gdiplus::Rect(bounds_.left, bounds_.top, 4, Height()));
  }
  Gdiplus::FontFamily family(L"Tahoma");
  const Gdiplus::FontFamily* use =
      family.GetLastStatus() == Gdiplus::Ok ? &family : Gdiplus::FontFamily::GenericSansSerif();
  Gdiplus::Font font(use, 9, active ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular, Gdiplus::UnitPoint);
  Gdiplus::SolidBrush text(GdiColor(active ? kPageTitleColor : RGB(0x22, 0x22, 0x22)));
  Gdiplus::StringFormat format;
  format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
  g.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
  const std::wstring caption = pages_.Page(index_).Caption();
  const Gdiplus::RectF layout(static_cast<float>(bounds_.left + 14), static_cast<float>(bounds_.top),
                              static_cast<float>(Width() - 18), static_cast<float>(Height()));
  g.DrawString(caption.c_str(), static_cast<INT>(caption.size()), &font, layout, &format, &text);
}

void PaintSettingsFrame(HDC dc, const RECT& listArea, const RECT& pageArea, int separatorY) {
  HBRUSH frame = CreateSolidBrush(kSettingsFrameColor);
  for (RECT area : {listArea, pageArea}) {
    InflateRect(&area, 1, 1);
    FrameRect(dc, &area, frame);
  }
  DeleteObject(frame);
  RECT line{listArea.left, separatorY, pageArea.right, separatorY + 1};
  FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
  OffsetRect(&line, 0, 1);
  FillRect(dc, &line, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
}

PageTitle::PageTitle(Container* parent, std::wstring name, const TabSheet& page, RECT bounds)
    : GraphicControl(parent, std::move(name)), page_(page) {
  bounds_ = bounds;
}

void PageTitle::Paint(Gdiplus::Graphics& g) {
  Gdiplus::SolidBrush line(GdiColor(RGB(0xD8, 0xDE, 0xE6)));
  g.FillRectangle(&line, Gdiplus::Rect(bounds_.left, bounds_.bottom - 1, Width(), 1));
  HDC dc = g.GetHDC();
  HFONT font = CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Tahoma");
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kPageTitleColor);
  RECT box{bounds_.left, bounds_.top, bounds_.right, bounds_.bottom - 4};
  const std::wstring caption = page_.Caption();
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
  g.ReleaseHDC(dc);
}

}  // namespace vt::ui
