// Counts and sizes as the result pages and result windows show them.
#pragma once

#include <cstdint>
#include <string>

namespace vt {

// The separators of the number format in use; German ones unless the caller
// passes the running locale's.
struct NumberSeparators {
  wchar_t decimal = L',';
  wchar_t thousands = L'.';
};

// "checked / total", e.g. "3 / 10".
std::wstring FormatCountSummary(std::int64_t checked, std::int64_t total);

// bytes / 1048576 for a result-window label: rounded to four significant digits
// (never to more than three decimals), written with three decimals and
// thousands separators, followed by " MB" ("1.235,000 MB").
std::wstring FormatMegabytesLabel(std::uint64_t bytes, NumberSeparators separators = {});

// bytes / 1048576 for a result text: rounded to four significant digits (never
// to more than two decimals), written with two decimals and no thousands
// separators ("123,50"). More than four digits before the decimal point after
// rounding switch to exponent notation ("1,235E4"). No unit.
std::wstring FormatMegabytesText(std::uint64_t bytes, NumberSeparators separators = {});

}  // namespace vt
