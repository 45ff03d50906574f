// The calls into the news-channel library vtr_inet.dll: starting the automatic
// channels at start-up and its configuration dialog from the settings window.
#pragma once

#include <windows.h>

#include <string>

#include "core/globals.h"
#include "core/registry.h"

namespace vt {

// What the program tells the library about itself.
inline const std::wstring NewsProductId = L"1506";
inline std::wstring NewsChannelsKey() {
  return ProductRegKey + L"\\infochannels";
}

// Loads AppDir\vtr_inet.dll, creates an info-check object, hands it the product,
// version, LanguageId, parent window and registry key and starts the automatic
// channels. Without the library or an object: the plain message
// "NewsChannels : pObject is NIL!!!" and nothing else. The program relies on
// nothing the library returns.
void ShowNewsChannels(HWND parent, const std::wstring& product, const std::wstring& version, RegRoot root,
                      const std::wstring& key);

// The same set-up for the settings window `window`, ending with the library's
// modal configuration dialog (owner 0), which stores the choice under the key.
void ConfigureNewsChannels(HWND window, RegRoot root, const std::wstring& key);
// With the program's own product, version and HKLM\ProductRegKey\infochannels.
void ConfigureNewsChannels(HWND window);

}  // namespace vt
