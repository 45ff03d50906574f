#include "core/format.h"

#include <algorithm>

namespace vt {

namespace {

constexpr int kMegabyteShift = 20;
constexpr std::uint64_t kMegabyteMask = (std::uint64_t{1} << kMegabyteShift) - 1;
constexpr int kSignificantDigits = 4;

std::uint64_t PowerOfTen(int exponent) {
  std::uint64_t value = 1;
  while (exponent-- > 0) value *= 10;
  return value;
}

int DigitCount(std::uint64_t value) {
  int digits = 1;
  while (value >= 10) {
    value /= 10;
    ++digits;
  }
  return digits;
}

// bytes / 2^20 rounded half away from zero, in integers so that no binary
// fraction ever decides a rounding: `whole` plus `fraction` / 10^decimals.
struct Rounded {
  std::uint64_t whole = 0;
  std::uint64_t fraction = 0;
  int decimals = 0;
};

Rounded RoundMegabytes(std::uint64_t bytes, int maxDecimals) {
  std::uint64_t whole = bytes >> kMegabyteShift;
  const std::uint64_t rest = bytes & kMegabyteMask;
  // Four significant digits limit the decimals once the whole part has digits.
  const int places = whole == 0 ? maxDecimals : std::min(maxDecimals, kSignificantDigits - DigitCount(whole));
  Rounded result;
  if (places >= 0) {
    const std::uint64_t unit = PowerOfTen(places);
    const std::uint64_t scaled = rest * unit;  // rest < 2^20, unit <= 1000: no overflow
    std::uint64_t fraction = scaled >> kMegabyteShift;
    if (((scaled & kMegabyteMask) << 1) >= (std::uint64_t{1} << kMegabyteShift)) ++fraction;
    if (fraction == unit) {
      ++whole;
      fraction = 0;
    }
    result.whole = whole;
    result.fraction = fraction;
    result.decimals = places;
  } else {
    // Rounding falls inside the whole part; what lies below it is at least half
    // exactly when the dropped whole digits are (the unit is even).
    const std::uint64_t unit = PowerOfTen(-places);
    const std::uint64_t dropped = whole % unit;
    whole -= dropped;
    if (dropped * 2 >= unit) whole += unit;
    result.whole = whole;
  }
  return result;
}

std::wstring Digits(std::uint64_t value, int width) {
  std::wstring text = std::to_wstring(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), L'0');
  return text;
}

std::wstring GroupThousands(const std::wstring& digits, wchar_t separator) {
  std::wstring out;
  const size_t count = digits.size();
  for (size_t i = 0; i < count; ++i) {
    if (i > 0 && (count - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

// The rounded value with exactly `decimals` decimals (zeros added).
std::wstring FixedText(const Rounded& value, int decimals, const std::wstring& whole, wchar_t separator) {
  if (decimals == 0) return whole;
  std::wstring fraction = value.decimals > 0 ? Digits(value.fraction, value.decimals) : L"";
  fraction.append(decimals - fraction.size(), L'0');
  return whole + separator + fraction;
}

}  // namespace

std::wstring FormatCountSummary(std::int64_t checked, std::int64_t total) {
  return std::to_wstring(checked) + L" / " + std::to_wstring(total);
}

std::wstring FormatMegabytesLabel(std::uint64_t bytes, NumberSeparators separators) {
  const Rounded value = RoundMegabytes(bytes, 3);
  return FixedText(value, 3, GroupThousands(std::to_wstring(value.whole), separators.thousands),
                   separators.decimal) +
         L" MB";
}

std::wstring FormatMegabytesText(std::uint64_t bytes, NumberSeparators separators) {
  const Rounded value = RoundMegabytes(bytes, 2);
  const std::wstring whole = std::to_wstring(value.whole);
  if (static_cast<int>(whole.size()) <= kSignificantDigits) return FixedText(value, 2, whole, separators.decimal);
  // General notation: the significant digits without trailing zeros, one before
  // the separator, and the power of ten after "E".
  std::wstring mantissa = whole.substr(0, kSignificantDigits);
  while (mantissa.size() > 1 && mantissa.back() == L'0') mantissa.pop_back();
  std::wstring text(1, mantissa[0]);
  if (mantissa.size() > 1) text += separators.decimal + mantissa.substr(1);
  return text + L"E" + std::to_wstring(whole.size() - 1);
}

}  // namespace vt
