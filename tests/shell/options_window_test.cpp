#include "shell/options_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "core/globals.h"
#include "core/startup_rules.h"
#include "platform/environment.h"
#include "platform/language_files.h"
#include "platform/text_codec.h"
#include "platform/win_registry.h"
#include "shell/password_window.h"
#include "support/test_support.h"
#include "texts/options_texts.h"

namespace vt::testing {

namespace {

const std::wstring kPasswordKey = L"SOFTWARE\\Microsoft\\Multimedia";
const std::wstring kPasswordValue = L"Hxrqyyrrgvi9_8761";
const std::wstring kOptionsKey = ProductRegKey + L"\\Options";
const std::wstring kMaskKey = kOptionsKey + L"\\DC\\Mask";

void ClearOptionsSettings() {
  Reg().RemoveValue(HKLM, ProductRegKey, L"ForceLanguageID");
  Reg().RemoveValue(HKLM, ProductRegKey, L"UseSkin");
  Reg().RemoveKey(HKLM, kOptionsKey);
  Reg().RemoveValue(HKLM, kPasswordKey, kPasswordValue);
}

std::optional<std::wstring> StoredText(const std::wstring& key, const std::wstring& name) {
  if (!Reg().ValueExists(HKLM, key, name)) return std::nullopt;
  return Reg().ReadStringValue(HKLM, key, name);
}

std::wstring German(std::wstring_view key) {
  return std::wstring(kOptionsTexts.German(key));
}

// The program's state after a start with German texts built in, skins "default"
// and "Ocean", languages 7 and 9, German active; settings cleared around each test.
class Options : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearOptionsSettings();
    CreateDirectoryW((app_ / L"Skins").c_str(), nullptr);
    CreateDirectoryW((app_ / L"Skins\\default").c_str(), nullptr);
    CreateDirectoryW((app_ / L"Skins\\Ocean").c_str(), nullptr);
    AppDir = app_.Path();
    LanguageList = {L"7", L"9"};
    LanguageId = 7;
    SkinList = {L"default", L"Ocean"};
    SkinDir = AppDir + L"\\Skins\\default";
    LanguageFile = LanguageText();
    LanguageFilePath.clear();
  }
  void TearDown() override {
    ClearOptionsSettings();
    AppDir = saved_.appDir;
    LanguageList = saved_.languageList;
    LanguageId = saved_.languageId;
    SkinList = saved_.skinList;
    SkinDir = saved_.skinDir;
    LanguageFile = saved_.languageFile;
    LanguageFilePath = saved_.languageFilePath;
  }

  // Opens the window modally and runs `act` inside its loop; returns whether the
  // window closed by itself (otherwise it is closed like the close box afterwards).
  bool Run(const std::function<void(OptionsWindow&)>& act) {
    OptionsWindow window;
    bool closed = false;
    window.onClose = [&] { closed = true; };
    window.onShown = [&] {
      OptionsWindow& w = window;
      act(w);
      if (!closed) {
        w.onClose = nullptr;
        w.Close();
      }
    };
    window.ShowModal();
    return closed;
  }

  RecordingDialogs dialogs_;

 private:
  struct Saved {
    std::wstring appDir = AppDir;
    std::vector<std::wstring> languageList = LanguageList;
    int languageId = LanguageId;
    std::vector<std::wstring> skinList = SkinList;
    std::wstring skinDir = SkinDir;
    LanguageText languageFile = LanguageFile;
    std::wstring languageFilePath = LanguageFilePath;
  } saved_;
  ScratchFolder app_{L"vt-options"};
};

std::vector<std::wstring> Items(const ui::ComboBox& box) {
  std::vector<std::wstring> items;
  for (int i = 0; i < box.Count(); ++i) items.push_back(box.Item(i));
  return items;
}

}  // namespace

TEST_F(Options, OpensWithTheCurrentChoices) {
  // "0" and "x" are no language numbers; "07" names German again, and the last
  // equal name is the one selected.
  LanguageList = {L"7", L"0", L"x", L"9", L"07"};
  SkinDir = AppDir + L"\\Skins\\OCEAN";
  Run([](OptionsWindow& w) {
    wchar_t caption[128] = {};
    GetWindowTextW(w.Handle(), caption, 128);
    EXPECT_STREQ(caption, L"Einstellungen zur Software");
    const LONG style = GetWindowLongW(w.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongW(w.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(w.PageControl1.ActivePageIndex(), 0);
    EXPECT_EQ(w.PageControl1.Page(0).Caption(), L"Sprache und Skin");

    const std::wstring german = LanguageDisplayName(7), english = LanguageDisplayName(9);
    EXPECT_EQ(Items(w.ComboBox_Languages), (std::vector<std::wstring>{german, english, german}));
    EXPECT_EQ(w.ComboBox_Languages.ItemIndex(), 2);
    EXPECT_EQ(Items(w.ComboBox_Skins), (std::vector<std::wstring>{L"default", L"Ocean"}));
    EXPECT_EQ(w.ComboBox_Skins.SelectedText(), L"Ocean") << "letter case of the skin folder does not matter";
    EXPECT_FALSE(w.Button_PassDelete.Enabled()) << "no password stored";
    EXPECT_FALSE(w.CheckBox_NewsChannel.Visible());
  });
  EXPECT_TRUE(dialogs_.requests.empty());
}

TEST_F(Options, CheckBoxesKeepTheirDesignUnlessZeroOrOneIsStored) {
  struct Case {
    std::optional<int> stored;
    bool checked;
  };
  const Case cases[] = {{std::nullopt, true}, {0, false}, {1, true}, {2, true}, {-1, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored.value_or(999));
    Reg().RemoveKey(HKLM, kOptionsKey);
    if (c.stored) {
      Reg().WriteIntegerValue(HKLM, kOptionsKey, L"HideEmptyCategories", *c.stored);
      Reg().WriteIntegerValue(HKLM, kOptionsKey, L"OpenMaximized", *c.stored);
    }
    Run([&](OptionsWindow& w) {
      EXPECT_EQ(w.CheckBox_HideEmpty.Checked(), c.checked);
      EXPECT_EQ(w.CheckBox_OpenMaximized.Checked(), c.checked);
    });
  }
}

TEST_F(Options, OkStoresTheChoicesAndAsksForARestartOnlyAfterAChange) {
  struct Case {
    const char* what;
    std::function<void()> prepare;
    std::function<void(OptionsWindow&)> act;
    std::optional<std::wstring> language, skin;
    bool restart;
  };
  const Case cases[] = {
      {"no change: both written all the same", [] {}, [](OptionsWindow&) {}, L"7", L"default", false},
      {"another skin", [] {}, [](OptionsWindow& w) { w.ComboBox_Skins.SetItemIndex(1); }, L"7", L"Ocean", true},
      {"another language", [] {}, [](OptionsWindow& w) { w.ComboBox_Languages.SetItemIndex(1); }, L"9", L"default",
       true},
      {"an equal language name stores its own number",
       [] {
         LanguageList = {L"07", L"9"};
       },
       [](OptionsWindow&) {}, L"7", L"default", false},
      {"active language not listed: the language setting stays",
       [] {
         LanguageId = 12;
         Reg().WriteStringValue(HKLM, ProductRegKey, L"ForceLanguageID", L"9");
       },
       [](OptionsWindow& w) { EXPECT_EQ(w.ComboBox_Languages.ItemIndex(), -1); }, L"9", L"default", false},
      {"active skin not listed: an empty skin name", [] { SkinDir = AppDir + L"\\Skins\\Gone"; }, [](OptionsWindow&) {},
       L"7", L"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    Reg().CreateKeyPath(HKLM, kMaskKey + L"\\Files");
    c.prepare();
    dialogs_.requests.clear();
    const bool closed = Run([&](OptionsWindow& w) {
      c.act(w);
      w.CheckBox_OpenMaximized.SetChecked(false);
      w.Button_Ok.Click();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(StoredText(ProductRegKey, L"ForceLanguageID"), c.language);
    EXPECT_EQ(StoredText(ProductRegKey, L"UseSkin"), c.skin);
    EXPECT_EQ(Reg().ValueDataType(HKLM, kOptionsKey, L"HideEmptyCategories"), kValueInteger);
    EXPECT_EQ(Reg().ReadIntegerValue(HKLM, kOptionsKey, L"HideEmptyCategories"), 1);
    EXPECT_TRUE(Reg().ValueExists(HKLM, kOptionsKey, L"OpenMaximized"));
    EXPECT_EQ(Reg().ReadIntegerValue(HKLM, kOptionsKey, L"OpenMaximized"), 0);
    EXPECT_EQ(Reg().KeyExists(HKLM, kMaskKey), !c.restart) << "the drive cleaner's masks go with a change";
    if (c.restart) {
      ASSERT_EQ(dialogs_.requests.size(), 1u);
      const auto& message = dialogs_.requests[0];
      EXPECT_EQ(message.text, German(L"MESSAGE_PleaseRestart"));
      EXPECT_EQ(message.icon, MessageIcon::Information);
      EXPECT_EQ(message.caption, ProductTitle);
      EXPECT_NE(message.owner, nullptr);
    } else {
      EXPECT_TRUE(dialogs_.requests.empty());
    }
    TearDown();
  }
}

TEST_F(Options, ClosingWithoutOkStoresNothing) {
  const std::function<void(OptionsWindow&)> closers[] = {
      [](OptionsWindow& w) { SendMessageW(w.Handle(), WM_CLOSE, 0, 0); },
      [](OptionsWindow& w) { SendMessageW(w.Handle(), WM_COMMAND, IDCANCEL, 0); },  // Escape
  };
  for (const auto& closer : closers) {
    const bool closed = Run([&](OptionsWindow& w) {
      w.ComboBox_Skins.SetItemIndex(1);
      w.CheckBox_HideEmpty.SetChecked(false);
      closer(w);
    });
    EXPECT_TRUE(closed);
    EXPECT_FALSE(Reg().ValueExists(HKLM, ProductRegKey, L"ForceLanguageID"));
    EXPECT_FALSE(Reg().ValueExists(HKLM, ProductRegKey, L"UseSkin"));
    EXPECT_FALSE(Reg().KeyExists(HKLM, kOptionsKey));
  }
  EXPECT_TRUE(dialogs_.requests.empty());
}

TEST_F(Options, PasswordSetHereOpensTheStartUpPromptInAnyLetterCase) {
  std::vector<std::pair<std::wstring, MessageIcon>> expected;
  auto expectMessage = [&](std::wstring_view key, MessageIcon icon) { expected.emplace_back(German(key), icon); };
  Run([&](OptionsWindow& w) {
    auto typeBoth = [&](const std::wstring& first, const std::wstring& second) {
      w.LabeledEdit_Pass1.SetText(L"");
      w.LabeledEdit_Pass2.SetText(L"");
      w.LabeledEdit_Pass1.Type(first);
      w.LabeledEdit_Pass2.Type(second);
      w.Button_PassSet.Click();
    };
    typeBoth(L"abcde", L"abcde");
    expectMessage(L"Message_PasswordLength", MessageIcon::Warning);
    typeBoth(L"geheim", L"geheix");
    expectMessage(L"Message_PasswordBoth", MessageIcon::Warning);
    EXPECT_FALSE(Reg().ValueExists(HKLM, kPasswordKey, kPasswordValue));
    EXPECT_FALSE(w.Button_PassDelete.Enabled());

    typeBoth(L"geheim", L"GeHeIm");
    expectMessage(L"Message_PasswordSet", MessageIcon::Information);
    EXPECT_EQ(w.LabeledEdit_Pass1.Text(), L"GEHEIM") << "the fields keep their (upper-cased) text";
    EXPECT_EQ(w.LabeledEdit_Pass2.Text(), L"GEHEIM");
    EXPECT_TRUE(w.Button_PassDelete.Enabled());
  });
  std::vector<std::pair<std::wstring, MessageIcon>> shown;
  for (const auto& request : dialogs_.requests) {
    shown.emplace_back(request.text, request.icon);
    EXPECT_EQ(request.caption, ProductTitle);
  }
  EXPECT_EQ(shown, expected);

  const std::wstring stored = Reg().ReadStringValue(HKLM, kPasswordKey, kPasswordValue);
  EXPECT_EQ(stored, AnsiToWide(PasswordScramble("GEHEIM")));
  PasswordWindow prompt(stored);
  prompt.onShownWindow = [](PasswordWindow& p) {
    for (wchar_t ch : std::wstring(L"geheim")) SendMessageW(p.Edit(), WM_CHAR, ch, 0);
    p.ClickOk();
  };
  EXPECT_TRUE(prompt.ShowModal());
}

TEST_F(Options, PasswordIsRemovedOnlyWithTheRightText) {
  const std::wstring stored = AnsiToWide(PasswordScramble("GEHEIM"));
  Reg().WriteStringValue(HKLM, kPasswordKey, kPasswordValue, stored);
  Run([&](OptionsWindow& w) {
    EXPECT_TRUE(w.Button_PassDelete.Enabled()) << "a password is stored";
    for (const wchar_t* wrong : {L"", L"geheimx", L"gehei"}) {
      w.LabeledEdit_Pass1.SetText(L"");
      w.LabeledEdit_Pass1.Type(wrong);
      w.Button_PassDelete.Click();
      EXPECT_EQ(Reg().ReadStringValue(HKLM, kPasswordKey, kPasswordValue), stored) << WideToAnsi(wrong);
    }
    ASSERT_EQ(dialogs_.requests.size(), 3u);
    for (const auto& request : dialogs_.requests) {
      EXPECT_EQ(request.text, German(L"Message_PasswordWrong"));
      EXPECT_EQ(request.icon, MessageIcon::Warning);
    }
    dialogs_.requests.clear();

    w.LabeledEdit_Pass1.SetText(L"");
    w.LabeledEdit_Pass1.Type(L"geheim");
    w.LabeledEdit_Pass2.Type(L"anything");
    w.Button_PassDelete.Click();
    EXPECT_FALSE(Reg().ValueExists(HKLM, kPasswordKey, kPasswordValue));
    ASSERT_EQ(dialogs_.requests.size(), 1u);
    EXPECT_EQ(dialogs_.requests[0].text, German(L"Message_PasswordRemoved"));
    EXPECT_EQ(dialogs_.requests[0].icon, MessageIcon::Information);
    EXPECT_EQ(w.LabeledEdit_Pass1.Text(), L"");
    EXPECT_EQ(w.LabeledEdit_Pass2.Text(), L"");
    EXPECT_FALSE(w.Button_PassDelete.Enabled());
    w.Button_PassDelete.Click();  // disabled: nothing happens
    EXPECT_EQ(dialogs_.requests.size(), 1u);
  });
  EXPECT_TRUE(PassStartupPassword()) << "no prompt any more";
}

TEST_F(Options, ResetRemovesEverySettingButThePasswordAfterAYes) {
  for (const bool yes : {false, true}) {
    SCOPED_TRACE(yes ? "Yes" : "No");
    const std::wstring password = AnsiToWide(PasswordScramble("GEHEIM"));
    Reg().WriteStringValue(HKLM, ProductRegKey, L"ForceLanguageID", L"9");
    Reg().WriteStringValue(HKLM, ProductRegKey, L"UseSkin", L"Ocean");
    Reg().WriteIntegerValue(HKLM, kOptionsKey, L"HideEmptyCategories", 1);
    Reg().CreateKeyPath(HKLM, kMaskKey + L"\\Files");
    Reg().WriteStringValue(HKLM, kPasswordKey, kPasswordValue, password);
    dialogs_.requests.clear();
    dialogs_.answerYes = yes;
    const bool closed = Run([](OptionsWindow& w) {
      w.CheckBox_HideEmpty.SetChecked(false);
      w.PageControl1.SetActivePageIndex(3);
      w.Button_Reset.Click();
    });
    EXPECT_EQ(closed, yes);
    EXPECT_EQ(StoredText(ProductRegKey, L"ForceLanguageID"), yes ? std::nullopt : std::optional<std::wstring>(L"9"));
    EXPECT_EQ(StoredText(ProductRegKey, L"UseSkin"), yes ? std::nullopt : std::optional<std::wstring>(L"Ocean"));
    EXPECT_EQ(Reg().KeyExists(HKLM, kOptionsKey), !yes) << "the check boxes are not saved after a reset";
    EXPECT_EQ(Reg().KeyExists(HKLM, kMaskKey), !yes);
    if (!yes) {
      EXPECT_EQ(Reg().ReadIntegerValue(HKLM, kOptionsKey, L"HideEmptyCategories"), 1);
    }
    EXPECT_EQ(Reg().ReadStringValue(HKLM, kPasswordKey, kPasswordValue), password);

    ASSERT_EQ(dialogs_.requests.size(), yes ? 2u : 1u);
    EXPECT_EQ(dialogs_.requests[0].text, German(L"MESSAGE_SureToReset"));
    EXPECT_EQ(dialogs_.requests[0].icon, MessageIcon::Question);
    EXPECT_EQ(dialogs_.requests[0].buttons, MessageButtons::YesNo);
    if (yes) {
      EXPECT_EQ(dialogs_.requests[1].text, German(L"MESSAGE_ResetDone"));
      EXPECT_EQ(dialogs_.requests[1].icon, MessageIcon::Information);
    }
    ClearOptionsSettings();
  }
}

TEST_F(Options, HelpAndNewsChannelsReachTheirServices) {
  // The scratch program folder has neither help files nor the news library, so
  // both answer with their fixed messages.
  Run([](OptionsWindow& w) {
    w.Button_Help.Click();
    SendMessageW(w.Handle(), WM_HELP, 0, 0);  // F1
    w.Button_Config_Channels.Click();
  });
  ASSERT_EQ(dialogs_.requests.size(), 3u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(dialogs_.requests[i].caption, L"CHM Error");
    EXPECT_NE(dialogs_.requests[i].text.find(L"\\Translation\\9.chm"), std::wstring::npos);
  }
  EXPECT_EQ(dialogs_.requests[2].text, L"NewsChannels : pObject is NIL!!!");
}

TEST_F(Options, EveryCaptionAndMessageFollowsTheLanguageFile) {
  auto english = ReadLanguageFile(DistFolder() + L"\\Translation\\9.ini");
  ASSERT_TRUE(english);
  LanguageFile = *english;
  LanguageFilePath = DistFolder() + L"\\Translation\\9.ini";
  Run([&](OptionsWindow& w) {
    for (const auto& entry : kOptionsTexts.entries) {
      const std::wstring key(entry.key);
      if (key.starts_with(L"MESSAGE_") || key.starts_with(L"Message_")) continue;
      SCOPED_TRACE(WideToAnsi(key));
      const std::wstring wanted = english->Translate(kOptionsTexts.name, key, L"");
      ASSERT_FALSE(wanted.empty());
      if (key == w.Name()) {
        EXPECT_EQ(w.Caption(), wanted);
        continue;
      }
      ui::Component* component = w.FindComponent(key);
      ASSERT_NE(component, nullptr);
      EXPECT_EQ(component->CaptionTarget()->Caption(), wanted);
    }
    w.LabeledEdit_Pass1.Type(L"abc");
    w.Button_PassSet.Click();
  });
  ASSERT_EQ(dialogs_.requests.size(), 1u);
  EXPECT_EQ(dialogs_.requests[0].text, L"The password must be at least 6 characters long!");
}

TEST_F(Options, PageListSwitchesPages) {
  const std::wstring screens = ScreensFolder();
  const wchar_t* shots[] = {L"options_1_language.png", L"options_2_results.png", L"options_3_password.png",
                            L"options_4_other.png"};
  Reg().WriteStringValue(HKLM, kPasswordKey, kPasswordValue, AnsiToWide(PasswordScramble("GEHEIM")));
  Run([&](OptionsWindow& w) {
    for (int i = 3; i >= 0; --i) {
      // A real click on the entry, through the list's own mouse handling.
      ui::GraphicControl& entry = w.PageSwitch(i);
      const LPARAM at = MAKELPARAM(entry.Left() + 20, entry.Top() + entry.Height() / 2);
      HWND list = entry.Parent()->Handle();
      SendMessageW(list, WM_MOUSEMOVE, 0, at);
      SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
      SendMessageW(list, WM_LBUTTONUP, 0, at);
      EXPECT_EQ(w.PageControl1.ActivePageIndex(), i);
      for (int page = 0; page < 4; ++page) EXPECT_EQ(w.PageControl1.Page(page).Visible(), page == i);
    }
    if (screens.empty()) return;
    w.LabeledEdit_Pass1.Type(L"geheim");
    for (int i = 0; i < 4; ++i) {
      w.PageControl1.SetActivePageIndex(i);
      SendMessageW(w.PageSwitch(i).Parent()->Handle(), WM_MOUSELEAVE, 0, 0);
      RedrawWindow(w.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      EXPECT_TRUE(SaveWindowShot(w.Handle(), screens + L"\\" + shots[i]));
    }
  });
}

}  // namespace vt::testing
