#include <gtest/gtest.h>

#include <functional>

#include "core/globals.h"
#include "core/startup_rules.h"
#include "platform/text_codec.h"
#include "platform/win_registry.h"
#include "shell/password_window.h"
#include "support/test_support.h"

namespace vt::testing {

namespace {

void Type(HWND edit, const std::wstring& text) {
  SetWindowTextW(edit, L"");
  for (wchar_t ch : text) SendMessageW(edit, WM_CHAR, ch, 0);
}

}  // namespace

TEST(PasswordWindow, AcceptsOnlyTheStoredPassword) {
  const std::wstring stored = AnsiToWide(PasswordScramble("GEHEIM"));
  LanguageFile = LanguageText();  // German built-in texts
  struct Case {
    const char* what;
    std::function<void(PasswordWindow&)> act;
    bool result;
    std::vector<std::wstring> messages;
  };
  const std::wstring tooShort = L"Das Passwort muss mindestens 6 Zeichen lang sein!";
  const std::wstring wrong = L"Das eingegebene Passwort ist falsch! Bitte korrektes Passwort eingeben.";
  const Case cases[] = {
      {"typed letters are upper-cased and accepted",
       [](PasswordWindow& w) {
         Type(w.Edit(), L"geheim");
         EXPECT_EQ(WindowText(w.Edit()), L"GEHEIM");
         w.ClickOk();
       },
       true,
       {}},
      {"too short, then wrong, then right: the window stays until right",
       [](PasswordWindow& w) {
         Type(w.Edit(), L"GEHEI");
         w.ClickOk();
         Type(w.Edit(), L"GEHEIMX");
         w.ClickOk();
         EXPECT_TRUE(IsWindowVisible(w.Handle()));
         Type(w.Edit(), L"GEHEIM");
         w.ClickOk();
       },
       true,
       {tooShort, wrong}},
      {"abort", [](PasswordWindow& w) { w.ClickAbort(); }, false, {}},
      {"closing the window", [](PasswordWindow& w) { SendMessageW(w.Handle(), WM_CLOSE, 0, 0); }, false, {}},
      {"Escape", [](PasswordWindow& w) { PostMessageW(w.Edit(), WM_KEYDOWN, VK_ESCAPE, 0); }, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingDialogs dialogs;
    PasswordWindow window(stored);
    EXPECT_EQ(WindowText(window.Handle()), L"Passwort eingeben");
    EXPECT_TRUE(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    window.onShownWindow = c.act;
    EXPECT_EQ(window.ShowModal(), c.result);
    std::vector<std::wstring> texts;
    for (const auto& request : dialogs.requests) {
      texts.push_back(request.text);
      EXPECT_EQ(request.owner, window.Handle());
      EXPECT_EQ(request.icon, MessageIcon::Warning);
      EXPECT_EQ(request.caption, ProductTitle);
    }
    EXPECT_EQ(texts, c.messages);
  }
}

TEST(PasswordWindow, NoStoredPasswordMeansNoWindow) {
  Reg().RemoveValue(HKLM, L"SOFTWARE\\Microsoft\\Multimedia", L"Hxrqyyrrgvi9_8761");
  EXPECT_TRUE(PassStartupPassword());
  Reg().WriteStringValue(HKLM, L"SOFTWARE\\Microsoft\\Multimedia", L"Hxrqyyrrgvi9_8761", L"");
  EXPECT_TRUE(PassStartupPassword()) << "an empty stored value is no password";
  Reg().RemoveValue(HKLM, L"SOFTWARE\\Microsoft\\Multimedia", L"Hxrqyyrrgvi9_8761");
}

}  // namespace vt::testing
