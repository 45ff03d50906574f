#include "texts/text_table.h"

#include <stdexcept>

#include "core/globals.h"

namespace vt {

std::wstring_view TextSection::German(std::wstring_view key) const {
  for (const auto& entry : entries)
    if (entry.key == key) return entry.german;
  throw std::logic_error("text key missing from its table: " + std::string(key.begin(), key.end()));
}

std::wstring TextSection::Text(std::wstring_view key) const {
  return LanguageFile.Translate(name, key, German(key));
}

std::wstring TextSection::Caption(std::wstring_view key) const {
  const std::wstring_view german = German(key);
  return LanguageFile.HasSection(name) ? LanguageFile.ComponentCaption(name, key) : std::wstring(german);
}

}  // namespace vt
