#include "platform/language_files.h"

#include "platform/files.h"
#include "platform/text_codec.h"

namespace vt {

std::vector<std::wstring> FindLanguageFiles(const std::wstring& appDir) {
  std::vector<std::wstring> paths;
  ListFiles(appDir + L"\\Translation\\", L"*.ini", paths);
  return paths;
}

std::wstring LanguageFilePathFor(const std::wstring& appDir, int languageId) {
  return appDir + L"\\Translation\\" + std::to_wstring(languageId) + L".ini";
}

std::optional<LanguageText> ReadLanguageFile(const std::wstring& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return LanguageText::FromText(AnsiToWide(*bytes));
}

}  // namespace vt
