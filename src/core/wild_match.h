// The wildcard matcher of the Drive Cleaner's file-type masks. Unlike the file
// system's own masks it has no 8.3 or "*.*" special cases: "*.TMP" matches A.TMP
// but not A.TMPX, and a pattern rest of "**" needs at least one more character.
#pragma once

#include <string_view>

namespace vt {

class TWildMatch {
 public:
  wchar_t WildString = L'*';  // any run of characters, the empty run included
  wchar_t WildChar = L'?';    // exactly one character
  bool MatchCase = false;     // false: letters a to z compare as upper case

  bool Matches(std::wstring_view text, std::wstring_view pattern) const;

 private:
  struct Memo;
  bool MatchesFolded(std::wstring_view text, std::wstring_view pattern, Memo* memo) const;
};

}  // namespace vt
