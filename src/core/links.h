// Addresses of the maker's link-redirect service, which forwards the menu's
// targets (homepage, support, ...) to the right page for product and language.
#pragma once

#include <string>

namespace vt {

inline constexpr wchar_t kRedirectHost[] = L"www.veltrano.example";

// Nothing is escaped: every part is a plain word or a language tag.
std::wstring BuildRedirectAddress(const std::wstring& edition, const std::wstring& systemLanguage,
                                  const std::wstring& language, const std::wstring& target);

// "de-de" from ISO names, else from the first two letters of the abbreviated
// names, lower-cased and trimmed; empty when neither is known.
std::wstring LanguageTag(const std::wstring& isoLanguage, const std::wstring& isoCountry,
                         const std::wstring& abbreviatedLanguage, const std::wstring& abbreviatedCountry);

}  // namespace vt
