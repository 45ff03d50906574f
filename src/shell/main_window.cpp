#include "shell/main_window.h"

#include <shellapi.h>

#include "core/globals.h"
#include "core/links.h"
#include "core/text.h"
#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/help.h"
#include "platform/win_registry.h"
#include "texts/main_texts.h"
#include "ui/skin.h"

namespace vt {

namespace {

using ui::Picture;
using ui::ThreeStateImage;

constexpr int kWidth = 640, kHeight = 480;
constexpr int kSlotLeft = 333, kSlotTop = 112, kSlotStep = 62, kSlotWidth = 260, kSlotHeight = 52;

struct SlotInfo {
  const wchar_t* captionKey;
  const wchar_t* code;
};

// The three slots of each category, in order.
const SlotInfo kSlots[4][3] = {
    {{L"MESSAGE_Button_DC", L"DC"}, {L"MESSAGE_Button_RC", L"RC"}, {L"MESSAGE_Button_IC", L"IC"}},
    {{L"MESSAGE_Button_ST", L"ST"}, {L"MESSAGE_Button_IP", L"IP"}, {L"MESSAGE_Button_WIN", L"WIN"}},
    {{L"MESSAGE_Button_FW", L"FW"}, {L"MESSAGE_Button_FSJ", L"FSJ"}, {L"MESSAGE_Button_FED", L"FED"}},
    {{L"MESSAGE_Button_SI", L"SI"}, {L"MESSAGE_Button_DEFRAG", L"DEFRAG"}, {L"MESSAGE_Button_FA", L"FA"}},
};

const wchar_t* const kHeaderKeys[4] = {L"MESSAGE_Header_Cleaning", L"MESSAGE_Header_Tuning",
                                       L"MESSAGE_Header_FileTools", L"MESSAGE_Header_NewTools"};

std::wstring Line(const std::vector<std::wstring>& lines, size_t index) {
  return index < lines.size() ? lines[index] : std::wstring();
}

std::vector<std::wstring> EntryLines(const std::wstring& key, int max) {
  std::vector<std::wstring> lines;
  GetTranslationLines(kMainWindowTexts.name, key, max, lines);
  return lines;
}

std::wstring LocaleTagOf(LCID locale) {
  auto info = [&](LCTYPE type) {
    wchar_t buffer[16] = {};
    return GetLocaleInfoW(locale, type, buffer, 16) > 0 ? std::wstring(buffer) : std::wstring();
  };
  return LanguageTag(info(LOCALE_SISO639LANGNAME), info(LOCALE_SISO3166CTRYNAME), info(LOCALE_SABBREVLANGNAME),
                     info(LOCALE_SABBREVCTRYNAME));
}

}  // namespace

MainWindow::MainWindow()
    : ui::Form(L"Form_ZELK3", kWidth, kHeight, ui::FormBorder::None),
      ImageShape_Background(Make<ui::ImageShape>(this, L"ImageShape_Background", RECT{0, 0, kWidth, kHeight})),
      PardunMouseImage3State_Close(Make<ThreeStateImage>(this, L"PardunMouseImage3State_Close")),
      PardunMouseImage3State_Minimize(Make<ThreeStateImage>(this, L"PardunMouseImage3State_Minimize")),
      PardunMouseImage3State_Help(Make<ThreeStateImage>(this, L"PardunMouseImage3State_Help")),
      PardunMouseImage3State_Options(Make<ThreeStateImage>(this, L"PardunMouseImage3State_Options")),
      PardunMouseImage3State_Internetmenu(Make<ThreeStateImage>(this, L"PardunMouseImage3State_Internetmenu")),
      PardunMouseImage3State_About(Make<ThreeStateImage>(this, L"PardunMouseImage3State_About")),
      PardunMouseImage3State_Cleaning(Make<ThreeStateImage>(this, L"PardunMouseImage3State_Cleaning")),
      PardunMouseImage3State_Tuning(Make<ThreeStateImage>(this, L"PardunMouseImage3State_Tuning")),
      PardunMouseImage3State_Tools(Make<ThreeStateImage>(this, L"PardunMouseImage3State_Tools")),
      PardunMouseImage3State_New(Make<ThreeStateImage>(this, L"PardunMouseImage3State_New")),
      PardunMouseImage3State_OCO(Make<ThreeStateImage>(this, L"PardunMouseImage3State_OCO")),
      Image_Submenu(Make<ui::Image>(this, L"Image_Submenu")),
      PardunMouseImage3State_Module1(Make<ThreeStateImage>(
          this, L"PardunMouseImage3State_Module1", RECT{kSlotLeft, kSlotTop, kSlotLeft + kSlotWidth, kSlotTop + kSlotHeight})),
      PardunMouseImage3State_Module2(Make<ThreeStateImage>(
          this, L"PardunMouseImage3State_Module2",
          RECT{kSlotLeft, kSlotTop + kSlotStep, kSlotLeft + kSlotWidth, kSlotTop + kSlotStep + kSlotHeight})),
      PardunMouseImage3State_Module3(Make<ThreeStateImage>(
          this, L"PardunMouseImage3State_Module3",
          RECT{kSlotLeft, kSlotTop + 2 * kSlotStep, kSlotLeft + kSlotWidth, kSlotTop + 2 * kSlotStep + kSlotHeight})),
      PardunMouseImage3State_Module4(Make<ThreeStateImage>(this, L"PardunMouseImage3State_Module4")),
      PardunMouseImage3State_ModuleDummy(Make<ThreeStateImage>(this, L"PardunMouseImage3State_ModuleDummy")),
      Image_Logo(Make<ui::Image>(this, L"Image_Logo", RECT{400, 64, 620, 144})),
      Label_About_Back(Make<ui::Label>(this, L"Label_About_Back", L"Hauptmen\u00FC", RECT{32, 440, 232, 462})) {
  quitOnClose = true;
  Label_About_Back.tag = 1;
  Label_About_Back.font.bold = true;
  Label_About_Back.font.color = RGB(255, 255, 255);
  Label_About_Back.onClick = [this] {
    ResetInternetButton();
    ShowMenuPage();
  };
  PardunMouseImage3State_Module4.Hide();
  PardunMouseImage3State_ModuleDummy.Hide();
  for (auto* slot : {&PardunMouseImage3State_Module1, &PardunMouseImage3State_Module2, &PardunMouseImage3State_Module3}) {
    slot->Hide();
    slot->Move_If_MousePressed = false;
  }

  PardunMouseImage3State_Close.onClick = [this] {
    ResetInternetButton();
    Close();
  };
  PardunMouseImage3State_Minimize.onClick = [this] {
    ResetInternetButton();
    ShowWindow(handle_, SW_MINIMIZE);
  };
  PardunMouseImage3State_Help.onClick = [this] {
    ResetInternetButton();
    OpenHelpTopic(L"MAIN");
  };
  onHelp = [] { OpenHelpTopic(L"MAIN"); };
  PardunMouseImage3State_Options.onClick = [this] {
    ResetInternetButton();
    if (showOptions) showOptions();
  };
  PardunMouseImage3State_About.onClick = [this] {
    ResetInternetButton();
    ShowAboutPage();
  };
  PardunMouseImage3State_Internetmenu.onClick = [this] { ShowInternetMenu(); };
  PardunMouseImage3State_Cleaning.onClick = [this] { SelectCategory(Category::Cleaning); };
  PardunMouseImage3State_Tuning.onClick = [this] { SelectCategory(Category::Tuning); };
  PardunMouseImage3State_Tools.onClick = [this] { SelectCategory(Category::FileTools); };
  PardunMouseImage3State_New.onClick = [this] { SelectCategory(Category::NewTools); };
  PardunMouseImage3State_Module1.onClick = [this] { ClickSlot(1); };
  PardunMouseImage3State_Module2.onClick = [this] { ClickSlot(2); };
  PardunMouseImage3State_Module3.onClick = [this] { ClickSlot(3); };
  PardunMouseImage3State_Module4.onClick = [this] { ResetInternetButton(); };
  PardunMouseImage3State_OCO.onClick = [this] { ClickOCO(); };

  openAddress = [](const std::wstring& address) {
    ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  };

  // FormCreate: no category yet, translation applied, the menu page active.
  Button_LoadTranslation.Click();
  ShowMenuPage();
}

MainWindow::~MainWindow() = default;

Picture MainWindow::OverBackground(const Picture& face, const RECT& at) const {
  Picture out = menuBackground_.Crop(at.left, at.top, at.right - at.left, at.bottom - at.top);
  out.Draw(face, 0, 0);
  return out;
}

void MainWindow::InitSkin(const std::function<void(const std::wstring&)>& status) {
  const std::wstring ini = ui::SkinIniPath();

  status(L"Loading Background");
  menuBackground_ = ui::LoadSkinFile(L"Background_MainMenu.bmp");
  if (menuBackground_.Empty()) menuBackground_ = Picture(kWidth, kHeight);
  ImageShape_Background.SetPicture(menuBackground_);

  status(L"Loading Header-Buttons");
  struct Header {
    ThreeStateImage* button;
    const wchar_t* section;
  };
  const Header headers[] = {{&PardunMouseImage3State_Close, L"Close"},     {&PardunMouseImage3State_Minimize, L"Minimize"},
                            {&PardunMouseImage3State_About, L"About"},     {&PardunMouseImage3State_Help, L"Help"},
                            {&PardunMouseImage3State_Options, L"Options"}, {&PardunMouseImage3State_Internetmenu, L"Internetmenu"}};
  for (const auto& header : headers) {
    ui::LoadSkinButton(*header.button, ini, header.section);
    header.button->hint = kMainWindowTexts.Text(header.button->Name());
  }
  const auto menuFont = ui::ReadSkinFont(L"MenuText_Font").ToFont();
  struct Captioned {
    ThreeStateImage* button;
    const wchar_t* key;
    int x;
  };
  const Captioned captioned[] = {{&PardunMouseImage3State_Options, L"MESSAGE_MenuButton_Options", 48},
                                 {&PardunMouseImage3State_Internetmenu, L"MESSAGE_MenuButton_IM", 30},
                                 {&PardunMouseImage3State_Help, L"MESSAGE_MenuButton_Help", 30}};
  for (const auto& c : captioned) {
    const std::wstring text = kMainWindowTexts.Text(c.key);
    const RECT at = c.button->Bounds();
    for (Picture* face : {&c.button->Picture_Normal, &c.button->Picture_Highlight, &c.button->Picture_Pressed}) {
      *face = OverBackground(*face, at);
      face->DrawText(text, menuFont, c.x, 5);
    }
    c.button->SetPicture(c.button->Picture_Normal);
  }

  status(L"Loading OCO-Button");
  ui::LoadSkinButton(PardunMouseImage3State_OCO, ini, L"OCO");

  status(L"Loading Group-Buttons");
  ui::LoadSkinButton(PardunMouseImage3State_Cleaning, ini, L"Cleaning");
  ui::LoadSkinButton(PardunMouseImage3State_Tuning, ini, L"Tuning");
  ui::LoadSkinButton(PardunMouseImage3State_Tools, ini, L"FileTools");
  ui::LoadSkinButton(PardunMouseImage3State_New, ini, L"NewTools");

  status(L"Paint on Group-Buttons");
  PaintGroupButton(PardunMouseImage3State_Cleaning, L"icon_main_clean.png", CategoryTitleCleaning,
                   L"GroupButton_Offsets", 8, 28, 41);
  PaintGroupButton(PardunMouseImage3State_Tuning, L"icon_main_tune.png", CategoryTitleTuning, L"GroupButton_Offsets",
                   8, 28, 41);
  PaintGroupButton(PardunMouseImage3State_Tools, L"icon_main_file.png", CategoryTitleTools, L"GroupButton_Offsets", 8,
                   28, 41);
  PaintGroupButton(PardunMouseImage3State_New, L"icon_main_new.png", CategoryTitleNew, L"GroupButton_Offsets", 8, 28,
                   41);
  PaintGroupButton(PardunMouseImage3State_OCO, L"", CategoryTitleOneClick, L"OCOButton_Offsets", 19, 39, 52);

  status(L"Loading Image for Submenu");
  BuildAboutPage();
  ui::LoadSkinPicture(Image_Submenu, ini, L"Submenu");
  submenuClean_ = OverBackground(Image_Submenu.GetPicture(), Image_Submenu.Bounds());
  PardunMouseImage3State_ModuleDummy.Picture_Normal = ui::LoadSkinFile(L"button_sub_normal.png");
  PardunMouseImage3State_ModuleDummy.Picture_Highlight = ui::LoadSkinFile(L"button_sub_hover.png");
  PardunMouseImage3State_ModuleDummy.Picture_Pressed = ui::LoadSkinFile(L"button_sub_down.png");
  Picture welcome = submenuClean_;
  welcome.DrawText(kMainWindowTexts.Text(L"MESSAGE_SubMenuCaption_Start"),
                   ui::ReadSkinFont(L"SubMenu_HeaderFontBIG").ToFont(true), 4, 8);
  const auto lines = EntryLines(L"MESSAGE_SubMenu_StartText", 32);
  const auto textFont = ui::ReadSkinFont(L"OtherText_Font").ToFont();
  for (size_t i = 0; i < lines.size(); ++i) welcome.DrawText(lines[i], textFont, 4, 36 + 12 * static_cast<int>(i));
  Image_Submenu.SetPicture(std::move(welcome));
  ShowMenuPage();
  Invalidate();
}

void MainWindow::PaintGroupButton(ThreeStateImage& button, const std::wstring& iconFile, std::wstring& title,
                                  const wchar_t* offsetsSection, int defaultHeader, int defaultText1,
                                  int defaultText2) {
  const auto lines = EntryLines(button.Name(), 3);
  title = Line(lines, 0);
  const std::wstring ini = ui::SkinIniPath();
  auto offset = [&](const wchar_t* key, int fallback) {
    const int value = IniReadInteger(ini, offsetsSection, key);
    return value > 0 ? value : fallback;
  };
  const int header = offset(L"Header", defaultHeader), text1 = offset(L"Text1", defaultText1),
            text2 = offset(L"Text2", defaultText2);
  const auto big = ui::ReadSkinFont(L"GroupButton_FontBIG").ToFont(true);
  const auto small = ui::ReadSkinFont(L"GroupButton_FontSMALL").ToFont();
  const Picture icon = iconFile.empty() ? Picture() : ui::LoadSkinFile(iconFile);
  const RECT at = button.Bounds();
  int shift = 0;
  for (Picture* face : {&button.Picture_Normal, &button.Picture_Highlight, &button.Picture_Pressed}) {
    if (face == &button.Picture_Pressed) shift = 1;  // the pressed face looks pushed in
    *face = OverBackground(*face, at);
    if (!icon.Empty()) face->Draw(icon, 228 + 2 * shift, 8 + 2 * shift);
    face->DrawText(Line(lines, 0), big, 4 + shift, header + shift);
    face->DrawText(Line(lines, 1), small, 6 + shift, text1 + shift);
    face->DrawText(Line(lines, 2), small, 6 + shift, text2 + shift);
  }
  button.SetPicture(button.Picture_Normal);
}

void MainWindow::SelectCategory(Category category) {
  ResetInternetButton();
  if (category == category_ || category == Category::None) return;
  ThreeStateImage* buttons[4] = {&PardunMouseImage3State_Cleaning, &PardunMouseImage3State_Tuning,
                                 &PardunMouseImage3State_Tools, &PardunMouseImage3State_New};
  const int index = static_cast<int>(category) - 1;
  for (int i = 0; i < 4; ++i) {
    buttons[i]->SetEnabled(i != index);
    if (i != index) buttons[i]->ShowNormal();
  }
  category_ = category;
  ++submenuPaints_;

  Picture submenu = submenuClean_;
  const auto header = EntryLines(kHeaderKeys[index], 1);
  submenu.DrawText(Line(header, 0), ui::ReadSkinFont(L"SubMenu_HeaderFontBIG").ToFont(true), 4, 1);
  submenu.DrawText(Line(header, 1), ui::ReadSkinFont(L"SubMenu_HeaderFontSMALL").ToFont(), 6, 20);
  Image_Submenu.SetPicture(submenu);

  ThreeStateImage* slots[3] = {&PardunMouseImage3State_Module1, &PardunMouseImage3State_Module2,
                               &PardunMouseImage3State_Module3};
  for (int i = 0; i < 3; ++i) {
    const auto& info = kSlots[index][i];
    slots[i]->Show();
    PaintSlot(*slots[i], info.captionKey, std::wstring(L"icon_Module_") + info.code + L".png",
              std::wstring(info.code) == L"FW");
  }
  PardunMouseImage3State_Module4.Hide();
}

void MainWindow::PaintSlot(ThreeStateImage& slot, const std::wstring& captionKey, const std::wstring& iconFile,
                           bool wiperIcon) {
  const auto lines = EntryLines(captionKey, 1);
  const auto big = ui::ReadSkinFont(L"SubMenuButton_FontBIG").ToFont(true);
  const auto small = ui::ReadSkinFont(L"SubMenuButton_FontSMALL").ToFont();
  const Picture icon = ui::LoadSkinFile(iconFile);
  const RECT& menu = Image_Submenu.Bounds();
  const Picture behind = Image_Submenu.GetPicture().Crop(slot.Left() - menu.left, slot.Top() - menu.top, slot.Width(),
                                                          slot.Height());
  const auto& dummy = PardunMouseImage3State_ModuleDummy;
  const Picture* faces[3] = {&dummy.Picture_Normal, &dummy.Picture_Highlight, &dummy.Picture_Pressed};
  Picture* targets[3] = {&slot.Picture_Normal, &slot.Picture_Highlight, &slot.Picture_Pressed};
  for (int f = 0; f < 3; ++f) {
    const int shift = f == 2 ? 2 : 0;
    Picture face = behind;
    face.Draw(*faces[f], 0, 0);
    if (!icon.Empty()) face.Draw(icon, (wiperIcon ? 216 : 218) + shift, (wiperIcon ? 4 : 8) + shift);
    face.DrawText(Line(lines, 0), big, 4 + shift, 2 + shift);
    face.DrawText(Line(lines, 1), small, 6 + shift, 22 + shift);
    *targets[f] = std::move(face);
  }
  slot.SetPicture(slot.Picture_Normal);
}

void MainWindow::ClickSlot(int slot) {
  ResetInternetButton();
  if (category_ == Category::None || slot < 1 || slot > 3) return;
  // The defragmenter needs the NT family; decided by the platform so that newer
  // NT versions, which the version flags do not name, are not refused.
  if (category_ == Category::NewTools && slot == 2 && QueryOsVersionInfo().platform != OsPlatform::WindowsNT) {
    ShowMessage(handle_, kMainWindowTexts.Text(L"MESSAGE_NoNT"), MessageIcon::Information);
    return;
  }
  OpenModuleWindow(moduleFactory ? moduleFactory(category_, slot) : nullptr);
}

void MainWindow::OpenModuleWindow(std::unique_ptr<ui::Form> window) {
  if (!window) {
    ShowMessage(handle_, kMainWindowTexts.Text(L"MESSAGE_ComingSoon"), MessageIcon::Information);
    return;
  }
  SetVisible(false);
  window->ShowModal();
  window.reset();
  SetVisible(true);
  SetForegroundWindow(handle_);
}

void MainWindow::ClickOCO() {
  ResetInternetButton();
  auto window = oneClickFactory ? oneClickFactory() : nullptr;
  if (!window) {
    ShowMessage(handle_, kMainWindowTexts.Text(L"MESSAGE_ComingSoon"), MessageIcon::Information);
    return;
  }
  OneClickRunning = true;
  const bool fromSwitch = ContainsText(UpperCase(CommandLineArgument(1)), L"OCO");
  SetVisible(false);
  if (fromSwitch) {
    window->Show();
    if (auto* start = dynamic_cast<ui::Button*>(window->FindComponent(L"Button_Weiter"))) start->Click();
    window->Hide();
  }
  window->ShowModal();
  window.reset();
  if (!fromSwitch) SetVisible(true);
  OneClickRunning = false;
}

void MainWindow::BuildAboutPage() {
  aboutBackground_ = ui::LoadSkinFile(L"Background.bmp");
  if (aboutBackground_.Empty()) aboutBackground_ = menuBackground_;
  Image_Logo.SetPicture(ui::LoadSkinFile(L"Logo.png"));
  const auto font = ui::ReadSkinFont(L"AboutScreen_Font");
  const std::wstring credits = kMainWindowTexts.Text(L"MESSAGE_Credits");
  int y = 60;
  size_t start = 0;
  while (start <= credits.size()) {
    const size_t end = credits.find(L"<br>", start);
    std::wstring piece = credits.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    bool bold = false;
    if (piece.rfind(L"<b>", 0) == 0) {
      bold = true;
      piece = piece.substr(3);
      if (const size_t close = piece.find(L"</b>"); close != std::wstring::npos) piece.erase(close, 4);
    }
    aboutBackground_.DrawText(piece, font.ToFont(bold), 32, y);
    y += 14;
    if (end == std::wstring::npos) break;
    start = end + 4;
  }
  aboutBackground_.DrawText(L"Version: " + ProductVersion, font.ToFont(true), 532, 380);
}

void MainWindow::ShowAboutPage() {
  aboutActive_ = true;
  ImageShape_Background.SetPicture(aboutBackground_);
  for (Control* control : Children()) {
    if (control == &ImageShape_Background) continue;
    const bool header = control == &PardunMouseImage3State_Close || control == &PardunMouseImage3State_Minimize ||
                        control == &PardunMouseImage3State_Help || control == &PardunMouseImage3State_Options ||
                        control == &PardunMouseImage3State_Internetmenu || control == &PardunMouseImage3State_About;
    const bool aboutOnly = control == &Image_Logo || control == &Label_About_Back;
    if (!header && !control->IsWindowed()) control->SetVisible(aboutOnly);
  }
  Invalidate();
}

void MainWindow::ShowMenuPage() {
  aboutActive_ = false;
  if (!menuBackground_.Empty()) ImageShape_Background.SetPicture(menuBackground_);
  Image_Logo.Hide();
  Label_About_Back.Hide();
  const std::wstring ini = ui::SkinIniPath();
  auto loaded = [&](const wchar_t* section) { return IniReadInteger(ini, section, L"Load") == 1; };
  PardunMouseImage3State_Cleaning.SetVisible(loaded(L"Cleaning"));
  PardunMouseImage3State_Tuning.SetVisible(loaded(L"Tuning"));
  PardunMouseImage3State_Tools.SetVisible(loaded(L"FileTools"));
  PardunMouseImage3State_New.SetVisible(loaded(L"NewTools"));
  PardunMouseImage3State_OCO.SetVisible(loaded(L"OCO"));
  Image_Submenu.SetVisible(loaded(L"Submenu"));
  const bool slots = category_ != Category::None;
  PardunMouseImage3State_Module1.SetVisible(slots);
  PardunMouseImage3State_Module2.SetVisible(slots);
  PardunMouseImage3State_Module3.SetVisible(slots);
  Invalidate();
}

void MainWindow::ResetInternetButton() { PardunMouseImage3State_Internetmenu.ShowNormal(); }

void MainWindow::ShowInternetMenu() {
  struct Entry {
    const wchar_t* name;
    const wchar_t* target;
  };
  static constexpr Entry kEntries[] = {{L"IM_Homepage", L"homepage"}, {L"IM_Products", L"products"},
                                       {L"IM_Offers", L"advertising"}, {L"IM_Support", L"support"},
                                       {L"IM_Newsletter", L"newsletter"}, {nullptr, L"myarea"}};
  HMENU menu = CreatePopupMenu();
  for (size_t i = 0; i < std::size(kEntries); ++i) {
    const std::wstring caption = kEntries[i].name ? kMainWindowTexts.Caption(kEntries[i].name) : L"My Veltrano";
    AppendMenuW(menu, MF_STRING, i + 1, caption.c_str());
  }
  RECT window;
  GetWindowRect(handle_, &window);
  const RECT& button = PardunMouseImage3State_Internetmenu.Bounds();
  const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN,
                                    window.left + button.left, window.top + button.bottom, 0, handle_, nullptr);
  DestroyMenu(menu);
  ResetInternetButton();
  if (chosen > 0) ClickInternetEntry(kEntries[chosen - 1].target);
}

void MainWindow::ClickInternetEntry(const std::wstring& targetWord) {
  ResetInternetButton();
  const std::wstring edition = Reg().ReadStringValue(HKLM, ProductRegKey, L"Edition");
  const std::wstring address =
      BuildRedirectAddress(edition, LocaleTagOf(GetUserDefaultLCID()),
                           LocaleTagOf(MAKELCID(MAKELANGID(LanguageId, SUBLANG_NEUTRAL), SORT_DEFAULT)), targetWord);
  if (openAddress) openAddress(address);
}

void MainWindow::DispatchSwitch(const std::wstring& firstArgument) {
  const SwitchAction action = DecideCommandLineSwitch(firstArgument);
  if (action.kind == SwitchAction::OneClick) {
    ClickOCO();
  } else if (action.kind == SwitchAction::OpenModule) {
    SelectCategory(action.category);
    ClickSlot(action.slot);
  }
  if (action.closeAfterwards) Close();
}

}  // namespace vt
