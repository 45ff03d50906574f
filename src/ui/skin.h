// The active skin: pictures from SkinDir and the positions and fonts of its
// "skin.ini".
#pragma once

#include <string>

#include "ui/controls.h"
#include "ui/picture.h"

namespace vt::ui {

std::wstring SkinIniPath();                               // SkinDir\skin.ini
Picture LoadSkinFile(const std::wstring& fileName);       // SkinDir\<name>; empty when missing

struct SkinFont {
  std::wstring name;
  int size = -1;
  int r = -1, g = -1, b = -1;
  COLORREF Color() const;  // a missing component counts as 255
  FontSpec ToFont(bool bold = false) const;
};
SkinFont ReadSkinFont(const std::wstring& section);

// A plain picture control from a section: hidden unless "Load" is 1, then placed
// and given the section's "Filename" (relative to the skin.ini folder).
void LoadSkinPicture(Image& control, const std::wstring& skinIni, const std::wstring& section);
// A three-state button likewise, with its normal, highlighted and pressed pictures.
// Does nothing when the skin.ini path is empty.
void LoadSkinButton(ThreeStateImage& button, const std::wstring& skinIni, const std::wstring& section);

}  // namespace vt::ui
