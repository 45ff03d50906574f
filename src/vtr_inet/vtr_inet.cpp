// vtr_inet.dll: the news-channel library. Deliberately minimal: it remembers
// what the program tells it, records each start under the program's registry
// key and offers a small configuration dialog. It never opens a connection.
#define VTR_INET_BUILD
#include "vtr_inet/vtr_inet_api.h"

#include <cwchar>
#include <new>
#include <string>
#include <vector>

struct VinetInfoCheck {
  std::wstring product;
  std::wstring version;
  int language = 0;
  HWND parent = nullptr;
  HKEY root = nullptr;
  std::wstring key;
};

namespace {

HINSTANCE libraryInstance = nullptr;

constexpr int kGerman = 7;
constexpr const wchar_t* kIntervals[] = {L"daily", L"weekly", L"monthly"};
constexpr int kDefaultInterval = 1;

struct Texts {
  const wchar_t* showOnStart;
  const wchar_t* interval;
  const wchar_t* ok;
  const wchar_t* cancel;
  const wchar_t* intervals[3];
};

constexpr Texts kEnglish = {
    L"Show news on start-up", L"Interval:", L"OK", L"Cancel", {L"Daily", L"Weekly", L"Monthly"}};
constexpr Texts kDeutsch = {L"Neuigkeiten beim Start anzeigen",
                            L"Intervall:",
                            L"OK",
                            L"Abbrechen",
                            {L"T\u00e4glich", L"W\u00f6chentlich", L"Monatlich"}};

const Texts& TextsFor(int language) {
  return language == kGerman ? kDeutsch : kEnglish;
}

// Closes the key on every path.
class Key {
 public:
  Key(HKEY root, const std::wstring& path, bool write) {
    if (!root || path.empty()) return;
    if (write)
      RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &key_, nullptr);
    else
      RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE, &key_);
  }
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  explicit operator bool() const { return key_ != nullptr; }

  bool SetText(const wchar_t* name, const std::wstring& text) {
    return RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }
  bool SetNumber(const wchar_t* name, DWORD number) {
    return RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number)) ==
           ERROR_SUCCESS;
  }
  bool Number(const wchar_t* name, DWORD& number) const {
    DWORD size = sizeof(number);
    return RegGetValueW(key_, nullptr, name, RRF_RT_REG_DWORD, nullptr, &number, &size) == ERROR_SUCCESS;
  }
  std::wstring Text(const wchar_t* name) const {
    wchar_t buffer[64] = {};
    DWORD size = sizeof(buffer);
    return RegGetValueW(key_, nullptr, name, RRF_RT_REG_SZ, nullptr, buffer, &size) == ERROR_SUCCESS ? buffer : L"";
  }

 private:
  HKEY key_ = nullptr;
};

std::wstring LocalTimeText() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[32];
  swprintf(text, 32, L"%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
           now.wSecond);
  return text;
}

// An in-memory dialog template, so the library needs no resource script.
class DialogTemplate {
 public:
  DialogTemplate(const wchar_t* title, short width, short height, int items) {
    Align();
    PutDword(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    PutDword(0);
    words_.push_back(static_cast<WORD>(items));
    PutShorts({0, 0, width, height});
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    PutText(title);
    words_.push_back(8);
    PutText(L"MS Shell Dlg");
  }
  // Class atoms of the predefined controls.
  enum : WORD { kButton = 0x80, kStatic = 0x82, kComboBox = 0x85 };
  void Add(WORD classAtom, DWORD style, short x, short y, short width, short height, int id, const wchar_t* text) {
    Align();
    PutDword(style | WS_CHILD | WS_VISIBLE);
    PutDword(0);
    PutShorts({x, y, width, height});
    words_.push_back(static_cast<WORD>(id));
    words_.push_back(0xFFFF);
    words_.push_back(classAtom);
    PutText(text);
    words_.push_back(0);  // no creation data
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Align() {
    if (words_.size() % 2) words_.push_back(0);
  }
  void PutDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void PutShorts(std::initializer_list<short> values) {
    for (short value : values) words_.push_back(static_cast<WORD>(value));
  }
  void PutText(const wchar_t* text) {
    for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
    words_.push_back(0);
  }
  std::vector<WORD> words_;  // WORD-aligned storage keeps the DWORD alignment the template needs
};

INT_PTR CALLBACK ConfigProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      const auto* check = reinterpret_cast<const VinetInfoCheck*>(lParam);
      const Texts& texts = TextsFor(check->language);
      // Opens with what is stored, so OK without changes keeps the choice.
      DWORD enabled = 1;
      int interval = kDefaultInterval;
      Key key(check->root, check->key, false);
      if (key) {
        key.Number(L"Enabled", enabled);
        const std::wstring stored = key.Text(L"Interval");
        for (int i = 0; i < 3; ++i)
          if (stored == kIntervals[i]) interval = i;
      }
      CheckDlgButton(dialog, kVinetConfigShowOnStart, enabled ? BST_CHECKED : BST_UNCHECKED);
      for (const wchar_t* name : texts.intervals)
        SendDlgItemMessageW(dialog, kVinetConfigInterval, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
      SendDlgItemMessageW(dialog, kVinetConfigInterval, CB_SETCURSEL, interval, 0);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        const auto* check = reinterpret_cast<const VinetInfoCheck*>(GetWindowLongPtrW(dialog, DWLP_USER));
        const bool enabled = IsDlgButtonChecked(dialog, kVinetConfigShowOnStart) == BST_CHECKED;
        LRESULT interval = SendDlgItemMessageW(dialog, kVinetConfigInterval, CB_GETCURSEL, 0, 0);
        if (interval < 0 || interval > 2) interval = kDefaultInterval;
        Key key(check->root, check->key, true);
        const bool stored =
            key && key.SetNumber(L"Enabled", enabled ? 1 : 0) && key.SetText(L"Interval", kIntervals[interval]);
        EndDialog(dialog, stored ? IDOK : IDABORT);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    libraryInstance = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

VINET_API BOOL WINAPI vinet_Init(void) {
  return TRUE;
}

VINET_API VinetInfoCheck* WINAPI vinet_InfoCheckCreate(void) {
  return new (std::nothrow) VinetInfoCheck;
}

VINET_API BOOL WINAPI vinet_InfoCheckSetProduct(VinetInfoCheck* check, const wchar_t* product) {
  if (!check || !product) return FALSE;
  check->product = product;
  return TRUE;
}

VINET_API BOOL WINAPI vinet_InfoCheckSetProductVersion(VinetInfoCheck* check, const wchar_t* version) {
  if (!check || !version) return FALSE;
  check->version = version;
  return TRUE;
}

VINET_API BOOL WINAPI vinet_InfoCheckSetProductLanguage(VinetInfoCheck* check, int language) {
  if (!check) return FALSE;
  check->language = language;
  return TRUE;
}

VINET_API BOOL WINAPI vinet_InfoCheckSetParentWindow(VinetInfoCheck* check, HWND parent) {
  if (!check) return FALSE;
  check->parent = parent;
  return TRUE;
}

VINET_API BOOL WINAPI vinet_InfoCheckSetRegistryKey(VinetInfoCheck* check, HKEY root, const wchar_t* key) {
  if (!check || !root || !key) return FALSE;
  check->root = root;
  check->key = key;
  return TRUE;
}

VINET_API BOOL WINAPI vinet_InfoCheckStartAllAuto(VinetInfoCheck* check) {
  if (!check) return FALSE;
  Key key(check->root, check->key, true);
  return key && key.SetText(L"Product", check->product) && key.SetText(L"Version", check->version) &&
         key.SetNumber(L"Language", static_cast<DWORD>(check->language)) && key.SetText(L"LastStart", LocalTimeText());
}

VINET_API BOOL WINAPI vinet_InfoCheckDoConfig(VinetInfoCheck* check, HWND owner) {
  if (!check) return FALSE;
  const Texts& texts = TextsFor(check->language);
  DialogTemplate dialog(kVinetConfigTitle, 200, 80, 5);
  dialog.Add(DialogTemplate::kButton, BS_AUTOCHECKBOX | WS_TABSTOP, 7, 7, 186, 12, kVinetConfigShowOnStart,
             texts.showOnStart);
  dialog.Add(DialogTemplate::kStatic, SS_LEFT, 7, 28, 60, 10, -1, texts.interval);
  dialog.Add(DialogTemplate::kComboBox, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 70, 26, 123, 60,
             kVinetConfigInterval, L"");
  dialog.Add(DialogTemplate::kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 59, 50, 14, IDOK, texts.ok);
  dialog.Add(DialogTemplate::kButton, BS_PUSHBUTTON | WS_TABSTOP, 143, 59, 50, 14, IDCANCEL, texts.cancel);
  // The settings window that opens this passes no owner but is set as parent and
  // stays on top: own the dialog by it then, or the dialog could open behind it.
  const INT_PTR result = DialogBoxIndirectParamW(libraryInstance, dialog.Get(), owner ? owner : check->parent,
                                                 ConfigProc, reinterpret_cast<LPARAM>(check));
  return result == IDOK;
}
