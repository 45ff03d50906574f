// The edges where 8-bit text meets the program's UTF-16 strings: files whose
// format is 8-bit are read and written in the system ANSI code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vt {

std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);

// The whole file as bytes; nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);    // a file, not a folder
bool FolderExists(const std::wstring& path);  // a folder (a link to one counts)

}  // namespace vt
