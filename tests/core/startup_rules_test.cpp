#include <gtest/gtest.h>

#include "core/os_version.h"
#include "core/startup_rules.h"

namespace vt {

TEST(OsVersionFlags, KnownWindowsVersions) {
  auto flags = [](std::initializer_list<bool OsVersionFlagSet::*> set) {
    OsVersionFlagSet f;
    for (auto member : set) f.*member = true;
    return f;
  };
  using F = OsVersionFlagSet;
  struct Case {
    const char* what;
    OsVersionInfo info;
    OsVersionFlagSet expected;
  };
  const auto win9x = OsPlatform::Windows9x;
  const auto nt = OsPlatform::WindowsNT;
  const Case cases[] = {
      // The product name of every 95 contains "95", which wins over the "B" service-pack mark.
      {"Windows 95", {win9x, 4, 0, L"", L"Microsoft Windows 95"}, flags({&F::IsWin95})},
      {"Windows 95 B", {win9x, 4, 0, L" B ", L"Microsoft Windows 95"}, flags({&F::IsWin95})},
      {"95 B without product name", {win9x, 4, 0, L"B", L""}, flags({&F::IsWin95B})},
      {"Windows 98", {win9x, 4, 10, L"", L"Microsoft Windows 98"}, flags({&F::IsWin98})},
      {"Windows 98 SE", {win9x, 4, 10, L"A", L"Microsoft Windows 98"}, flags({&F::IsWin98SE})},
      {"Windows ME", {win9x, 4, 90, L"", L"Microsoft Windows ME"}, flags({&F::IsWinME})},
      {"ME reported as 4.10", {win9x, 4, 10, L"A", L"Microsoft Windows ME"}, flags({&F::IsWinME})},
      {"NT 3.51", {nt, 3, 51, L"Service Pack 5", L""}, flags({&F::IsNT3, &F::IsNT})},
      {"NT 4", {nt, 4, 0, L"Service Pack 6", L"Microsoft Windows NT"}, flags({&F::IsNT4, &F::IsNT})},
      {"2000", {nt, 5, 0, L"Service Pack 4", L"Microsoft Windows 2000"}, flags({&F::IsWin2000, &F::IsNT})},
      {"XP", {nt, 5, 1, L"Service Pack 3", L"Microsoft Windows XP"}, flags({&F::IsWinXP, &F::IsNT})},
      {"Server 2003", {nt, 5, 2, L"Service Pack 2", L"Microsoft Windows Server 2003"},
       flags({&F::IsWin2000, &F::IsNT})},
      {"XP x64 (5.2)", {nt, 5, 2, L"Service Pack 2", L"Microsoft Windows XP"}, flags({&F::IsWinXP, &F::IsNT})},
      {"Windows 7", {nt, 6, 1, L"Service Pack 1", L"Microsoft Windows 7"}, flags({&F::IsUnknownOs})},
      {"Windows 10", {nt, 10, 0, L"", L"Windows 10 Pro"}, flags({&F::IsUnknownOs})},
  };
  for (const auto& c : cases) EXPECT_EQ(ComputeOsVersionFlags(c.info), c.expected) << c.what;
}

TEST(StartupPassword, ScrambleAndVerdicts) {
  EXPECT_EQ(PasswordScramble("ABCDEF"), "KLMNOP");
  EXPECT_EQ(PasswordScramble(std::string("\xF5\xF6\xFF", 3)), std::string("\xFF\x00\x09", 3)) << "wraps at 246";
  const std::string stored = PasswordScramble("GEHEIM");
  EXPECT_EQ(CheckStartupPassword("GEHEIM", stored), PasswordVerdict::Accepted);
  EXPECT_EQ(CheckStartupPassword("GEHEIM1", stored), PasswordVerdict::Wrong);
  EXPECT_EQ(CheckStartupPassword("geheim", stored), PasswordVerdict::Wrong) << "the edit upper-cases, not the check";
  EXPECT_EQ(CheckStartupPassword("GEHEI", PasswordScramble("GEHEI")), PasswordVerdict::TooShort)
      << "a stored password under six characters can never match";
  EXPECT_EQ(CheckStartupPassword("", ""), PasswordVerdict::TooShort);
}

TEST(CommandLineSwitches, DecisionTable) {
  using A = SwitchAction;
  struct Case {
    const wchar_t* argument;
    SwitchAction expected;
  };
  const Case cases[] = {
      {L"-oco", {A::OneClick, Category::None, 0, false}},
      {L"X-OCOY", {A::OneClick, Category::None, 0, false}},
      {L"-dc", {A::OpenModule, Category::Cleaning, 1, true}},
      {L"-dc2", {}},
      {L"-RC", {A::OpenModule, Category::Cleaning, 2, true}},
      {L"-IC", {A::OpenModule, Category::Cleaning, 3, true}},
      {L"-st", {A::OpenModule, Category::Tuning, 1, true}},
      {L"-CONTEXTDEFRAG", {A::OpenModule, Category::NewTools, 2, true}},
      {L"-ContextEncrypt", {A::OpenModule, Category::FileTools, 3, true}},
      {L"-CONTEXTDECRYPT", {A::OpenModule, Category::FileTools, 3, true}},
      {L"-CONTEXTSPLIT", {A::OpenModule, Category::FileTools, 2, true}},
      {L"-CONTEXTJOIN", {A::OpenModule, Category::FileTools, 2, true}},
      {L"-CONTEXTSHREDDER", {A::OpenModule, Category::FileTools, 1, true}},
      {L"", {}},
      {L"C:\\some\\file.txt", {}},
      {L" -DC", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(DecideCommandLineSwitch(c.argument), c.expected) << c.argument;
}

}  // namespace vt

#include "core/links.h"

namespace vt {

TEST(RedirectAddress, ShapeAndLanguageTags) {
  EXPECT_EQ(BuildRedirectAddress(L"", L"de-de", L"en-us", L"support"),
            L"http://www.veltrano.example/linktarget/?product=1506&version=3.21&edition=&syslang=de-de&lang=en-us"
            L"&target=support");
  EXPECT_EQ(BuildRedirectAddress(L"Pro", L"", L"", L"myarea"),
            L"http://www.veltrano.example/linktarget/?product=1506&version=3.21&edition=Pro&syslang=&lang=&target=myarea");
  EXPECT_EQ(LanguageTag(L"DE", L"DE", L"DEU", L"DEU"), L"de-de");
  EXPECT_EQ(LanguageTag(L"", L"", L"ENU", L"USA"), L"en-us");
  EXPECT_EQ(LanguageTag(L"", L"", L"E", L""), L"");
}

}  // namespace vt
