// The process-wide values established once at start-up and read everywhere.
// Paths never end in a backslash. Nothing here is written back at shut-down.
#pragma once

#include <string>
#include <vector>

#include "core/language.h"
#include "core/os_version.h"

namespace vt {

inline const std::wstring ProductTitle = L"Veltrano Tidewright 2007";
inline const std::wstring ProductRegKey = L"Software\\Veltrano\\Veltrano Tidewright 2007";
inline const std::wstring ProductVersion = L"3.21";

inline std::wstring AppDir;
inline std::wstring WindowsDir;
inline std::wstring SystemDir;
inline std::wstring WindowsTempDir;
inline std::wstring UserTempDir;
inline OsVersionFlagSet OsVersionFlags;

inline int LanguageId = kFallbackLanguageId;
inline std::vector<std::wstring> LanguageList;
inline std::wstring LanguageFilePath;  // empty until a file is loaded
inline LanguageText LanguageFile;

inline std::wstring SkinDir;
inline std::vector<std::wstring> SkinList;

inline bool OneClickRunning = false;
inline bool CancelRequested = false;

// First lines of the main window's category buttons; module headers show them.
inline std::wstring CategoryTitleCleaning;
inline std::wstring CategoryTitleTuning;
inline std::wstring CategoryTitleTools;
inline std::wstring CategoryTitleNew;
inline std::wstring CategoryTitleOneClick;

// Lookups in the loaded language file, for the window that shows the text.
inline void GetTranslation(std::wstring_view section, std::wstring_view key, std::wstring& text) {
  LanguageFile.GetTranslation(section, key, text);
}
inline void GetTranslationLines(std::wstring_view section, std::wstring_view key, int max,
                                std::vector<std::wstring>& list) {
  LanguageFile.GetTranslationLines(section, key, max, list);
}

}  // namespace vt
