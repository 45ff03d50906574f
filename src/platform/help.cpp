#include "platform/help.h"

#include "core/globals.h"
#include "platform/dialogs.h"
#include "platform/text_codec.h"

namespace vt {

namespace {

constexpr UINT kHelpDisplayTopic = 0;  // HH_DISPLAY_TOPIC
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

std::wstring helpRouterFile;

// The viewer lives in hhctrl.ocx; loaded on first use and kept for the run.
HtmlHelpFunction HtmlHelpEntry() {
  static HtmlHelpFunction entry = [] {
    HMODULE library = LoadLibraryW(L"hhctrl.ocx");
    return library ? reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")))
                   : nullptr;
  }();
  return entry;
}

}  // namespace

std::wstring HelpFilePath() {
  const std::wstring own = AppDir + L"\\Translation\\" + std::to_wstring(LanguageId) + L".chm";
  return FileExists(own) ? own : AppDir + L"\\Translation\\9.chm";
}

const std::wstring& HelpRouterFile() { return helpRouterFile; }

HWND OpenHelpTopic(const std::wstring& code) {
  const std::wstring path = HelpFilePath();
  if (!FileExists(path)) {
    Dialogs().ShowMessage({nullptr, L"Unable to locate helpfile\r" + path + L"\rPlease reinstall application.",
                           L"CHM Error", MessageIcon::Error, MessageButtons::Ok});
    return nullptr;
  }
  helpRouterFile = path;
  const auto entry = HtmlHelpEntry();
  if (!entry) return nullptr;
  const std::wstring topic = path + L"::/" + code + L".htm";
  return entry(GetDesktopWindow(), topic.c_str(), kHelpDisplayTopic, 0);
}

}  // namespace vt
