// Start-up decisions that need no window: the password check and what the first
// command-line argument asks for.
#pragma once

#include <string>
#include <string_view>

namespace vt {

// The stored start-up password is the upper-cased text with every byte raised by
// 10 (modulo 256). Works on the 8-bit text in the system code page.
std::string PasswordScramble(std::string_view text);

inline constexpr std::size_t kMinimumPasswordLength = 6;

enum class PasswordVerdict { TooShort, Wrong, Accepted };
PasswordVerdict CheckStartupPassword(std::string_view entered, std::string_view stored);

enum class Category { None = 0, Cleaning = 1, Tuning = 2, FileTools = 3, NewTools = 4 };

struct SwitchAction {
  enum Kind { StartNormally, OneClick, OpenModule } kind = StartNormally;
  Category category = Category::None;
  int slot = 0;  // 1..3 within the category
  // Every switch but the one-click run ends the program when its module returns.
  bool closeAfterwards = false;
  bool operator==(const SwitchAction&) const = default;
};

SwitchAction DecideCommandLineSwitch(std::wstring_view firstArgument);

}  // namespace vt
