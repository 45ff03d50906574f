#include "shell/startup.h"

#include <windows.h>

#include "core/globals.h"
#include "core/startup_rules.h"
#include "core/text.h"
#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/language_files.h"
#include "platform/news_channels.h"
#include "platform/text_codec.h"
#include "platform/win_registry.h"
#include "shell/main_window.h"
#include "shell/options_window.h"
#include "shell/password_window.h"
#include "shell/splash_window.h"
#include "ui/application.h"
#include "texts/startup_texts.h"

namespace vt {

namespace {
constexpr int kExitFatal = 1;
}  // namespace

void EstablishEnvironment() {
  AppDir = ExecutableFolder();
  WindowsDir = QueryWindowsDir();
  SystemDir = QuerySystemDir();
  WindowsTempDir = WindowsDir + L"\\TEMP";
  UserTempDir = QueryUserTempDir();
  OsVersionFlags = ComputeOsVersionFlags(QueryOsVersionInfo());
}

bool PassRightsCheck() {
  // Checked on every NT-family system, including those the version flags do not
  // know: a non-administrator would otherwise reach machine-wide writes that
  // silently fail.
  if (QueryOsVersionInfo().platform != OsPlatform::WindowsNT || IsAdministrator()) return true;
  Dialogs().ShowMessage({nullptr, L"This application needs to be started on Administrator- or PowerUser-Accounts.",
                         ProductTitle, MessageIcon::Error, MessageButtons::Ok});
  return false;
}

bool ChooseSkin() {
  const std::wstring skins = AppDir + L"\\Skins\\";
  SkinDir = skins + L"default";
  if (!FolderExists(SkinDir)) {
    Dialogs().ShowMessage({nullptr, L"Skin \"default\" is not present!!! Please reinstall this application.",
                           L"Fatal Error", MessageIcon::Error, MessageButtons::Ok});
    return false;
  }
  SkinList.clear();
  ListSubfolders(skins, SkinList);
  const std::wstring chosen = Reg().ReadStringValue(HKLM, ProductRegKey, L"UseSkin");
  if (!chosen.empty()) {
    for (const auto& name : SkinList)
      if (EqualsNoCase(name, chosen)) SkinDir = skins + chosen;  // the stored spelling builds the path
  }
  return true;
}

bool ChooseAndLoadLanguage() {
  LanguageList = BuildLanguageList(FindLanguageFiles(AppDir));
  LanguageId = ChooseLanguage(LanguageList, Reg(), SystemLanguageId());
  LanguageFile = LanguageText();
  LanguageFilePath = LanguageFilePathFor(AppDir, LanguageId);
  if (!FileExists(LanguageFilePath)) {
    LanguageId = kFallbackLanguageId;
    LanguageFilePath = LanguageFilePathFor(AppDir, LanguageId);
  }
  // Without English, any language that is there beats refusing to start.
  for (size_t i = 0; !FileExists(LanguageFilePath) && i < LanguageList.size(); ++i) {
    if (const auto number = ParseInt32(LanguageList[i]); number && *number > 0) {
      LanguageId = *number;
      LanguageFilePath = LanguageFilePathFor(AppDir, LanguageId);
    }
  }
  auto loaded = FileExists(LanguageFilePath) ? ReadLanguageFile(LanguageFilePath) : std::nullopt;
  if (!loaded) {
    LanguageFilePath.clear();
    Dialogs().ShowMessage({nullptr, L"Unable to select ANY languagefile! Please reinstall this software!",
                           ProductTitle, MessageIcon::Error, MessageButtons::Ok});
    return false;
  }
  LanguageFile = std::move(*loaded);
  return true;
}

void RegisterContextMenus() {
  const std::wstring key = ProductRegKey + L"\\contextmenus";
  std::wstring caption = ExecutablePath();
  Reg().WriteStringValue(HKLM, key, L"EXE", caption);
  // Each caption starts from the one written before it, so without a section
  // every caption repeats the program path.
  for (const auto& entry : kContextMenuTexts.entries) {
    GetTranslation(kContextMenuTexts.name, entry.key, caption);
    Reg().WriteStringValue(HKLM, key, std::wstring(entry.key), caption);
  }
}

void StartNewsChannels(HWND mainWindow) {
  ShowNewsChannels(mainWindow, L"1506", ProductVersion, HKLM, ProductRegKey + L"\\infochannels");
}

int RunTidewright() {
  InstallDialogLogFromEnvironment();
  // Application title: the task-bar text and the default message caption.
  EstablishEnvironment();
  if (!PassRightsCheck()) return kExitFatal;
  OneClickRunning = false;
  if (!ChooseSkin()) return kExitFatal;
  if (!ChooseAndLoadLanguage()) return kExitFatal;
  if (!PassStartupPassword()) return kExitFatal;
  // The main window, then the splash that reports the skin's loading.
  MainWindow mainWindow;
  mainWindow.showOptions = [] { ShowOptionsWindow(); };
  {
    SplashWindow splash;
    splash.Show();
    ui::ProcessPendingMessages();
    RegisterContextMenus();
    SetWindowPos(splash.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    mainWindow.InitSkin([&](const std::wstring& text) { splash.SetStatus(text); });
  }
  StartNewsChannels(mainWindow.Handle());
  mainWindow.DispatchSwitch(CommandLineArgument(1));
  // A module started by a switch closes the main window, which ends the program.
  if (ui::QuitRequested() || DecideCommandLineSwitch(CommandLineArgument(1)).closeAfterwards) return 0;
  mainWindow.Show();
  SetForegroundWindow(mainWindow.Handle());
  return ui::RunMessageLoop();
}

}  // namespace vt
