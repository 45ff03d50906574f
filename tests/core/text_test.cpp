#include <gtest/gtest.h>

#include "core/text.h"

namespace vt {

TEST(Text, TextAfterLast) {
  EXPECT_EQ(TextAfterLast(L"C:\\Windows\\notepad.exe", L'\\'), L"notepad.exe");
  EXPECT_EQ(TextAfterLast(L"C:\\Windows\\", L'\\'), L"C:\\Windows\\") << "ends in the character";
  EXPECT_EQ(TextAfterLast(L"plain", L'\\'), L"plain");
  EXPECT_EQ(TextAfterLast(L"", L'\\'), L"");
}

TEST(Text, SplitUpperTrim) {
  struct Case {
    const wchar_t* text;
    std::vector<std::wstring> pieces;
  };
  const Case cases[] = {
      {L" c:\\temp ;  d:\\x\\ ;*.tmp ", {L"C:\\TEMP", L"D:\\X\\", L"*.TMP"}},
      {L"a;;b", {L"A", L""}},         // empty middle piece kept, one-character final piece dropped
      {L"a;bc", {L"A", L"BC"}},       // two-character final piece kept
      {L"x;", {L"X"}},                // nothing after the last separator
      {L"", {}},
  };
  for (const auto& c : cases) {
    std::vector<std::wstring> list;
    SplitUpperTrim(c.text, L';', list);
    EXPECT_EQ(list, c.pieces) << c.text;
  }
}

TEST(Text, ParseInt) {
  EXPECT_EQ(ParseInt32(L"42"), 42);
  EXPECT_EQ(ParseInt32(L" -7"), -7);
  EXPECT_EQ(ParseInt32(L"$1F"), 31);
  EXPECT_EQ(ParseInt32(L"0x10"), 16);
  EXPECT_EQ(ParseInt32(L"2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32(L"-2147483648"), INT32_MIN);
  for (const wchar_t* bad : {L"", L"-", L"12a", L"2147483648", L"4 2", L"42 ", L"$"})
    EXPECT_FALSE(ParseInt32(bad).has_value()) << bad;
  EXPECT_EQ(ParseInt64(L"-9223372036854775808"), INT64_MIN);
}

TEST(Text, LinesAndCase) {
  EXPECT_EQ(SplitLines(L"a\r\nb\rc\n\nd\r\n"), (std::vector<std::wstring>{L"a", L"b", L"c", L"", L"d"}));
  EXPECT_EQ(PiecesBeforeCrLf(L"a\r\nb\nc\r\nrest"), (std::vector<std::wstring>{L"a", L"b\nc"}));
  EXPECT_EQ(UpperCase(L"straße äöü ÿ ł"), L"STRAßE ÄÖÜ \u0178 \u0141");
  EXPECT_TRUE(EqualsNoCase(L"[form_password]", L"[Form_Password]"));
}

}  // namespace vt
