#include "modules/drive_cleaner/dc_settings.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "core/globals.h"
#include "core/text.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "platform/win_registry.h"
#include "texts/dc_options_texts.h"

namespace vt {

namespace {

std::wstring MaskKey() { return DCSettingsKey() + L"\\Mask"; }
std::wstring FoldersKey() { return DCSettingsKey() + L"\\Folders"; }
std::wstring FilesKey() { return DCSettingsKey() + L"\\Files"; }

// A stored flag: 0 or 1 as an integer or as text. Anything else (another number,
// a binary or multi-string value, a DWORD of the wrong size) is no flag.
std::optional<bool> ReadFlag(const std::wstring& key, const std::wstring& name) {
  std::optional<std::int32_t> number;
  switch (Reg().ValueDataType(HKLM, key, name)) {
    case kValueInteger:
      if (Reg().ValueDataSize(HKLM, key, name) == 4) number = Reg().ReadIntegerValue(HKLM, key, name);
      break;
    case kValueString:
    case kValueExpandString:
      number = ParseInt32(Reg().ReadStringValue(HKLM, key, name));
      break;
    default:
      break;
  }
  if (number == 0 || number == 1) return *number == 1;
  return std::nullopt;
}

// Text values only: a number or bytes stored under a text name are no text of ours.
std::wstring ReadText(const std::wstring& key, const std::wstring& name) {
  const int type = Reg().ValueDataType(HKLM, key, name);
  return type == kValueString || type == kValueExpandString ? Reg().ReadStringValue(HKLM, key, name)
                                                            : std::wstring();
}

std::wstring JoinMasks(const std::vector<std::wstring>& masks) {
  std::wstring text;
  for (const auto& mask : masks) text += mask + L";";
  return text;
}

bool LessNoCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_LESS_THAN;
}

// The file's lines and the stored value names, expanded, sorted without regard to
// case, each only once. False when the file does not exist.
bool ReadExceptionLines(const std::wstring& file, const std::wstring& key, std::vector<std::wstring>& lines) {
  const auto bytes = ReadFileBytes(file);
  if (!bytes) return false;
  std::vector<std::wstring> raw = SplitLines(AnsiToWide(*bytes));
  std::vector<std::wstring> stored;
  Reg().ListValueNames(HKLM, key, stored);
  raw.insert(raw.end(), stored.begin(), stored.end());
  for (auto& line : raw) line = ExpandEnvVars(line);
  std::stable_sort(raw.begin(), raw.end(), LessNoCase);
  for (auto& line : raw)
    if (lines.empty() || !EqualsNoCase(lines.back(), line)) lines.push_back(std::move(line));
  return true;
}

}  // namespace

std::wstring DCSettingsKey() { return ProductRegKey + L"\\Options\\DC"; }

std::vector<std::wstring> SplitDCMasks(std::wstring_view text) {
  std::vector<std::wstring> masks;
  SplitUpperTrim(text, L';', masks);
  return masks;
}

std::vector<TDCFileType> DefaultDCFileTypes() {
  // Named now, in the language of this moment; a stored name is never translated again.
  std::vector<std::wstring> names;
  for (int i = 0; i < 7; ++i) names.push_back(kDcOptionsTexts.Text(L"MESSAGE_FileTyp_" + std::to_wstring(i)));
  return DefaultDcFileTypes(names);
}

std::vector<TDCFileType> LoadDCFileTypes() {
  if (!Reg().KeyExists(HKLM, MaskKey())) return DefaultDCFileTypes();
  std::vector<TDCFileType> types;
  for (int n = 0;; ++n) {
    const std::wstring key = MaskKey() + L"\\FileTyp" + std::to_wstring(n);
    if (!Reg().KeyExists(HKLM, key)) break;
    TDCFileType type;
    type.Checked = ReadFlag(key, L"Checked").value_or(false);
    type.Name = ReadText(key, L"Name");
    const int image = Reg().ValueDataType(HKLM, key, L"ImageIndex") == kValueInteger
                          ? Reg().ReadIntegerValue(HKLM, key, L"ImageIndex")
                          : 0;
    type.ImageIndex = image >= 0 && image < kDCFileTypeImageCount ? image : 0;
    type.Masks = SplitDCMasks(ReadText(key, L"Wildcards"));
    types.push_back(std::move(type));
  }
  return types;
}

std::vector<TDCException> BuiltInDCExceptions() {
  std::vector<TDCException> rows;
  for (const wchar_t* name : {L"Recycle Bin", L"Temporary Internet Files", L"Temporary Files", L"Office - VBE",
                              L"Cookies", L"History.IE5"})
    rows.push_back({name, true, 1, true});
  return rows;
}

std::vector<TDCException> LoadDCExceptions(const std::wstring& appDir, std::wstring& missingFile) {
  missingFile.clear();
  std::vector<TDCException> rows = BuiltInDCExceptions();
  const struct {
    const wchar_t* file;
    std::wstring key;
    bool folder;
  } lists[] = {{kDCFoldersFile, FoldersKey(), true}, {kDCFilesFile, FilesKey(), false}};
  for (const auto& list : lists) {
    const std::wstring path = appDir + L"\\" + list.file;
    std::vector<std::wstring> lines;
    if (!ReadExceptionLines(path, list.key, lines)) {
      missingFile = path;
      return {};
    }
    for (auto& line : lines) rows.push_back({std::move(line), list.folder, list.folder ? 1 : 0, false});
  }
  return rows;
}

DCOptions LoadDCOptions() {
  DCOptions options;
  for (const auto& option : kDCOptionSpecs)
    if (auto stored = ReadFlag(DCSettingsKey(), std::wstring(option.value))) options.*option.flag = *stored;
  return options;
}

DCDriveProbe ProbeDrive(wchar_t letter) {
  // An unready drive must not bring up the system's "insert a disk" box.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  DCDriveProbe probe;
  const std::wstring root = std::wstring(1, letter) + L":\\";
  probe.fixed = GetDriveTypeW(root.c_str()) == DRIVE_FIXED;
  if (probe.fixed) {
    SHFILEINFOW info{};
    if (SHGetFileInfoW(root.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME)) probe.displayName = Trim(info.szDisplayName);
    SHFILEINFOW icon{};
    if (SHGetFileInfoW(root.c_str(), 0, &icon, sizeof icon, SHGFI_SYSICONINDEX | SHGFI_LARGEICON))
      probe.iconIndex = icon.iIcon;
  }
  SetErrorMode(oldMode);
  return probe;
}

std::vector<DCDrive> LoadDCDrives(const std::function<DCDriveProbe(wchar_t)>& probe) {
  std::vector<DCDrive> drives;
  for (wchar_t letter = L'C'; letter <= L'Z'; ++letter) {
    DCDriveProbe found = probe(letter);
    if (!found.fixed) continue;
    DCDrive drive;
    drive.Root = std::wstring(1, letter) + L":\\";
    drive.Checked = !found.displayName.empty();
    drive.DisplayName = found.displayName.empty() ? drive.Root : found.displayName;
    drive.IconIndex = found.iconIndex;
    const std::wstring name(1, letter);
    if (Reg().ValueExists(HKLM, DCSettingsKey(), name))
      drive.Checked = Reg().ReadStringValue(HKLM, DCSettingsKey(), name) == L"1";
    drives.push_back(std::move(drive));
  }
  return drives;
}

bool LoadDCSettings(const std::wstring& appDir, DCSettings& settings, std::wstring& missingFile) {
  settings.FileTypes = LoadDCFileTypes();
  settings.Exceptions = LoadDCExceptions(appDir, missingFile);
  if (!missingFile.empty()) return false;
  settings.Options = LoadDCOptions();
  settings.Drives = LoadDCDrives();
  return true;
}

void SaveDCSettings(const DCSettings& settings) {
  // The lists are rewritten whole: a row the user removed must not linger.
  Reg().RemoveKey(HKLM, FoldersKey());
  Reg().RemoveKey(HKLM, FilesKey());
  Reg().RemoveKey(HKLM, MaskKey());
  for (const auto& option : kDCOptionSpecs)
    Reg().SaveCheckBox(HKLM, DCSettingsKey(), std::wstring(option.value), settings.Options.*option.flag);
  for (const auto& drive : settings.Drives)
    if (!drive.Root.empty())
      Reg().WriteStringValue(HKLM, DCSettingsKey(), drive.Root.substr(0, 1), drive.Checked ? L"1" : L"0");
  for (const auto& row : settings.Exceptions) {
    if (row.BuiltIn) continue;
    const std::wstring& key = row.IsFolder ? FoldersKey() : FilesKey();
    Reg().CreateKeyPath(HKLM, key);
    Reg().WriteStringValue(HKLM, key, row.Path, L"");
  }
  for (std::size_t n = 0; n < settings.FileTypes.size(); ++n) {
    const auto& type = settings.FileTypes[n];
    const std::wstring key = MaskKey() + L"\\FileTyp" + std::to_wstring(n);
    Reg().WriteIntegerValue(HKLM, key, L"Checked", type.Checked ? 1 : 0);
    Reg().WriteStringValue(HKLM, key, L"Name", type.Name);
    Reg().WriteIntegerValue(HKLM, key, L"ImageIndex", type.ImageIndex);
    Reg().WriteStringValue(HKLM, key, L"Wildcards", JoinMasks(type.Masks));
  }
}

DcRules ToDcRules(const DCSettings& settings) {
  DcRules rules;
  for (const auto& drive : settings.Drives)
    if (drive.Checked) rules.DriveRoots.push_back(drive.Root);
  rules.FileTypes = settings.FileTypes;
  rules.Exceptions = settings.Exceptions;
  const DCOptions& o = settings.Options;
  rules.TmpDirAll = o.TmpDirAll;
  rules.TmpDirUser = o.TmpDirUser;
  rules.Minidump = o.Minidump;
  rules.Lnk = o.Lnk;
  rules.Pif = o.Pif;
  rules.WriteProtected = o.WriteProtected;
  rules.NoRecycleBin = o.NoRecycleBin;
  return rules;
}

}  // namespace vt
