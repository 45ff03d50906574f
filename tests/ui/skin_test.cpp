#include <gtest/gtest.h>

#include "core/globals.h"
#include "support/test_support.h"
#include "ui/form.h"
#include "ui/skin.h"

namespace vt::testing {

TEST(Skin, SectionsPlaceButtonsAndFontsFillMissingColours) {
  ScratchFolder skin(L"vt-skin");
  const std::wstring dist = DistFolder() + L"\\Skins\\default\\";
  for (const wchar_t* name : {L"button_help_normal.png", L"button_help_over.png", L"button_help_down.png"})
    CopyFileW((dist + name).c_str(), (skin / name).c_str(), FALSE);
  WriteTextFile(skin / L"skin.ini",
                "[Close]\r\nLoad=0\r\nLeft=1\r\nTop=1\r\nWidth=22\r\nHeight=22\r\n"
                "[Help]\r\nLoad=1\r\nLeft=456\r\nTop=10\r\nWidth=70\r\nHeight=24\r\n"
                "Filename_normal=button_help_normal.png\r\nFilename_over=button_help_over.png\r\n"
                "Filename_down=button_help_down.png\r\n"
                "[NoRed_Font]\r\nFontName=Tahoma\r\nFontSize=9\r\nG=10\r\nB=20\r\n");
  SkinDir = skin.Path();
  ui::Form form(L"Form_Skin", 640, 480, ui::FormBorder::None);
  auto& close = form.Make<ui::ThreeStateImage>(&form, L"Close", RECT{0, 0, 22, 22});
  auto& help = form.Make<ui::ThreeStateImage>(&form, L"Help");

  ui::LoadSkinButton(close, ui::SkinIniPath(), L"Close");
  EXPECT_FALSE(close.Visible()) << "Load=0 hides the button";
  ui::LoadSkinButton(help, ui::SkinIniPath(), L"Help");
  EXPECT_TRUE(help.Visible());
  EXPECT_EQ(help.Left(), 456);
  EXPECT_EQ(help.Width(), 70);
  EXPECT_EQ(help.Picture_Normal.Width(), 70);
  EXPECT_FALSE(help.Picture_Pressed.Empty());
  EXPECT_EQ(help.GetPicture().PixelAt(35, 12), help.Picture_Normal.PixelAt(35, 12)) << "shows the normal picture";

  ui::ThreeStateImage untouched(&form, L"Untouched");
  ui::LoadSkinButton(untouched, L"", L"Help");
  EXPECT_TRUE(untouched.Visible()) << "an empty skin.ini path changes nothing";

  const auto font = ui::ReadSkinFont(L"NoRed_Font");
  EXPECT_EQ(font.name, L"Tahoma");
  EXPECT_EQ(font.size, 9);
  EXPECT_EQ(font.Color(), RGB(255, 10, 20)) << "a missing colour component counts as 255";
  EXPECT_EQ(ui::ReadSkinFont(L"Missing_Font").Color(), RGB(255, 255, 255));
}

}  // namespace vt::testing
