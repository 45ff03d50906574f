#include "platform/shortcut_link.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstring>

#include "platform/dialogs.h"
#include "platform/handles.h"

namespace vt {

namespace {

// Holds one COM interface and releases it once.
template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (p_) p_->Release();
  }
  Interface* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void** put() { return reinterpret_cast<void**>(&p_); }

 private:
  Interface* p_ = nullptr;
};

// COM for the calling thread for as long as one operation runs. A thread that
// already runs another apartment model keeps it; the link object works in both.
class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialised_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

// The fixed start of every .lnk file: header size 0x4C and the link class.
constexpr DWORD kHeaderSize = 0x4C;
constexpr DWORD kShowCommandOffset = 0x3C;
constexpr unsigned char kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                          0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// The header's show command, or nothing when the file is no shortcut. Checked
// before the shell parses the file, so that garbage never reaches its parser.
// (The shell reports 1 after loading whatever the file holds.)
bool ReadHeaderShowCommand(const std::wstring& path, int& showCommand) {
  UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  unsigned char header[kHeaderSize] = {};
  DWORD read = 0;
  if (!ReadFile(file.get(), header, kHeaderSize, &read, nullptr) || read != kHeaderSize) return false;
  DWORD size = 0;
  std::memcpy(&size, header, 4);
  if (size != kHeaderSize || std::memcmp(header + 4, kLinkClsid, 16) != 0) return false;
  std::uint32_t value = 0;
  std::memcpy(&value, header + kShowCommandOffset, 4);
  showCommand = static_cast<int>(value);
  return true;
}

wchar_t UpperCase(wchar_t c) {
  CharUpperBuffW(&c, 1);
  return c;
}

// Letters and digits are their own virtual keys; other characters go through
// the keyboard layout. 0 when the character has no key.
BYTE VirtualKeyOf(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return static_cast<BYTE>(c);
  const SHORT scan = VkKeyScanW(c);
  return scan == -1 ? 0 : LOBYTE(scan);
}

wchar_t CharacterOf(BYTE key) {
  if (key == 0) return L' ';
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return static_cast<wchar_t>(key);
  const UINT c = MapVirtualKeyW(key, MAPVK_VK_TO_CHAR) & 0xFFFF;
  return c > L' ' ? UpperCase(static_cast<wchar_t>(c)) : L' ';
}

// Shell strings are limited by the format's 16-bit counts; this fits all of them.
constexpr int kTextBuffer = 32768;

}  // namespace

void TShortcutLink::SetHotKey(std::wstring_view key) {
  hotKey_ = key.empty() || key[0] < L' ' ? L' ' : UpperCase(key[0]);
}

TShowCmd TShortcutLink::ShowCmd() const {
  if (showCmd_ == SW_SHOWMAXIMIZED) return TShowCmd::scShowMaximized;
  if (showCmd_ == SW_SHOWMINNOACTIVE) return TShowCmd::scShowMinimized;
  return TShowCmd::scShowNormal;
}

void TShortcutLink::SetShowCmd(TShowCmd command) {
  showCmd_ = command == TShowCmd::scShowMaximized   ? SW_SHOWMAXIMIZED
             : command == TShowCmd::scShowMinimized ? SW_SHOWMINNOACTIVE
                                                    : SW_RESTORE;
}

bool TShortcutLink::Fail(const wchar_t* text, bool show) {
  error_ = text;
  if (show) ShowMessage(Owner, error_, MessageIcon::Error);
  return false;
}

bool TShortcutLink::ReadLink() {
  success_ = false;
  error_.clear();
  ComScope com;
  ComRef<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put()))) {
    // Without the shell's link object there is nothing the user could act on.
    return Fail(L"Unable to create the shell link object", false);
  }
  ComRef<IPersistFile> file;
  int showCommand = 0;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.put())) || !ReadHeaderShowCommand(ShortcutFile, showCommand) ||
      FAILED(file->Load(ShortcutFile.c_str(), STGM_READ)))
    return Fail(L"Unable to open link file", !Quiet);

  // Everything is read first and taken over only when all of it could be read.
  std::wstring buffer(kTextBuffer, L'\0');
  auto text = [&buffer] { return std::wstring(buffer.c_str()); };
  if (FAILED(link->GetWorkingDirectory(buffer.data(), kTextBuffer)))
    return Fail(L"Error in getting WorkingDir", !Quiet);
  const std::wstring workingDir = text();
  WIN32_FIND_DATAW found{};
  buffer[0] = L'\0';
  if (FAILED(link->GetPath(buffer.data(), kTextBuffer, &found, SLGP_UNCPRIORITY)))
    return Fail(L"Error in getting Target", !Quiet);
  const std::wstring target = text();
  buffer[0] = L'\0';
  if (FAILED(link->GetArguments(buffer.data(), kTextBuffer))) return Fail(L"Error in getting Arguments", !Quiet);
  const std::wstring arguments = text();
  buffer[0] = L'\0';
  if (FAILED(link->GetDescription(buffer.data(), kTextBuffer))) return Fail(L"Error in getting Description", !Quiet);
  const std::wstring description = text();
  buffer[0] = L'\0';
  int iconNumber = 0;
  if (FAILED(link->GetIconLocation(buffer.data(), kTextBuffer, &iconNumber)))
    return Fail(L"Error in getting IconLocation", !Quiet);
  const std::wstring iconLocation = text();
  WORD hotKey = 0;
  if (FAILED(link->GetHotkey(&hotKey))) return Fail(L"Error in getting HotKey", !Quiet);

  WorkingDir = workingDir;
  Target = target;
  Arguments = arguments;
  Description = description;
  IconLocation = iconLocation;
  IconNumber = static_cast<std::uint16_t>(iconNumber);
  hotKey_ = CharacterOf(LOBYTE(hotKey));
  showCmd_ = showCommand;
  // The stored path says nothing about whether the target is still there.
  const DWORD attributes = Target.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(Target.c_str());
  IsDir = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  success_ = true;
  return true;
}

bool TShortcutLink::WriteLink() {
  error_.clear();
  constexpr const wchar_t* kFailed = L"Unable to create .lnk file";
  ComScope com;
  ComRef<IShellLinkW> link;
  ComRef<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.put())))
    return Fail(kFailed, true);
  // Only 3 and 7 mean anything in a shortcut; everything else (a new link's 0
  // included, which some launchers take as "hidden") is written as normal.
  const int showCommand = showCmd_ == SW_SHOWMAXIMIZED || showCmd_ == SW_SHOWMINNOACTIVE ? showCmd_ : SW_SHOWNORMAL;
  const BYTE key = hotKey_ > L' ' ? VirtualKeyOf(hotKey_) : 0;
  // A link that misses a field it was given is not the link that was asked for.
  if (FAILED(link->SetPath(Target.c_str())) || FAILED(link->SetWorkingDirectory(WorkingDir.c_str())) ||
      FAILED(link->SetArguments(Arguments.c_str())) || FAILED(link->SetDescription(Description.c_str())) ||
      FAILED(link->SetShowCmd(showCommand)) ||
      (key != 0 && FAILED(link->SetHotkey(MAKEWORD(key, HOTKEYF_CONTROL | HOTKEYF_ALT)))) ||
      FAILED(link->SetIconLocation(IconLocation.c_str(), IconNumber)) || FAILED(file->Save(ShortcutFile.c_str(), TRUE)))
    return Fail(kFailed, true);
  return true;
}

}  // namespace vt
