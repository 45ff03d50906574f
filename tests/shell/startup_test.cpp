#include <gtest/gtest.h>

#include "core/globals.h"
#include "core/startup_rules.h"
#include "core/text.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/help.h"
#include "platform/language_files.h"
#include "platform/text_codec.h"
#include "platform/win_registry.h"
#include "shell/password_window.h"
#include "shell/startup.h"
#include "support/test_support.h"
#include "texts/startup_texts.h"

namespace vt::testing {

namespace {

// Settings this file changes; cleared before and after each test so no test
// depends on another or on a run of the program in the same prefix.
void ClearStartupSettings() {
  Reg().RemoveValue(HKLM, ProductRegKey, L"ForceLanguageID");
  Reg().RemoveValue(HKLM, ProductRegKey, L"UseSkin");
  Reg().RemoveKey(HKLM, ProductRegKey + L"\\contextmenus");
  Reg().RemoveValue(HKLM, L"SOFTWARE\\Microsoft\\Multimedia", L"Hxrqyyrrgvi9_8761");
}

class Startup : public ::testing::Test {
 protected:
  void SetUp() override { ClearStartupSettings(); }
  void TearDown() override { ClearStartupSettings(); }
};

// A copy of the shipped folder that a test may break as it likes.
struct AppCopy {
  ScratchFolder folder{L"vt-app"};
  AppCopy(bool withSkin = true, std::vector<std::wstring> languages = {L"7", L"9"}) {
    const std::wstring dist = DistFolder();
    CreateDirectoryW((folder / L"Translation").c_str(), nullptr);
    CreateDirectoryW((folder / L"Skins").c_str(), nullptr);
    if (withSkin) CreateDirectoryW((folder / L"Skins\\default").c_str(), nullptr);
    CopyFileW((dist + L"\\Tidewright.exe").c_str(), (folder / L"Tidewright.exe").c_str(), FALSE);
    CopyFileW((dist + L"\\vtr_inet.dll").c_str(), (folder / L"vtr_inet.dll").c_str(), FALSE);
    for (const auto& n : languages)
      CopyFileW((dist + L"\\Translation\\" + n + L".ini").c_str(), (folder / (L"Translation\\" + n + L".ini")).c_str(),
                FALSE);
  }
};

struct ProgramRun {
  int exitCode;
  std::string dialogs;  // caption|icon|text lines, UTF-8
};

ProgramRun RunProgram(const AppCopy& app, const std::wstring& arguments = L"") {
  const std::wstring log = app.folder / L"dialogs.log";
  SetEnvironmentVariableW(L"TIDEWRIGHT_DIALOG_LOG", log.c_str());
  const int code = RunAndWait(L"\"" + (app.folder / L"Tidewright.exe") + L"\" " + arguments, app.folder.Path(),
                              SW_HIDE);
  SetEnvironmentVariableW(L"TIDEWRIGHT_DIALOG_LOG", nullptr);
  return {code, ReadTextFile(log)};
}

}  // namespace

TEST_F(Startup, TheProgramStopsWithExactlyItsFatalMessages) {
  struct Case {
    const char* what;
    bool withSkin;
    std::vector<std::wstring> languages;
    int exitCode;
    std::string dialogs;
  };
  // A normal start runs until the main window closes: -DC opens the Drive Cleaner
  // slot (a note while that module is not built) and then ends the program.
  const Case cases[] = {
      {"complete folder starts", true, {L"7", L"9"}, 0,
       "Veltrano Tidewright 2007|information|This module is in preparation and will come with one of the next "
       "versions.\n"},
      {"no default skin", false, {L"7", L"9"}, 1,
       "Fatal Error|error|Skin \"default\" is not present!!! Please reinstall this application.\n"},
      {"no language file", true, {}, 1,
       "Veltrano Tidewright 2007|error|Unable to select ANY languagefile! Please reinstall this software!\n"},
      {"only German on an English system still starts, in German", true, {L"7"}, 0,
       "Veltrano Tidewright 2007|information|Dieses Modul ist in Vorbereitung und wird mit einer der n\xC3\xA4" "chsten "
       "Versionen geliefert.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AppCopy app(c.withSkin, c.languages);
    const auto run = RunProgram(app, L"-DC");
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.dialogs, c.dialogs);
  }
}

TEST_F(Startup, LanguageChoiceAndLoading) {
  AppCopy app;
  // A dialect file is never offered, even under a number that has no other file.
  WriteTextFile(app.folder / L"Translation\\12.ini", "");
  CopyFileW((app.folder / L"Translation\\7.ini").c_str(), (app.folder / L"Translation\\DIALECTS-10.ini").c_str(),
            FALSE);
  AppDir = app.folder.Path();
  struct Case {
    const char* what;
    const wchar_t* forced;
    int languageId;
    const wchar_t* okCaption;
    bool forcedKept;
  };
  const Case cases[] = {
      {"system language (English)", nullptr, 9, L"&OK", false},
      {"forced German", L"7", 7, L"&Ok", true},
      {"forced number without file", L"11", 9, L"&OK", true},
      {"forced 1024 or more is removed", L"1031", 9, L"&OK", false},
      {"forced number of an empty file loads it", L"12", 12, L"&Ok", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.forced) Reg().WriteStringValue(HKLM, ProductRegKey, L"ForceLanguageID", c.forced);
    else Reg().RemoveValue(HKLM, ProductRegKey, L"ForceLanguageID");
    ASSERT_TRUE(ChooseAndLoadLanguage());
    EXPECT_EQ(LanguageId, c.languageId);
    std::vector<std::wstring> list = LanguageList;
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list, (std::vector<std::wstring>{L"12", L"7", L"9"}));
    // An empty file has no sections: the German built-in text shows.
    EXPECT_EQ(kPasswordTexts.Text(L"Button_Ok"), c.okCaption);
    EXPECT_EQ(Reg().ValueExists(HKLM, ProductRegKey, L"ForceLanguageID"), c.forcedKept);
  }
}

TEST_F(Startup, SkinChoice) {
  AppCopy app;
  CreateDirectoryW((app.folder / L"Skins\\Ocean").c_str(), nullptr);
  CreateDirectoryW((app.folder / L"Skins\\.hidden").c_str(), nullptr);
  AppDir = app.folder.Path();
  struct Case {
    const wchar_t* stored;
    std::wstring expected;
  };
  const Case cases[] = {
      {nullptr, L"default"}, {L"", L"default"},    {L"Unknown", L"default"},
      {L"Ocean", L"Ocean"},  {L"OCEAN", L"OCEAN"}, {L".hidden", L"default"},
  };
  for (const auto& c : cases) {
    if (c.stored) Reg().WriteStringValue(HKLM, ProductRegKey, L"UseSkin", c.stored);
    else Reg().RemoveValue(HKLM, ProductRegKey, L"UseSkin");
    ASSERT_TRUE(ChooseSkin());
    EXPECT_EQ(SkinDir, app.folder / (L"Skins\\" + c.expected)) << (c.stored ? c.stored : L"(none)");
  }
  std::sort(SkinList.begin(), SkinList.end());
  EXPECT_EQ(SkinList, (std::vector<std::wstring>{L"Ocean", L"default"}));
}

TEST_F(Startup, ContextMenuCaptionsAreWrittenAtEveryStart) {
  AppCopy app;
  const auto run = RunProgram(app, L"-RC");
  ASSERT_EQ(run.exitCode, 0);
  const std::wstring key = ProductRegKey + L"\\contextmenus";
  const std::wstring exe = Reg().ReadStringValue(HKLM, key, L"EXE");
  EXPECT_TRUE(EqualsNoCase(exe, app.folder / L"Tidewright.exe")) << exe;
  EXPECT_EQ(Reg().ReadStringValue(HKLM, key, L"CONTEXTMENU_ENCRYPT"), L"Encrypt with Veltrano Tidewright");
  EXPECT_EQ(Reg().CountValues(HKLM, key), 9);

  // Without the section every caption repeats the program path.
  LanguageFile = LanguageText::FromText(L"[Other]\r\n||x=y\r\n||\r\n");
  RegisterContextMenus();
  EXPECT_EQ(Reg().ReadStringValue(HKLM, key, L"CONTEXTMENU_SPLIT"), ExecutablePath());
  LanguageFile = LanguageText();
}

TEST_F(Startup, EnvironmentOfThisSystem) {
  EstablishEnvironment();
  EXPECT_EQ(AppDir, TestProgramFolder());
  EXPECT_TRUE(EqualsNoCase(WindowsDir, L"C:\\windows"));
  EXPECT_TRUE(EqualsNoCase(WindowsTempDir, L"C:\\windows\\TEMP"));
  EXPECT_TRUE(FolderExists(UserTempDir)) << UserTempDir;
  EXPECT_TRUE(OsVersionFlags.IsUnknownOs) << "the test prefix reports Windows 7";
  EXPECT_TRUE(IsAdministrator());
  EXPECT_TRUE(PassRightsCheck());
  EXPECT_EQ(LanguageDisplayName(9), L"English (United States)");
  EXPECT_EQ(LanguageDisplayName(7), L"German (Germany)");
  EXPECT_EQ(LanguageDisplayName(1000), L"");
}

TEST_F(Startup, MissingHelpFileGivesTheFixedMessage) {
  ScratchFolder folder(L"vt-help");
  AppDir = folder.Path();
  LanguageId = 7;
  RecordingDialogs dialogs;
  EXPECT_EQ(OpenHelpTopic(L"MAIN"), nullptr);
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].caption, L"CHM Error");
  EXPECT_EQ(dialogs.requests[0].text,
            L"Unable to locate helpfile\r" + folder.Path() + L"\\Translation\\9.chm\rPlease reinstall application.");
  EXPECT_EQ(dialogs.requests[0].icon, MessageIcon::Error);
  EXPECT_EQ(dialogs.requests[0].owner, nullptr);
}

TEST(LanguageFiles, ShippedFilesHoldEveryKeyOfEveryWindow) {
  auto keysBySection = [](const LanguageText& file) {
    std::vector<std::pair<std::wstring, std::wstring>> keys;
    std::wstring section;
    for (const auto& line : file.Lines()) {
      if (line.size() > 2 && line.front() == L'[' && line.back() == L']') section = line.substr(1, line.size() - 2);
      else if (line.rfind(L"||", 0) == 0 && line.find(L'=') != std::wstring::npos)
        keys.emplace_back(section, line.substr(2, line.find(L'=') - 2));
    }
    std::sort(keys.begin(), keys.end());
    return keys;
  };
  const auto german = ReadLanguageFile(DistFolder() + L"\\Translation\\7.ini");
  const auto english = ReadLanguageFile(DistFolder() + L"\\Translation\\9.ini");
  ASSERT_TRUE(german && english);
  EXPECT_EQ(keysBySection(*german), keysBySection(*english)) << "same sections and keys in both languages";

  const auto present = keysBySection(*german);
  for (const auto* section : AllTextSections()) {
    for (const auto& entry : section->entries) {
      const std::pair<std::wstring, std::wstring> wanted{std::wstring(section->name), std::wstring(entry.key)};
      EXPECT_TRUE(std::binary_search(present.begin(), present.end(), wanted))
          << "missing [" << WideToAnsi(wanted.first) << "] " << WideToAnsi(wanted.second);
      // The German file says what the program says without it.
      if (!entry.german.empty()) {
        EXPECT_EQ(german->Translate(section->name, entry.key, L""), entry.german) << WideToAnsi(entry.key);
      }
      EXPECT_FALSE(english->Translate(section->name, entry.key, L"").empty()) << WideToAnsi(entry.key);
    }
  }
}

}  // namespace vt::testing
