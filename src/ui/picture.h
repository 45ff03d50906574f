// Pictures for skinned drawing: loaded from BMP, PNG, JPEG or GIF through GDI+,
// kept as 32-bit premultiplied ARGB, composed with alpha, and written on with
// anti-aliased text.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace Gdiplus {
class Bitmap;
class Graphics;
}  // namespace Gdiplus

namespace vt::ui {

// Starts GDI+ once for the process (idempotent).
void EnsureGdiplus();

struct FontSpec {
  std::wstring name = L"Tahoma";
  float size = 8;  // points
  COLORREF color = RGB(0, 0, 0);
  bool bold = false;
};

class Picture {
 public:
  Picture();
  Picture(int width, int height);  // fully transparent
  ~Picture();
  Picture(const Picture& other);
  Picture& operator=(const Picture& other);
  Picture(Picture&&) noexcept;
  Picture& operator=(Picture&&) noexcept;

  // Empty when the file is missing or not a picture.
  static Picture Load(const std::wstring& path);

  bool Empty() const { return !bitmap_; }
  int Width() const;
  int Height() const;

  Picture Crop(int x, int y, int width, int height) const;
  void Draw(const Picture& other, int x, int y);  // alpha-composed
  void DrawText(const std::wstring& text, const FontSpec& font, int x, int y, bool alignRight = false);
  void FillGradient(int x, int y, int width, int height, COLORREF top, COLORREF bottom);
  void Fill(COLORREF color);
  COLORREF PixelAt(int x, int y) const;  // for tests; alpha ignored

  // Paints onto a device context at (x, y), alpha-blended.
  void PaintTo(HDC dc, int x, int y) const;
  void PaintTo(Gdiplus::Graphics& graphics, int x, int y) const;
  // Tiles the picture over a rectangle, starting at the rectangle's origin minus (originX, originY).
  void TileTo(HDC dc, const RECT& area, int originX = 0, int originY = 0) const;

  Gdiplus::Bitmap* Bitmap() const { return bitmap_.get(); }

 private:
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};

// Text drawn anti-aliased straight onto a device context (labels over skins).
void DrawTextOn(HDC dc, const std::wstring& text, const FontSpec& font, int x, int y);

}  // namespace vt::ui
