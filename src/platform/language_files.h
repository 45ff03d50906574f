// Finding and reading the language files of the Translation folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/language.h"

namespace vt {

// Full paths of the *.ini files in <appDir>\Translation\, as the file system lists them.
std::vector<std::wstring> FindLanguageFiles(const std::wstring& appDir);
std::wstring LanguageFilePathFor(const std::wstring& appDir, int languageId);
// The file's lines (8-bit text in the system code page); nothing when unreadable.
std::optional<LanguageText> ReadLanguageFile(const std::wstring& path);

}  // namespace vt
