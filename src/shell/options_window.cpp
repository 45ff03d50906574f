#include "shell/options_window.h"

#include <gdiplus.h>
#include <objidl.h>

#include "core/globals.h"
#include "core/startup_rules.h"
#include "core/text.h"
#include "platform/environment.h"
#include "platform/help.h"
#include "platform/news_channels.h"
#include "platform/text_codec.h"
#include "platform/win_registry.h"
#include "ui/page_list.h"
#include "texts/options_texts.h"

namespace vt {

namespace {

const std::wstring kPasswordKey = L"SOFTWARE\\Microsoft\\Multimedia";
const std::wstring kPasswordValue = L"Hxrqyyrrgvi9_8761";
const std::wstring kOptionsKey = ProductRegKey + L"\\Options";

// Layout of the client area: page list on the left, the page on the right, the
// window buttons under a separating line.
constexpr int kClientWidth = 620;
constexpr int kClientHeight = 420;
constexpr RECT kListArea{12, 12, 180, 364};
constexpr RECT kPageArea{192, 12, 608, 364};
constexpr int kSeparatorY = 376;
constexpr int kButtonTop = 386;
constexpr int kPageWidth = kPageArea.right - kPageArea.left;
constexpr int kTextWidth = kPageWidth - 32;
constexpr int kSwitchHeight = 34;

constexpr COLORREF kInfoColor = RGB(0x44, 0x44, 0x44);

std::wstring German(std::wstring_view key) {
  return std::wstring(kOptionsTexts.German(key));
}


}  // namespace

OptionsWindow::OptionsWindow()
    : ui::Form(L"Form_ZELK2_Options", kClientWidth, kClientHeight, ui::FormBorder::Single),
      PageControl1(Make<ui::PageControl>(this, L"PageControl1", kPageArea)),
      TabSheet_Language(PageControl1.AddPage(*this, L"TabSheet_Language", German(L"TabSheet_Language"))),
      TabSheet_Results(PageControl1.AddPage(*this, L"TabSheet_Results", German(L"TabSheet_Results"))),
      TabSheet_Password(PageControl1.AddPage(*this, L"TabSheet_Password", German(L"TabSheet_Password"))),
      TabSheet_Other(PageControl1.AddPage(*this, L"TabSheet_Other", German(L"TabSheet_Other"))),
      ComboBox_Languages(Make<ui::ComboBox>(&TabSheet_Language, L"ComboBox_Languages", RECT{16, 148, 276, 0})),
      ComboBox_Skins(Make<ui::ComboBox>(&TabSheet_Language, L"ComboBox_Skins", RECT{16, 206, 276, 0})),
      CheckBox_HideEmpty(Make<ui::CheckBox>(&TabSheet_Results, L"CheckBox_HideEmpty", German(L"CheckBox_HideEmpty"),
                                            RECT{16, 104, 16 + kTextWidth, 124}, true)),
      CheckBox_OpenMaximized(Make<ui::CheckBox>(&TabSheet_Results, L"CheckBox_OpenMaximized",
                                                German(L"CheckBox_OpenMaximized"), RECT{16, 132, 16 + kTextWidth, 152},
                                                true)),
      LabeledEdit_Pass1(Make<ui::LabeledEdit>(&TabSheet_Password, L"LabeledEdit_Pass1", German(L"LabeledEdit_Pass1"),
                                              RECT{16, 160, 256, 182}, ui::EditStyle{true, true})),
      LabeledEdit_Pass2(Make<ui::LabeledEdit>(&TabSheet_Password, L"LabeledEdit_Pass2", German(L"LabeledEdit_Pass2"),
                                              RECT{16, 212, 256, 234}, ui::EditStyle{true, true})),
      Button_PassSet(
          Make<ui::Button>(&TabSheet_Password, L"Button_PassSet", German(L"Button_PassSet"), RECT{16, 250, 128, 275})),
      Button_PassDelete(Make<ui::Button>(&TabSheet_Password, L"Button_PassDelete", German(L"Button_PassDelete"),
                                         RECT{136, 250, 248, 275})),
      GroupBox_Reset(Make<ui::GroupBox>(&TabSheet_Other, L"GroupBox_Reset", German(L"GroupBox_Reset"),
                                        RECT{16, 104, 16 + kTextWidth, 200})),
      Button_Reset(Make<ui::Button>(&GroupBox_Reset, L"Button_Reset", German(L"Button_Reset"), RECT{12, 58, 132, 83})),
      GroupBox_NewsChannel(Make<ui::GroupBox>(&TabSheet_Other, L"GroupBox_NewsChannel", German(L"GroupBox_NewsChannel"),
                                              RECT{16, 214, 16 + kTextWidth, 310})),
      Button_Config_Channels(Make<ui::Button>(&GroupBox_NewsChannel, L"Button_Config_Channels",
                                              German(L"Button_Config_Channels"), RECT{12, 58, 132, 83})),
      CheckBox_NewsChannel(Make<ui::CheckBox>(&GroupBox_NewsChannel, L"CheckBox_NewsChannel",
                                              German(L"CheckBox_NewsChannel"), RECT{148, 61, 360, 81})),
      Button_Help(Make<ui::Button>(this, L"Button_Help", German(L"Button_Help"),
                                   RECT{kListArea.left, kButtonTop, kListArea.left + 92, kButtonTop + 25})),
      Button_Ok(Make<ui::Button>(this, L"Button_Ok", German(L"Button_Ok"),
                                 RECT{kPageArea.right - 92, kButtonTop, kPageArea.right, kButtonTop + 25})) {
  BuildLayout();
  FormCreate();
}

OptionsWindow::~OptionsWindow() = default;

void OptionsWindow::BuildLayout() {
  SetCaption(German(L"Form_ZELK2_Options"));
  SetStayOnTop(true);
  tag = 1;

  // The page list: the page control shows no tabs of its own.
  auto& list =
      Make<ui::Panel>(this, L"Panel_Pages", RECT{kListArea.left, kListArea.top, kListArea.right, kListArea.bottom});
  list.SetBackgroundColor(RGB(0xFF, 0xFF, 0xFF));
  for (int i = 0; i < PageControl1.PageCount(); ++i) {
    const int top = 8 + i * (kSwitchHeight + 2);
    auto& entry = Make<ui::PageSwitchEntry>(&list, L"PageSwitch_" + std::to_wstring(i + 1), PageControl1, i,
                                        RECT{1, top, kListArea.right - kListArea.left - 1, top + kSwitchHeight});
    entry.onClick = [this, i] { ShowPage(i); };
    pageSwitches_.push_back(&entry);
  }
  PageControl1.onChange = [this] {
    for (auto* entry : pageSwitches_) entry->Invalidate();
  };

  // Every page: its caption as a title, a line, and what the page is for.
  const wchar_t* infoNames[] = {L"Label_Info_Language", L"Label_Info_Results", L"Label_Info_Password",
                                L"Label_Info_Other"};
  const int infoHeights[] = {48, 36, 80, 36};
  for (int i = 0; i < PageControl1.PageCount(); ++i) {
    ui::TabSheet& page = PageControl1.Page(i);
    Make<ui::PageTitle>(&page, L"Label_Title_" + std::to_wstring(i + 1), page, RECT{16, 14, 16 + kTextWidth, 43});
    auto& info =
        Make<ui::Label>(&page, infoNames[i], German(infoNames[i]), RECT{16, 52, 16 + kTextWidth, 52 + infoHeights[i]});
    info.font.color = kInfoColor;
    info.tag = 1;
  }

  auto& languageLabel =
      Make<ui::Label>(&TabSheet_Language, L"Label_Language", German(L"Label_Language"), RECT{16, 130, 276, 146});
  auto& skinLabel = Make<ui::Label>(&TabSheet_Language, L"Label_Skin", German(L"Label_Skin"), RECT{16, 188, 276, 204});
  auto& resetText =
      Make<ui::Label>(&GroupBox_Reset, L"Label_Reset", German(L"Label_Reset"), RECT{12, 22, kTextWidth - 12, 54});
  auto& newsText = Make<ui::Label>(&GroupBox_NewsChannel, L"Label_NewsChannel", German(L"Label_NewsChannel"),
                                   RECT{12, 22, kTextWidth - 12, 54});
  for (ui::Label* label : {&languageLabel, &skinLabel, &resetText, &newsText}) label->tag = 1;
  GroupBox_Reset.SetBackgroundColor(RGB(0xFF, 0xFF, 0xFF));
  GroupBox_NewsChannel.SetBackgroundColor(RGB(0xFF, 0xFF, 0xFF));
  CheckBox_NewsChannel.Hide();

  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &TabSheet_Language, &TabSheet_Results, &TabSheet_Password, &TabSheet_Other, &CheckBox_HideEmpty,
           &CheckBox_OpenMaximized, &LabeledEdit_Pass1, &LabeledEdit_Pass2, &Button_PassSet, &Button_PassDelete,
           &GroupBox_Reset, &Button_Reset, &GroupBox_NewsChannel, &Button_Config_Channels, &CheckBox_NewsChannel,
           &Button_Ok, &Button_Help})
    control->tag = 1;

  Button_Ok.SetDefault(true);
  Button_Ok.onClick = [this] { Button_OkClick(); };
  Button_Help.onClick = [this] { Button_HelpClick(); };
  onHelp = [this] { Button_HelpClick(); };
  Button_Reset.onClick = [this] { Button_ResetClick(); };
  Button_PassSet.onClick = [this] { Button_PassSetClick(); };
  Button_PassDelete.onClick = [this] { Button_PassDeleteClick(); };
  Button_Config_Channels.onClick = [this] { Button_Config_ChannelsClick(); };
}

void OptionsWindow::FormCreate() {
  Button_LoadTranslation.Click();
  ShowPage(0);

  bool hideEmpty = CheckBox_HideEmpty.Checked();
  bool openMaximized = CheckBox_OpenMaximized.Checked();
  Reg().LoadCheckBox(HKLM, kOptionsKey, L"HideEmptyCategories", hideEmpty);
  Reg().LoadCheckBox(HKLM, kOptionsKey, L"OpenMaximized", openMaximized);
  CheckBox_HideEmpty.SetChecked(hideEmpty);
  CheckBox_OpenMaximized.SetChecked(openMaximized);

  ComboBox_Languages.Clear();
  languageNumbers_.clear();
  for (const auto& entry : LanguageList) {
    const auto number = ParseInt32(entry);
    if (!number || *number <= 0) continue;
    ComboBox_Languages.Add(LanguageDisplayName(*number));
    languageNumbers_.push_back(*number);
  }
  const std::wstring activeLanguage = LanguageDisplayName(LanguageId);
  for (int i = 0; i < ComboBox_Languages.Count(); ++i)
    if (ComboBox_Languages.Item(i) == activeLanguage) ComboBox_Languages.SetItemIndex(i);  // the last one wins

  ComboBox_Skins.Clear();
  for (const auto& skin : SkinList) ComboBox_Skins.Add(skin);
  const std::wstring activeSkin = TextAfterLast(SkinDir, L'\\');
  for (int i = 0; i < ComboBox_Skins.Count(); ++i) {
    if (EqualsNoCase(ComboBox_Skins.Item(i), activeSkin)) {
      ComboBox_Skins.SetItemIndex(i);
      break;
    }
  }

  openedLanguageIndex_ = ComboBox_Languages.ItemIndex();
  openedSkinIndex_ = ComboBox_Skins.ItemIndex();
  Button_PassDelete.SetEnabled(!Reg().ReadStringValue(HKLM, kPasswordKey, kPasswordValue).empty());
}

void OptionsWindow::LoadTranslation() {
  ui::Form::LoadTranslation();
  // The page list repeats the pages' captions.
  for (auto* entry : pageSwitches_) entry->Invalidate();
}

void OptionsWindow::ShowPage(int index) {
  PageControl1.SetActivePageIndex(index);
}


void OptionsWindow::PaintContent(HDC dc) { ui::PaintSettingsFrame(dc, kListArea, kPageArea, kSeparatorY); }

void OptionsWindow::Tell(std::wstring_view key, MessageIcon icon) const {
  Dialogs().ShowMessage({Handle(), kOptionsTexts.Text(key), ProductTitle, icon, MessageButtons::Ok});
}

void OptionsWindow::Button_OkClick() {
  Reg().SaveCheckBox(HKLM, kOptionsKey, L"HideEmptyCategories", CheckBox_HideEmpty.Checked());
  Reg().SaveCheckBox(HKLM, kOptionsKey, L"OpenMaximized", CheckBox_OpenMaximized.Checked());

  // Written even when unchanged: from now on the language no longer follows the
  // system's. Without a selection there is no number to store, so the setting stays.
  const int language = ComboBox_Languages.ItemIndex();
  if (language >= 0 && language < static_cast<int>(languageNumbers_.size())) {
    Reg().RemoveValue(HKLM, ProductRegKey, L"ForceLanguageID");
    Reg().WriteStringValue(HKLM, ProductRegKey, L"ForceLanguageID", std::to_wstring(languageNumbers_[language]));
  }
  Reg().RemoveValue(HKLM, ProductRegKey, L"UseSkin");
  Reg().WriteStringValue(HKLM, ProductRegKey, L"UseSkin", ComboBox_Skins.SelectedText());

  if (language != openedLanguageIndex_ || ComboBox_Skins.ItemIndex() != openedSkinIndex_) {
    // The drive cleaner's stored masks are in the old language and skin.
    Reg().RemoveKey(HKLM, kOptionsKey + L"\\DC\\Mask");
    Tell(L"MESSAGE_PleaseRestart", MessageIcon::Information);
  }
  modalResult = IDOK;
  Close();
}

void OptionsWindow::Button_HelpClick() {
  OpenHelpTopic(L"OPTIONS");
}

void OptionsWindow::Button_ResetClick() {
  if (!Dialogs().ShowMessage({Handle(), kOptionsTexts.Text(L"MESSAGE_SureToReset"), ProductTitle, MessageIcon::Question,
                              MessageButtons::YesNo}))
    return;
  Reg().RemoveValue(HKLM, ProductRegKey, L"ForceLanguageID");
  Reg().RemoveValue(HKLM, ProductRegKey, L"UseSkin");
  Reg().RemoveKey(HKLM, kOptionsKey);  // every module's settings
  Tell(L"MESSAGE_ResetDone", MessageIcon::Information);
  Close();  // without saving the check boxes: they would bring the key back
}

void OptionsWindow::Button_PassSetClick() {
  const std::wstring password = LabeledEdit_Pass1.Text();
  if (password.size() < kMinimumPasswordLength) {
    Tell(L"Message_PasswordLength", MessageIcon::Warning);
    return;
  }
  if (password != LabeledEdit_Pass2.Text()) {
    Tell(L"Message_PasswordBoth", MessageIcon::Warning);
    return;
  }
  // The edits upper-case what is typed, so the start-up prompt (which does the
  // same) accepts the password in any letter case.
  Reg().WriteStringValue(HKLM, kPasswordKey, kPasswordValue, AnsiToWide(PasswordScramble(WideToAnsi(password))));
  Button_PassDelete.SetEnabled(true);
  Tell(L"Message_PasswordSet", MessageIcon::Information);
}

void OptionsWindow::Button_PassDeleteClick() {
  const std::string stored = WideToAnsi(Reg().ReadStringValue(HKLM, kPasswordKey, kPasswordValue));
  if (stored.empty() || PasswordScramble(WideToAnsi(LabeledEdit_Pass1.Text())) != stored) {
    Tell(L"Message_PasswordWrong", MessageIcon::Warning);
    return;
  }
  Reg().RemoveValue(HKLM, kPasswordKey, kPasswordValue);
  Tell(L"Message_PasswordRemoved", MessageIcon::Information);
  LabeledEdit_Pass1.SetText(L"");
  LabeledEdit_Pass2.SetText(L"");
  Button_PassDelete.SetEnabled(false);
}

void OptionsWindow::Button_Config_ChannelsClick() {
  ConfigureNewsChannels(Handle());
}

void ShowOptionsWindow() {
  OptionsWindow window;
  window.ShowModal();
}

}  // namespace vt
