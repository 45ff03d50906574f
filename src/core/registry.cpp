#include "core/registry.h"

namespace vt {

std::vector<std::uint8_t> RegStringData(const std::wstring& text) {
  std::vector<std::uint8_t> out;
  out.reserve((text.size() + 1) * 2);
  for (wchar_t ch : text) {
    out.push_back(static_cast<std::uint8_t>(ch & 0xFF));
    out.push_back(static_cast<std::uint8_t>((ch >> 8) & 0xFF));
  }
  out.push_back(0);
  out.push_back(0);
  return out;
}

std::vector<std::uint8_t> RegMultiStringData(const std::vector<std::wstring>& items) {
  std::vector<std::uint8_t> out;
  for (const auto& item : items) {
    auto one = RegStringData(item);
    out.insert(out.end(), one.begin(), one.end());
  }
  out.push_back(0);
  out.push_back(0);
  return out;
}

std::vector<std::uint8_t> RegDwordData(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

}  // namespace vt
