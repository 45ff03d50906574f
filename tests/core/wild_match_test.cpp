#include "core/wild_match.h"

#include <string>

#include <gtest/gtest.h>

namespace vt {
namespace {

struct WildCase {
  const wchar_t* text;
  const wchar_t* pattern;
  bool matches;
};

TEST(WildMatch, DefaultMatcherFollowsTheMaskRules) {
  const WildCase cases[] = {
      {L"", L"*", true},
      {L"", L"", true},
      {L"", L"**", false},
      {L"X", L"", false},
      {L"", L"?", false},
      {L"A.TMP", L"*.TMP", true},
      {L"A.TMPX", L"*.TMP", false},
      {L"a.tmp", L"*.TMP", true},  // case ignored by default
      {L"A.TMP", L"*.tmp", true},
      {L"A", L"A**", false},  // an exhausted text matches one trailing star, not two
      {L"AB", L"A**", true},
      {L"A", L"A*", true},
      {L"ANYTHING.AT.ALL", L"*", true},
      {L"A.BA~", L"*.??~", true},
      {L"A.B~", L"*.??~", false},  // ? is exactly one character
      {L"A.~MP", L"*.~*", true},
      {L"FILE0001.CHK", L"FILE*.CHK", true},
      {L"CHKDSK.CHK", L"FILE*.CHK", false},
      {L"MSCREATE.DIR", L"MSCREATE.DIR", true},
      {L"MSCREATE.DIRX", L"MSCREATE.DIR", false},
      {L"X.TMP.TMP", L"*.TMP", true},  // the star retries until the rest fits
      {L"NOTE.TXT", L"*.TMP", false},
      {L"\u00E4.TMP", L"\u00C4.TMP", false},  // only a to z are folded
  };
  const TWildMatch match;
  for (const auto& c : cases)
    EXPECT_EQ(match.Matches(c.text, c.pattern), c.matches)
        << "text \"" << c.text << "\", pattern \"" << c.pattern << "\"";
}

TEST(WildMatch, MatchCaseAndOtherWildCharacters) {
  TWildMatch match;
  match.MatchCase = true;
  EXPECT_FALSE(match.Matches(L"a.tmp", L"*.TMP"));
  EXPECT_TRUE(match.Matches(L"A.TMP", L"*.TMP"));
  match.MatchCase = false;
  match.WildString = L'%';
  match.WildChar = L'#';
  EXPECT_TRUE(match.Matches(L"A.TMP", L"%.T#P"));
  EXPECT_FALSE(match.Matches(L"A.TMP", L"*.TMP"));  // "*" is a plain character now
  EXPECT_TRUE(match.Matches(L"*.TMP", L"*.TMP"));
}

TEST(WildMatch, ManyStarsOnALongNameFinishQuickly) {
  // Without remembering tried rests this takes far beyond any test timeout.
  const std::wstring name(250, L'A');
  const TWildMatch match;
  EXPECT_FALSE(match.Matches(name, L"*?*?*?*?*?*?*?*?*?*?*X"));
  EXPECT_TRUE(match.Matches(name + L"X", L"*?*?*?*?*?*?*?*?*?*?*X"));
}

}  // namespace
}  // namespace vt
