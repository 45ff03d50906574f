#include "core/text.h"

#include <limits>

namespace vt {

wchar_t UpperChar(wchar_t ch) {
  if (ch >= L'a' && ch <= L'z') return static_cast<wchar_t>(ch - 32);
  if (ch < 0xE0) return ch;
  if (ch <= 0xFE) return ch == 0xF7 ? ch : static_cast<wchar_t>(ch - 32);
  if (ch == 0xFF) return static_cast<wchar_t>(0x178);
  // Latin Extended-A pairs upper/lower on even/odd code points in two runs.
  if ((ch >= 0x100 && ch <= 0x137) || (ch >= 0x14A && ch <= 0x177))
    return (ch & 1) ? static_cast<wchar_t>(ch - 1) : ch;
  if ((ch >= 0x139 && ch <= 0x148) || (ch >= 0x179 && ch <= 0x17E))
    return (ch & 1) ? ch : static_cast<wchar_t>(ch - 1);
  return ch;
}

std::wstring UpperCase(std::wstring_view text) {
  std::wstring out(text);
  for (auto& ch : out) ch = UpperChar(ch);
  return out;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  return true;
}

bool ContainsText(std::wstring_view text, std::wstring_view part) {
  return text.find(part) != std::wstring_view::npos;
}

std::wstring Trim(std::wstring_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && text[begin] <= L' ') ++begin;
  while (end > begin && text[end - 1] <= L' ') --end;
  return std::wstring(text.substr(begin, end - begin));
}

std::wstring TextAfterLast(std::wstring_view text, wchar_t ch) {
  // A text that ends in the character (a folder path) is returned whole.
  const size_t pos = text.rfind(ch);
  if (pos == std::wstring_view::npos || pos + 1 == text.size()) return std::wstring(text);
  return std::wstring(text.substr(pos + 1));
}

void SplitUpperTrim(std::wstring_view text, wchar_t separator, std::vector<std::wstring>& list) {
  size_t start = 0;
  for (size_t pos = text.find(separator); pos != std::wstring_view::npos;
       pos = text.find(separator, start)) {
    list.push_back(Trim(UpperCase(text.substr(start, pos - start))));
    start = pos + 1;
  }
  std::wstring last = Trim(UpperCase(text.substr(start)));
  if (last.size() > 1) list.push_back(std::move(last));
}

namespace {

template <typename Int>
std::optional<Int> ParseInteger(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == L' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  unsigned base = 10;
  if (i < text.size() && text[i] == L'$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  using U = std::make_unsigned_t<Int>;
  const U limit = negative ? U(std::numeric_limits<Int>::max()) + 1 : U(std::numeric_limits<Int>::max());
  U value = 0;
  for (; i < text.size(); ++i) {
    const wchar_t ch = text[i];
    unsigned digit;
    if (ch >= L'0' && ch <= L'9') digit = ch - L'0';
    else if (base == 16 && ch >= L'a' && ch <= L'f') digit = ch - L'a' + 10;
    else if (base == 16 && ch >= L'A' && ch <= L'F') digit = ch - L'A' + 10;
    else return std::nullopt;
    if (value > (limit - digit) / base) return std::nullopt;
    value = value * base + digit;
  }
  if (negative) return static_cast<Int>(U(0) - value);
  return static_cast<Int>(value);
}

}  // namespace

std::optional<std::int32_t> ParseInt32(std::wstring_view text) { return ParseInteger<std::int32_t>(text); }
std::optional<std::int64_t> ParseInt64(std::wstring_view text) { return ParseInteger<std::int64_t>(text); }

std::vector<std::wstring> SplitLines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  std::wstring current;
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t ch = text[i];
    if (ch == L'\r' || ch == L'\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (ch == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    } else {
      current += ch;
    }
  }
  if (!current.empty()) lines.push_back(std::move(current));
  return lines;
}

std::vector<std::wstring> PiecesBeforeCrLf(std::wstring_view text) {
  std::vector<std::wstring> pieces;
  size_t start = 0;
  for (size_t pos = text.find(L"\r\n"); pos != std::wstring_view::npos; pos = text.find(L"\r\n", start)) {
    pieces.emplace_back(text.substr(start, pos - start));
    start = pos + 2;
  }
  return pieces;
}

std::wstring UpToNul(std::wstring_view text) {
  return std::wstring(text.substr(0, text.find(L'\0')));
}

}  // namespace vt
