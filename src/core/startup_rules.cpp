#include "core/startup_rules.h"

#include "core/text.h"

namespace vt {

std::string PasswordScramble(std::string_view text) {
  std::string out(text);
  for (auto& ch : out) ch = static_cast<char>(static_cast<unsigned char>(ch) + 10);
  return out;
}

PasswordVerdict CheckStartupPassword(std::string_view entered, std::string_view stored) {
  if (entered.size() < kMinimumPasswordLength) return PasswordVerdict::TooShort;
  return PasswordScramble(entered) == stored ? PasswordVerdict::Accepted : PasswordVerdict::Wrong;
}

SwitchAction DecideCommandLineSwitch(std::wstring_view firstArgument) {
  const std::wstring arg = UpperCase(firstArgument);
  if (ContainsText(arg, L"-OCO")) return {SwitchAction::OneClick, Category::None, 0, false};
  struct Entry {
    const wchar_t* name;
    Category category;
    int slot;
  };
  static constexpr Entry kSwitches[] = {
      {L"-DC", Category::Cleaning, 1},          {L"-RC", Category::Cleaning, 2},
      {L"-IC", Category::Cleaning, 3},          {L"-ST", Category::Tuning, 1},
      {L"-CONTEXTDEFRAG", Category::NewTools, 2}, {L"-CONTEXTENCRYPT", Category::FileTools, 3},
      {L"-CONTEXTDECRYPT", Category::FileTools, 3}, {L"-CONTEXTSPLIT", Category::FileTools, 2},
      {L"-CONTEXTJOIN", Category::FileTools, 2},  {L"-CONTEXTSHREDDER", Category::FileTools, 1},
  };
  for (const auto& entry : kSwitches)
    if (arg == entry.name) return {SwitchAction::OpenModule, entry.category, entry.slot, true};
  return {};
}

}  // namespace vt
