// Every text a window or message asks the language file for is declared here,
// one table per window (or purpose), with its built-in German default. Code asks
// through the table, so a key that no language file holds cannot slip in, and a
// test checks that every shipped language file holds every key of every table.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vt {

struct TextEntry {
  std::wstring_view key;
  std::wstring_view german;  // empty where the text has no built-in default
};

struct TextSection {
  std::wstring_view name;  // the window's component name, the section of the file
  std::span<const TextEntry> entries;

  // The translated text of `key` (GetTranslation with the German default).
  // Asking for a key that is not in the table is a programming error.
  std::wstring Text(std::wstring_view key) const;
  // A translated component caption: the German one while the language file has no
  // section for this window, else the entry or "Missing Translation".
  std::wstring Caption(std::wstring_view key) const;
  std::wstring_view German(std::wstring_view key) const;
};

// All tables, for the language-file checks.
std::span<const TextSection* const> AllTextSections();

}  // namespace vt
