// The Drive Cleaner's rules as the user keeps them: file types, options, the
// fixed drives and the exceptions, with their stored form under
// ProductRegKey\Options\DC and the two exception-list files in the program folder.
// The settings window edits a DCSettings; the scan gets DcRules from it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "modules/drive_cleaner/dc_rules.h"

namespace vt {

// ProductRegKey\Options\DC
std::wstring DCSettingsKey();
inline constexpr wchar_t kDCFoldersFile[] = L"DC-Folders.txt";
inline constexpr wchar_t kDCFilesFile[] = L"DC-Files.txt";
// Pictures of the file-type list; a stored index outside this range shows picture 0.
inline constexpr int kDCFileTypeImageCount = 12;

struct DCOptions {
  bool TmpDirAll = true;
  bool TmpDirUser = true;
  bool Minidump = true;
  bool Lnk = false;
  bool Pif = false;
  bool WriteProtected = true;
  bool NoRecycleBin = false;
};

// One option: its check box, its stored value name and its field.
struct DCOptionSpec {
  std::wstring_view checkBox;
  std::wstring_view value;
  bool DCOptions::*flag;
};
inline constexpr DCOptionSpec kDCOptionSpecs[] = {
    {L"CheckBox_TMPDir_ALL", L"TMPDir_ALL", &DCOptions::TmpDirAll},
    {L"CheckBox_TMPDir_USER", L"TMPDir_User", &DCOptions::TmpDirUser},
    {L"CheckBox_Minidump", L"Minidump", &DCOptions::Minidump},
    {L"CheckBox_DC_LNK", L"LNK", &DCOptions::Lnk},
    {L"CheckBox_DC_PIF", L"PIF", &DCOptions::Pif},
    {L"CheckBox_DC_Ignore_InUseOrWriteProtected", L"WriteProtected", &DCOptions::WriteProtected},
    {L"CheckBox_DC_NoRecycleBin", L"NoRecycleBin", &DCOptions::NoRecycleBin},
};

struct DCDrive {
  std::wstring DisplayName;  // the shell's name of the root, or "X:\" when it gives none
  std::wstring Root;         // "X:\"
  int IconIndex = -1;        // in the system's large image list; -1: no icon
  bool Checked = false;
};

// What the system says about one drive letter.
struct DCDriveProbe {
  bool fixed = false;
  std::wstring displayName;  // trimmed; empty when the shell gives none
  int iconIndex = -1;
};
DCDriveProbe ProbeDrive(wchar_t letter);

struct DCSettings {
  std::vector<TDCFileType> FileTypes;
  std::vector<TDCException> Exceptions;
  std::vector<DCDrive> Drives;
  DCOptions Options;
};

// The seven types of a fresh installation, named in the current language.
std::vector<TDCFileType> DefaultDCFileTypes();
// The stored types (FileTyp0, 1, ... up to the first gap), or the defaults when
// there is no Mask key.
std::vector<TDCFileType> LoadDCFileTypes();
// Masks from a stored or typed text: pieces before each ";" upper-cased and
// trimmed (also empty ones), the last piece only when longer than one character.
std::vector<std::wstring> SplitDCMasks(std::wstring_view text);

// The six built-in rows, then the folders of DC-Folders.txt and the store, then
// the files of DC-Files.txt and the store: expanded, sorted without regard to
// case and without duplicates. `missingFile` gets the full path of a list file
// that does not exist (then nothing else is returned).
std::vector<TDCException> LoadDCExceptions(const std::wstring& appDir, std::wstring& missingFile);
std::vector<TDCException> BuiltInDCExceptions();

// Defaults overlaid by stored 0/1 values; anything else stored is ignored.
DCOptions LoadDCOptions();

// Fixed drives C..Z, checked when the shell names them unless a stored value
// says otherwise ("1" checks, anything else unchecks).
std::vector<DCDrive> LoadDCDrives(const std::function<DCDriveProbe(wchar_t)>& probe = ProbeDrive);

// Everything above; false (and `missingFile` set) when a list file is missing.
bool LoadDCSettings(const std::wstring& appDir, DCSettings& settings, std::wstring& missingFile);

// Rewrites the whole stored form; built-in exception rows are never stored.
void SaveDCSettings(const DCSettings& settings);

// The rules a scan runs with.
DcRules ToDcRules(const DCSettings& settings);

}  // namespace vt
