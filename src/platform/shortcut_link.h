// One shell shortcut (.lnk) file, read and written through the shell's link
// object. The StartUp Tuner shows, rewrites and creates start-up shortcuts with
// it; the Drive Cleaner reads targets to find broken shortcuts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

enum class TShowCmd { scShowMaximized, scShowMinimized, scShowNormal };

class TShortcutLink {
 public:
  // When true, a failed ReadLink shows no message; the caller looks at Success.
  bool Quiet = false;
  std::wstring ShortcutFile;
  std::wstring Target;
  bool IsDir = false;  // set by ReadLink: the target is an existing folder
  std::wstring WorkingDir;
  std::wstring Description;
  std::wstring Arguments;
  std::wstring IconLocation;
  std::uint16_t IconNumber = 0;
  HWND Owner = nullptr;  // owner of failure messages

  // One character; blank means no hot key. Stored upper-cased; a character below
  // blank (or an empty text) stores the blank.
  std::wstring HotKey() const { return std::wstring(1, hotKey_); }
  void SetHotKey(std::wstring_view key);

  // The stored show command: 3 maximised, 7 minimised, anything else normal.
  TShowCmd ShowCmd() const;
  void SetShowCmd(TShowCmd command);
  int StoredShowCmd() const { return showCmd_; }

  // True after a complete ReadLink.
  bool Success() const { return success_; }
  // The failure of the last ReadLink or WriteLink, empty after success.
  const std::wstring& ErrorText() const { return error_; }

  // Loads ShortcutFile and reads every field (the show command from the file's
  // header, where the shell does not report it). On failure the fields keep their
  // values, Success is false and, unless Quiet, the error is shown.
  bool ReadLink();
  // Writes every field to ShortcutFile, replacing an existing file. A failure is
  // always shown ("Unable to create .lnk file"), Quiet or not.
  bool WriteLink();

 private:
  bool Fail(const wchar_t* text, bool show);

  wchar_t hotKey_ = L' ';
  int showCmd_ = 0;
  bool success_ = false;
  std::wstring error_;
};

}  // namespace vt
