#include <gtest/gtest.h>

#include <cstdint>

#include "core/format.h"

namespace vt {

namespace {

constexpr std::uint64_t kMB = 1048576;

// Megabytes as whole plus numerator / 64, so every case is an exact byte count.
constexpr std::uint64_t Bytes(std::uint64_t whole, std::uint64_t sixtyFourths = 0) {
  return whole * kMB + sixtyFourths * (kMB / 64);
}

}  // namespace

TEST(Format, CountSummary) {
  EXPECT_EQ(FormatCountSummary(3, 10), L"3 / 10");
  EXPECT_EQ(FormatCountSummary(0, 0), L"0 / 0");
  EXPECT_EQ(FormatCountSummary(1234567, 1234567), L"1234567 / 1234567") << "no thousands separators in counts";
}

TEST(Format, MegabytesLabelRoundsToFourSignificantDigitsAndShowsThreeDecimals) {
  struct Case {
    std::uint64_t bytes;
    const wchar_t* text;
  };
  const Case cases[] = {
      {0, L"0,000 MB"},
      {1, L"0,000 MB"},
      {Bytes(0, 4), L"0,063 MB"},                 // 0.0625: a half rounds away from zero
      {Bytes(1, 32), L"1,500 MB"},
      {Bytes(12, 23), L"12,360 MB"},              // 12.359375: two decimals are all four digits allow
      {Bytes(1234, 32), L"1.235,000 MB"},         // 1234.5
      {Bytes(1234, 32) - 1, L"1.234,000 MB"},     // just below the half
      {Bytes(999, 62), L"1.000,000 MB"},          // 999.96875 carries into a new digit
      {Bytes(12345678), L"12.350.000,000 MB"},    // rounding inside the whole part
      {UINT64_MAX, L"17.590.000.000.000,000 MB"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMegabytesLabel(c.bytes), c.text) << c.bytes;
  EXPECT_EQ(FormatMegabytesLabel(Bytes(1234, 32), {L'.', L','}), L"1,235.000 MB");
}

TEST(Format, MegabytesTextShowsTwoDecimalsAndSwitchesToExponentForLargeValues) {
  struct Case {
    std::uint64_t bytes;
    const wchar_t* text;
  };
  const Case cases[] = {
      {0, L"0,00"},
      {Bytes(0, 4), L"0,06"},         // 0.0625
      {Bytes(0, 24), L"0,38"},        // 0.375: half away from zero
      {Bytes(123, 29), L"123,50"},    // 123.453125: four significant digits, zero added
      {Bytes(1234, 32), L"1235,00"},  // no thousands separators
      {Bytes(9999, 62), L"1E4"},      // 9999.96875 rounds to five digits
      {Bytes(12345, 32), L"1,235E4"},
      {UINT64_MAX, L"1,759E13"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMegabytesText(c.bytes), c.text) << c.bytes;
  EXPECT_EQ(FormatMegabytesText(Bytes(1, 32), {L'.', L','}), L"1.50");
}

}  // namespace vt
