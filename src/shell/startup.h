// Start-up of the program, in its fixed order. Each step that can end the
// program returns false after it has shown its message.
#pragma once

#include <string>
#include <vector>

namespace vt {

// Application title, folders and Windows version flags.
void EstablishEnvironment();
// On the NT family, only an administrator may go on.
bool PassRightsCheck();
// SkinDir and SkinList; the "default" skin must exist.
bool ChooseSkin();
// LanguageList, LanguageId and the loaded LanguageFile; some language file must exist.
bool ChooseAndLoadLanguage();
// The shell extension's data: our path and the translated menu captions.
void RegisterContextMenus();

// The whole program; returns the process exit code.
int RunTidewright();

}  // namespace vt
