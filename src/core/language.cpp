#include "core/language.h"

#include <algorithm>

#include "core/globals.h"
#include "core/text.h"

namespace vt {

LanguageText::LanguageText(std::vector<std::wstring> lines) : lines_(std::move(lines)) {
  lineOffsets_.reserve(lines_.size());
  for (const auto& line : lines_) {
    lineOffsets_.push_back(joined_.size());
    joined_ += line;
    joined_ += L"\r\n";
  }
}

LanguageText LanguageText::FromText(std::wstring_view text) { return LanguageText(SplitLines(text)); }

std::optional<std::size_t> LanguageText::SectionOffset(std::wstring_view section) const {
  const std::wstring header = L"[" + std::wstring(section) + L"]";
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (EqualsNoCase(lines_[i], header)) return lineOffsets_[i];
  return std::nullopt;
}

// The first "||key=" from the section on (it may lie in a later section), up to
// the next "||", without up to three trailing line breaks.
std::wstring LanguageText::ValueFrom(std::size_t offset, std::wstring_view key) const {
  const std::wstring marker = L"||" + std::wstring(key) + L"=";
  const std::size_t found = joined_.find(marker, offset);
  if (found == std::wstring::npos) return {};
  const std::size_t begin = found + marker.size();
  const std::size_t end = joined_.find(L"||", begin);
  if (end == std::wstring::npos) return {};
  std::wstring value = joined_.substr(begin, end - begin);
  for (int round = 0; round < 3 && !value.empty(); ++round) {
    if (!value.empty() && value.back() == L'\n') value.pop_back();
    if (!value.empty() && value.back() == L'\r') value.pop_back();
  }
  return value;
}

void LanguageText::GetTranslation(std::wstring_view section, std::wstring_view key, std::wstring& text) const {
  if (Empty()) return;
  const auto offset = SectionOffset(section);
  if (!offset) return;
  text = ValueFrom(*offset, key);
}

std::wstring LanguageText::Translate(std::wstring_view section, std::wstring_view key,
                                     std::wstring_view german) const {
  std::wstring text(german);
  GetTranslation(section, key, text);
  return text;
}

namespace {
std::wstring WithoutTrailingBreak(std::wstring piece) {
  if (!piece.empty() && piece.back() == L'\r') piece.pop_back();
  if (!piece.empty() && piece.back() == L'\n') piece.pop_back();
  return piece;
}
}  // namespace

void LanguageText::GetTranslationLines(std::wstring_view section, std::wstring_view key, int max,
                                       std::vector<std::wstring>& list) const {
  list.clear();
  const auto pieces = PiecesBeforeCrLf(Translate(section, key, L"") + L"\r\n");
  for (int i = 0; i <= max && i < static_cast<int>(pieces.size()); ++i)
    list.push_back(WithoutTrailingBreak(pieces[i]));
}

std::wstring LanguageText::ComponentCaption(std::wstring_view section, std::wstring_view component) const {
  const auto offset = SectionOffset(section);
  std::wstring value = offset ? ValueFrom(*offset, component) : std::wstring();
  return value.empty() ? std::wstring(kMissingTranslation) : value;
}

std::optional<std::vector<std::wstring>> LanguageText::ColumnCaptions(std::wstring_view section,
                                                                      std::wstring_view control,
                                                                      std::size_t columnCount) const {
  // Without a section the window stays in German, its columns included.
  if (columnCount == 0 || !HasSection(section)) return std::nullopt;
  std::vector<std::wstring> captions;
  const auto pieces = PiecesBeforeCrLf(Translate(section, control, L"") + L"\r\n");
  for (std::size_t i = 0; i < columnCount && i < pieces.size(); ++i)
    captions.push_back(WithoutTrailingBreak(pieces[i]));
  return captions;
}

std::vector<std::wstring> BuildLanguageList(const std::vector<std::wstring>& iniPaths) {
  std::vector<std::wstring> list;
  for (const auto& path : iniPaths) {
    if (ContainsText(UpperCase(path), L"DIALECTS")) continue;
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    if (name.size() >= 4) list.push_back(name.substr(0, name.size() - 4));
  }
  return list;
}

int ChooseLanguage(const std::vector<std::wstring>& languageList, RegistryAccess& reg, int systemLanguageId) {
  const auto listed = [&](const std::wstring& text) {
    return std::find(languageList.begin(), languageList.end(), text) != languageList.end();
  };
  if (reg.ValueExists(HKLM, ProductRegKey, L"ForceLanguageID")) {
    const std::wstring stored = reg.ReadStringValue(HKLM, ProductRegKey, L"ForceLanguageID");
    // A text that is no number is ignored like an unlisted one.
    if (const auto number = ParseInt32(stored)) {
      if (*number >= 1024) reg.RemoveValue(HKLM, ProductRegKey, L"ForceLanguageID");
      else if (listed(stored)) return *number;
    }
  }
  const int primary = systemLanguageId & 0x3FF;
  if (primary > 0 && listed(std::to_wstring(primary))) return primary;
  return kFallbackLanguageId;
}

}  // namespace vt
