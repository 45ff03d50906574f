#include "shell/startup.h"

#include <windows.h>

#include "core/globals.h"
#include "core/startup_rules.h"
#include "core/text.h"
#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/language_files.h"
#include "platform/text_codec.h"
#include "platform/win_registry.h"
#include "shell/password_window.h"
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

int RunTidewright() {
  InstallDialogLogFromEnvironment();
  // Application title: the task-bar text and the default message caption.
  EstablishEnvironment();
  if (!PassRightsCheck()) return kExitFatal;
  OneClickRunning = false;
  if (!ChooseSkin()) return kExitFatal;
  if (!ChooseAndLoadLanguage()) return kExitFatal;
  if (!PassStartupPassword()) return kExitFatal;
  RegisterContextMenus();

  // The main window takes over from here; until it is built, say that start-up
  // completed and with which language and skin.
  std::wstring skinName = SkinDir.substr(SkinDir.rfind(L'\\') + 1);
  Dialogs().ShowMessage({nullptr,
                         kStartupNoticeTexts.Text(L"MESSAGE_Started") + L"\r\n\r\n" + LanguageDisplayName(LanguageId) +
                             L"\r\nSkin: " + skinName,
                         ProductTitle, MessageIcon::Information, MessageButtons::Ok});
  return 0;
}

}  // namespace vt
