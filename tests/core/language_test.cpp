#include <gtest/gtest.h>

#include "core/globals.h"
#include "core/language.h"
#include "core/memory_registry.h"
#include "texts/text_table.h"

namespace vt {

namespace {
LanguageText Sample() {
  return LanguageText::FromText(
      L"; comment line\r\n"
      L"[form_password]\r\n"
      L"||Button_Ok=&Okay\r\n"
      L"\r\n"
      L"||Two=first line\r\n"
      L"second line\r\n"
      L"\r\n"
      L"||Five=1\r\n2\r\n3\r\n4\r\n5\r\n"
      L"||\r\n"
      L"[Form_Other]\r\n"
      L"||OnlyLater=from the later section\r\n"
      L"||Empty=\r\n"
      L"||\r\n"
      L"[Form_Last]\n"
      L"||AtEnd=never closed\n");
}
}  // namespace

TEST(LanguageText, Lookups) {
  const auto file = Sample();
  struct Case {
    const char* what;
    const wchar_t* section;
    const wchar_t* key;
    std::wstring expected;
  };
  const Case cases[] = {
      {"lower-case header matches", L"Form_Password", L"Button_Ok", L"&Okay"},
      {"key in another letter case does not match", L"Form_Password", L"button_ok", L""},
      {"key found in a later section", L"Form_Password", L"OnlyLater", L"from the later section"},
      {"key before the section is not found", L"Form_Other", L"Button_Ok", L""},
      {"two-line value", L"Form_Password", L"Two", L"first line\r\nsecond line"},
      {"value at the end without closing mark", L"Form_Last", L"AtEnd", L""},
      {"empty entry", L"Form_Other", L"Empty", L""},
      {"section missing keeps the default", L"Form_Nowhere", L"Button_Ok", L"Vorgabe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::wstring text = L"Vorgabe";
    file.GetTranslation(c.section, c.key, text);
    EXPECT_EQ(text, c.expected);
  }
  std::wstring untouched = L"Vorgabe";
  LanguageText().GetTranslation(L"Form_Password", L"Button_Ok", untouched);
  EXPECT_EQ(untouched, L"Vorgabe") << "no file loaded";
}

TEST(LanguageText, LinesColumnsAndCaptions) {
  const auto file = Sample();
  std::vector<std::wstring> lines;
  file.GetTranslationLines(L"Form_Password", L"Five", 2, lines);
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"1", L"2", L"3"}));
  file.GetTranslationLines(L"Form_Password", L"Missing", 2, lines);
  EXPECT_EQ(lines, std::vector<std::wstring>{L""}) << "a missing entry gives one empty line";

  EXPECT_EQ(file.ColumnCaptions(L"Form_Password", L"Five", 2), (std::vector<std::wstring>{L"1", L"2"}));
  EXPECT_EQ(file.ColumnCaptions(L"Form_Password", L"Missing", 3), std::vector<std::wstring>{L""});
  EXPECT_FALSE(file.ColumnCaptions(L"Form_Password", L"Five", 0));
  EXPECT_FALSE(file.ColumnCaptions(L"Form_Nowhere", L"Five", 2)) << "no section: columns stay German";

  EXPECT_EQ(file.ComponentCaption(L"Form_Password", L"Button_Ok"), L"&Okay");
  EXPECT_EQ(file.ComponentCaption(L"Form_Password", L"Button_Gone"), L"Missing Translation");
  EXPECT_EQ(file.ComponentCaption(L"Form_Other", L"Empty"), L"Missing Translation");
  EXPECT_TRUE(file.HasSection(L"FORM_OTHER"));
  EXPECT_FALSE(file.HasSection(L"Form_Nowhere"));
}

TEST(LanguageChoice, ListAndForcedAndSystemLanguage) {
  EXPECT_EQ(BuildLanguageList({L"C:\\App\\Translation\\7.ini", L"C:\\App\\Translation\\9.ini",
                               L"C:\\App\\Translation\\7-Dialects.ini", L"C:\\App\\dialects\\12.ini"}),
            (std::vector<std::wstring>{L"7", L"9"}));

  const std::vector<std::wstring> list{L"7", L"9", L"12"};
  struct Case {
    const char* what;
    const wchar_t* forced;  // null: no value stored
    int systemLanguage;
    int expected;
    bool forcedKept;
  };
  const Case cases[] = {
      {"forced and listed", L"7", 0x409, 7, true},
      {"forced but no file: system language", L"10", 0x40C, 12, true},
      {"forced but no file: fallback 9", L"10", 0x410, 9, true},
      {"1024 or more is removed", L"1031", 0x407, 7, false},
      {"not a number is ignored", L"abc", 0x409, 9, true},
      {"nothing stored, German system", nullptr, 0x407, 7, true},
      {"nothing stored, neutral system language 0", nullptr, 0x000, 9, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryRegistry memory;
    RegistryAccess reg(memory);
    if (c.forced) reg.WriteStringValue(HKLM, ProductRegKey, L"ForceLanguageID", c.forced);
    EXPECT_EQ(ChooseLanguage(list, reg, c.systemLanguage), c.expected);
    EXPECT_EQ(reg.ValueExists(HKLM, ProductRegKey, L"ForceLanguageID"), c.forced != nullptr && c.forcedKept);
  }
}

TEST(TextTables, KeysAreUniqueAndUnknownKeysAreRefused) {
  for (const auto* section : AllTextSections()) {
    std::vector<std::wstring_view> seen;
    for (const auto& entry : section->entries) {
      EXPECT_EQ(std::count(seen.begin(), seen.end(), entry.key), 0) << "duplicate key";
      seen.push_back(entry.key);
    }
  }
  EXPECT_THROW(AllTextSections()[0]->Text(L"No_Such_Key"), std::logic_error);
}

}  // namespace vt
