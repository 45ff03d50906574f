#include "ui/picture.h"

// GDI+ needs the full Windows headers (no WIN32_LEAN_AND_MEAN) and these first.
#include <objidl.h>
#include <gdiplus.h>

namespace vt::ui {

using namespace Gdiplus;

void EnsureGdiplus() {
  static ULONG_PTR token = [] {
    ULONG_PTR t = 0;
    GdiplusStartupInput input;
    GdiplusStartup(&t, &input, nullptr);
    return t;
  }();
  (void)token;
}

namespace {

Color ToColor(COLORREF c, BYTE alpha = 255) { return Color(alpha, GetRValue(c), GetGValue(c), GetBValue(c)); }

std::unique_ptr<Gdiplus::Bitmap> Blank(int width, int height) {
  EnsureGdiplus();
  return std::make_unique<Gdiplus::Bitmap>(width > 0 ? width : 1, height > 0 ? height : 1, PixelFormat32bppPARGB);
}

void Prepare(Graphics& g) {
  g.SetCompositingMode(CompositingModeSourceOver);
  g.SetInterpolationMode(InterpolationModeNearestNeighbor);
  g.SetPixelOffsetMode(PixelOffsetModeHalf);
}

void DrawString(Graphics& g, const std::wstring& text, const FontSpec& fontSpec, int x, int y, bool alignRight) {
  FontFamily family(fontSpec.name.c_str());
  const FontFamily* use = family.GetLastStatus() == Ok ? &family : FontFamily::GenericSansSerif();
  Font font(use, fontSpec.size, fontSpec.bold ? FontStyleBold : FontStyleRegular, UnitPoint);
  SolidBrush brush(ToColor(fontSpec.color));
  g.SetTextRenderingHint(TextRenderingHintAntiAliasGridFit);
  StringFormat format(StringFormat::GenericTypographic());
  format.SetFormatFlags(format.GetFormatFlags() | StringFormatFlagsMeasureTrailingSpaces | StringFormatFlagsNoWrap);
  if (alignRight) format.SetAlignment(StringAlignmentFar);
  g.DrawString(text.c_str(), static_cast<INT>(text.size()), &font, PointF(static_cast<REAL>(x), static_cast<REAL>(y)),
               &format, &brush);
}

}  // namespace

Picture::Picture() = default;
Picture::Picture(int width, int height) : bitmap_(Blank(width, height)) {
  Graphics g(bitmap_.get());
  g.Clear(Color(0, 0, 0, 0));
}
Picture::~Picture() = default;
Picture::Picture(Picture&&) noexcept = default;
Picture& Picture::operator=(Picture&&) noexcept = default;

Picture::Picture(const Picture& other) {
  if (other.bitmap_) *this = other.Crop(0, 0, other.Width(), other.Height());
}

Picture& Picture::operator=(const Picture& other) {
  if (this != &other) {
    Picture copy(other);
    bitmap_ = std::move(copy.bitmap_);
  }
  return *this;
}

Picture Picture::Load(const std::wstring& path) {
  EnsureGdiplus();
  Picture picture;
  // Load through a copy so the file is not kept open (the user may replace it).
  Gdiplus::Bitmap file(path.c_str());
  if (file.GetLastStatus() != Ok || file.GetWidth() == 0) return picture;
  picture.bitmap_ = Blank(static_cast<int>(file.GetWidth()), static_cast<int>(file.GetHeight()));
  Graphics g(picture.bitmap_.get());
  g.SetCompositingMode(CompositingModeSourceCopy);
  g.DrawImage(&file, 0, 0, static_cast<INT>(file.GetWidth()), static_cast<INT>(file.GetHeight()));
  return picture;
}

int Picture::Width() const { return bitmap_ ? static_cast<int>(bitmap_->GetWidth()) : 0; }
int Picture::Height() const { return bitmap_ ? static_cast<int>(bitmap_->GetHeight()) : 0; }

Picture Picture::Crop(int x, int y, int width, int height) const {
  Picture out(width, height);
  if (!bitmap_) return out;
  Graphics g(out.bitmap_.get());
  g.SetCompositingMode(CompositingModeSourceCopy);
  g.DrawImage(bitmap_.get(), Rect(0, 0, width, height), x, y, width, height, UnitPixel);
  return out;
}

void Picture::Draw(const Picture& other, int x, int y) {
  if (!bitmap_ || !other.bitmap_) return;
  Graphics g(bitmap_.get());
  Prepare(g);
  g.DrawImage(other.bitmap_.get(), x, y, other.Width(), other.Height());
}

void Picture::DrawText(const std::wstring& text, const FontSpec& font, int x, int y, bool alignRight) {
  if (!bitmap_) return;
  Graphics g(bitmap_.get());
  DrawString(g, text, font, x, y, alignRight);
}

void Picture::FillGradient(int x, int y, int width, int height, COLORREF top, COLORREF bottom) {
  if (!bitmap_ || width <= 0 || height <= 0) return;
  Graphics g(bitmap_.get());
  LinearGradientBrush brush(Point(0, y - 1), Point(0, y + height), ToColor(top), ToColor(bottom));
  g.FillRectangle(&brush, x, y, width, height);
}

void Picture::Fill(COLORREF color) {
  if (!bitmap_) return;
  Graphics g(bitmap_.get());
  g.Clear(ToColor(color));
}

COLORREF Picture::PixelAt(int x, int y) const {
  Color c;
  if (!bitmap_ || bitmap_->GetPixel(x, y, &c) != Ok) return CLR_INVALID;
  return RGB(c.GetR(), c.GetG(), c.GetB());
}

void Picture::PaintTo(Gdiplus::Graphics& graphics, int x, int y) const {
  if (!bitmap_) return;
  Prepare(graphics);
  graphics.DrawImage(bitmap_.get(), x, y, Width(), Height());
}

void Picture::PaintTo(HDC dc, int x, int y) const {
  if (!bitmap_) return;
  Graphics g(dc);
  PaintTo(g, x, y);
}

void Picture::TileTo(HDC dc, const RECT& area, int originX, int originY) const {
  if (!bitmap_) return;
  Graphics g(dc);
  TextureBrush brush(bitmap_.get(), WrapModeTile);
  brush.TranslateTransform(static_cast<REAL>(area.left - originX), static_cast<REAL>(area.top - originY));
  g.FillRectangle(&brush, static_cast<INT>(area.left), static_cast<INT>(area.top),
                  static_cast<INT>(area.right - area.left), static_cast<INT>(area.bottom - area.top));
}

void DrawTextOn(HDC dc, const std::wstring& text, const FontSpec& font, int x, int y) {
  EnsureGdiplus();
  Graphics g(dc);
  DrawString(g, text, font, x, y, false);
}

}  // namespace vt::ui
