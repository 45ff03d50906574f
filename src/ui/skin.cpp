#include "ui/skin.h"

#include "core/globals.h"
#include "platform/files.h"

namespace vt::ui {

namespace {

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.rfind(L'\\') + 1); }

bool PlaceFromSection(Control& control, const std::wstring& ini, const std::wstring& section) {
  control.Hide();
  if (IniReadInteger(ini, section, L"Load") != 1) return false;
  control.Show();
  control.SetBounds(IniReadInteger(ini, section, L"Left"), IniReadInteger(ini, section, L"Top"),
                    IniReadInteger(ini, section, L"Width"), IniReadInteger(ini, section, L"Height"));
  return true;
}

}  // namespace

std::wstring SkinIniPath() { return SkinDir + L"\\skin.ini"; }

Picture LoadSkinFile(const std::wstring& fileName) { return Picture::Load(SkinDir + L"\\" + fileName); }

COLORREF SkinFont::Color() const {
  auto component = [](int value) { return static_cast<BYTE>(value < 0 || value > 255 ? 255 : value); };
  return RGB(component(r), component(g), component(b));
}

FontSpec SkinFont::ToFont(bool bold) const {
  FontSpec fontSpec;
  if (!name.empty()) fontSpec.name = name;
  fontSpec.size = size > 0 ? static_cast<float>(size) : 8.0f;
  fontSpec.color = Color();
  fontSpec.bold = bold;
  return fontSpec;
}

SkinFont ReadSkinFont(const std::wstring& section) {
  const std::wstring ini = SkinIniPath();
  SkinFont font;
  font.name = IniReadString(ini, section, L"FontName");
  font.size = IniReadInteger(ini, section, L"FontSize");
  font.r = IniReadInteger(ini, section, L"R");
  font.g = IniReadInteger(ini, section, L"G");
  font.b = IniReadInteger(ini, section, L"B");
  return font;
}

void LoadSkinPicture(Image& control, const std::wstring& skinIni, const std::wstring& section) {
  if (!PlaceFromSection(control, skinIni, section)) return;
  control.SetPicture(Picture::Load(FolderOf(skinIni) + IniReadString(skinIni, section, L"Filename")));
}

void LoadSkinButton(ThreeStateImage& button, const std::wstring& skinIni, const std::wstring& section) {
  if (skinIni.empty()) return;
  if (!PlaceFromSection(button, skinIni, section)) return;
  const std::wstring folder = FolderOf(skinIni);
  button.Picture_Normal = Picture::Load(folder + IniReadString(skinIni, section, L"Filename_normal"));
  button.Picture_Highlight = Picture::Load(folder + IniReadString(skinIni, section, L"Filename_over"));
  button.Picture_Pressed = Picture::Load(folder + IniReadString(skinIni, section, L"Filename_down"));
  button.SetPicture(button.Picture_Normal);
}

}  // namespace vt::ui
