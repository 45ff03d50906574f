// Compiled HTML help of the active language, opened at a topic code.
#pragma once

#include <windows.h>

#include <string>

namespace vt {

// The help file that OpenHelpTopic would open now: Translation\<LanguageId>.chm,
// else Translation\9.chm (returned even when missing).
std::wstring HelpFilePath();
// Opens the help viewer at <code>.htm; without any help file shows the fixed
// "CHM Error" message. Returns the viewer window, or null.
HWND OpenHelpTopic(const std::wstring& code);
// The help file last handed to the viewer (empty before the first topic).
const std::wstring& HelpRouterFile();

}  // namespace vt
