#include "core/wild_match.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

// Results per (text rest, pattern rest): with several stars the plain recursion
// retries the same rests over and over, which a typed-in mask like "*?*?*?*?*X"
// turns into minutes per long file name.
struct TWildMatch::Memo {
  std::size_t textSize = 0, patternSize = 0;
  std::vector<std::uint8_t> known;  // 0 unknown, 1 false, 2 true
  std::uint8_t& At(std::wstring_view text, std::wstring_view pattern) {
    return known[text.size() * (patternSize + 1) + pattern.size()];
  }
};

namespace {

std::wstring UpperAsciiLetters(std::wstring_view text) {
  std::wstring result(text);
  for (auto& c : result)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return result;
}

}  // namespace

bool TWildMatch::Matches(std::wstring_view text, std::wstring_view pattern) const {
  std::wstring foldedText, foldedPattern;
  if (!MatchCase) {
    foldedText = UpperAsciiLetters(text);
    foldedPattern = UpperAsciiLetters(pattern);
    text = foldedText;
    pattern = foldedPattern;
  }
  if (std::count(pattern.begin(), pattern.end(), WildString) < 2) return MatchesFolded(text, pattern, nullptr);
  Memo memo{text.size(), pattern.size(), std::vector<std::uint8_t>((text.size() + 1) * (pattern.size() + 1))};
  return MatchesFolded(text, pattern, &memo);
}

bool TWildMatch::MatchesFolded(std::wstring_view text, std::wstring_view pattern, Memo* memo) const {
  std::uint8_t* known = memo ? &memo->At(text, pattern) : nullptr;
  if (known && *known) return *known == 2;
  while (!text.empty() && !pattern.empty()) {
    const wchar_t c = pattern.front();
    if (c == WildChar) {
      text.remove_prefix(1);
      pattern.remove_prefix(1);
    } else if (c == WildString) {
      pattern.remove_prefix(1);
      while (!MatchesFolded(text, pattern, memo) && !text.empty()) text.remove_prefix(1);
    } else if (text.front() != c) {
      text = {};
    } else {
      text.remove_prefix(1);
      pattern.remove_prefix(1);
    }
  }
  const bool result = (text.empty() && pattern.empty()) || (pattern.size() == 1 && pattern.front() == WildString);
  if (known) *known = result ? 2 : 1;
  return result;
}

}  // namespace vt
