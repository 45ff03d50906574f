// Keys every module window shares. A module window's section holds its own keys
// and these, so a module declares its table as
//
//   constexpr auto kDcEntries = ModuleWindowEntries(L"Drive Cleaner", {
//       {L"MESSAGE_ZeroFound", L"..."},
//   });
//   const TextSection kDcTexts{L"Form_DC", kDcEntries};
//
// and registers kDcTexts in catalog.cpp: the language-file check then sees the
// shared keys in that window's section too. Result windows use
// ResultWindowEntries; a window with a Backups page wraps its entries in
// WithBackupsPage, or WithBackupsColumns when its list has column captions.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "texts/text_table.h"

namespace vt {

// Captions of the frame's buttons.
inline constexpr std::array<TextEntry, 5> kModuleButtonEntries{{
    {L"Button_Help", L"&Hilfe"},
    {L"Button_Zurueck", L"< &Zur\u00FCck"},
    {L"Button_Weiter", L"&Weiter >"},
    {L"Button_Close", L"&Beenden"},
    {L"Button_Cancel", L"&Abbrechen"},
}};
inline constexpr std::wstring_view kHeaderCaptionKey = L"MESSAGE_HeaderCaption";

inline constexpr std::array<TextEntry, 1> kResultButtonEntries{{
    {L"Button_Ok", L"&Ok"},
}};

inline constexpr std::array<TextEntry, 2> kBackupsPageEntries{{
    {L"Button_Restore", L"Zur\u00FCckspielen"},
    {L"Button_Delete", L"L\u00F6schen"},
}};
// A Backups list with a header row takes its column captions from this entry,
// one per line.
inline constexpr std::array<TextEntry, 1> kBackupsColumnEntries{{
    {L"VirtualDrawTree_Backups", L"Datum\r\nGel\u00F6schte Eintr\u00E4ge"},
}};

template <std::size_t... N>
consteval auto JoinTextEntries(const std::array<TextEntry, N>&... parts) {
  std::array<TextEntry, (N + ... + 0)> all{};
  std::size_t at = 0;
  ((at = std::copy(parts.begin(), parts.end(), all.begin() + at) - all.begin()), ...);
  return all;
}

// The frame's keys, the header caption (German default: the module's name) and
// the module's own keys.
template <std::size_t N = 0>
consteval auto ModuleWindowEntries(std::wstring_view headerCaption, const TextEntry (&own)[N]) {
  return JoinTextEntries(kModuleButtonEntries, std::array<TextEntry, 1>{{{kHeaderCaptionKey, headerCaption}}},
                         std::to_array(own));
}
consteval auto ModuleWindowEntries(std::wstring_view headerCaption) {
  return JoinTextEntries(kModuleButtonEntries, std::array<TextEntry, 1>{{{kHeaderCaptionKey, headerCaption}}});
}

template <std::size_t N>
consteval auto ResultWindowEntries(const TextEntry (&own)[N]) {
  return JoinTextEntries(kResultButtonEntries, std::to_array(own));
}

template <std::size_t N>
consteval auto WithBackupsPage(const std::array<TextEntry, N>& window) {
  return JoinTextEntries(window, kBackupsPageEntries);
}
template <std::size_t N>
consteval auto WithBackupsColumns(const std::array<TextEntry, N>& window) {
  return JoinTextEntries(window, kBackupsPageEntries, kBackupsColumnEntries);
}

}  // namespace vt
