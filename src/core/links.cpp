#include "core/links.h"

#include "core/text.h"

namespace vt {

std::wstring BuildRedirectAddress(const std::wstring& edition, const std::wstring& systemLanguage,
                                  const std::wstring& language, const std::wstring& target) {
  return std::wstring(L"http://") + kRedirectHost + L"/linktarget/?product=1506&version=3.21&edition=" + edition +
         L"&syslang=" + systemLanguage + L"&lang=" + language + L"&target=" + target;
}

std::wstring LanguageTag(const std::wstring& isoLanguage, const std::wstring& isoCountry,
                         const std::wstring& abbreviatedLanguage, const std::wstring& abbreviatedCountry) {
  auto lower = [](std::wstring text) {
    for (auto& ch : text)
      if (ch >= L'A' && ch <= L'Z') ch = static_cast<wchar_t>(ch + 32);
    return Trim(text);
  };
  if (!isoLanguage.empty() && !isoCountry.empty()) return lower(isoLanguage + L"-" + isoCountry);
  if (abbreviatedLanguage.size() >= 2 && abbreviatedCountry.size() >= 2)
    return lower(abbreviatedLanguage.substr(0, 2) + L"-" + abbreviatedCountry.substr(0, 2));
  return {};
}

}  // namespace vt
