// Small text helpers that need no Windows call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

// Upper case as the Windows shell does it for Latin letters (ASCII, Latin-1,
// Latin Extended-A); other characters are kept.
wchar_t UpperChar(wchar_t ch);
std::wstring UpperCase(std::wstring_view text);
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);
bool ContainsText(std::wstring_view text, std::wstring_view part);  // case-sensitive
std::wstring Trim(std::wstring_view text);                          // blanks and control characters

// The part after the last `ch`; the whole text when there is none or when the
// last one is the text's final character.
std::wstring TextAfterLast(std::wstring_view text, wchar_t ch);

// Cuts at every separator. Pieces before a separator are upper-cased, trimmed and
// appended even when empty; the final piece only when longer than one character.
void SplitUpperTrim(std::wstring_view text, wchar_t separator, std::vector<std::wstring>& list);

// Integer conversion of a whole text: optional blanks, sign, decimal digits or a
// "$"/"0x" hexadecimal number. Anything else, or a value out of range, is no number.
std::optional<std::int32_t> ParseInt32(std::wstring_view text);
std::optional<std::int64_t> ParseInt64(std::wstring_view text);

// Lines separated by CR LF, CR or LF; a final line break adds no empty line.
std::vector<std::wstring> SplitLines(std::wstring_view text);

// The pieces that end in a CR LF, without it; text after the last CR LF is dropped.
std::vector<std::wstring> PiecesBeforeCrLf(std::wstring_view text);

// The text up to its first NUL character.
std::wstring UpToNul(std::wstring_view text);

}  // namespace vt
