// Language files: the lines of Translation\<n>.ini and the lookups every window
// and message uses. German texts are built in; a language file replaces them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/registry_access.h"

namespace vt {

inline constexpr int kFallbackLanguageId = 9;  // English
inline constexpr std::wstring_view kMissingTranslation = L"Missing Translation";

// The loaded lines of one language file, kept exactly as read.
class LanguageText {
 public:
  LanguageText() = default;
  explicit LanguageText(std::vector<std::wstring> lines);
  static LanguageText FromText(std::wstring_view text);  // lines split at CR LF, CR or LF

  bool Empty() const { return lines_.empty(); }
  const std::vector<std::wstring>& Lines() const { return lines_; }
  bool HasSection(std::wstring_view section) const { return SectionOffset(section).has_value(); }

  // Replaces `text` with the entry's value when the section exists (an empty text
  // when the key is missing); leaves it alone when the section does not exist.
  void GetTranslation(std::wstring_view section, std::wstring_view key, std::wstring& text) const;
  std::wstring Translate(std::wstring_view section, std::wstring_view key, std::wstring_view german) const;
  // The entry cut into lines; at most max + 1 of them.
  void GetTranslationLines(std::wstring_view section, std::wstring_view key, int max,
                           std::vector<std::wstring>& list) const;
  // A tagged component's caption inside an existing section: its entry, or
  // "Missing Translation" when the entry is missing or empty.
  std::wstring ComponentCaption(std::wstring_view section, std::wstring_view component) const;
  // Captions for the first columns of a list control, one per line of its entry
  // (never more than columnCount); none when the section does not exist, so the
  // columns keep their built-in captions.
  std::optional<std::vector<std::wstring>> ColumnCaptions(std::wstring_view section, std::wstring_view control,
                                                          std::size_t columnCount) const;

 private:
  std::optional<std::size_t> SectionOffset(std::wstring_view section) const;
  std::wstring ValueFrom(std::size_t offset, std::wstring_view key) const;

  std::vector<std::wstring> lines_;
  std::wstring joined_;                   // every line followed by CR LF
  std::vector<std::size_t> lineOffsets_;  // where each line starts in joined_
};

// The available language numbers from the *.ini files of the Translation folder
// (full paths, in the order the file system lists them); files whose path
// contains DIALECTS are never offered.
std::vector<std::wstring> BuildLanguageList(const std::vector<std::wstring>& iniPaths);

// The language to use: a stored "ForceLanguageID" that has a file, else the
// system's primary language when it has a file, else 9. A stored number of 1024
// or more is removed from the settings.
int ChooseLanguage(const std::vector<std::wstring>& languageList, RegistryAccess& reg, int systemLanguageId);

}  // namespace vt
