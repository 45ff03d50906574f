// The Drive Cleaner's rules in force for one scan: which drives, which file
// types, which options and which exceptions. The settings window edits them;
// the scan, the delete step and the One-Click-Optimizer only read them.
#pragma once

#include <string>
#include <vector>

namespace vt {

struct TDCFileType {
  std::wstring Name;                // category title of the results
  std::vector<std::wstring> Masks;  // upper-case, trimmed; matched by TWildMatch
  int ImageIndex = 0;
  bool Checked = true;  // takes part in the scan
};

struct TDCException {
  std::wstring Path;  // folder entries end in "\" (a full path or a single name)
  bool IsFolder = false;
  int ImageIndex = 0;
  bool BuiltIn = false;  // a label for a protection the scan applies by fixed rules
};

struct DcRules {
  std::vector<std::wstring> DriveRoots;  // the checked drives' roots ("C:\"), in list order
  std::vector<TDCFileType> FileTypes;
  std::vector<TDCException> Exceptions;
  bool TmpDirAll = true;       // "TMPDir_ALL"
  bool TmpDirUser = true;      // "TMPDir_User"
  bool Minidump = true;        // "Minidump"
  bool Lnk = false;            // "LNK": broken shortcuts
  bool Pif = false;            // "PIF": broken DOS shortcuts
  bool WriteProtected = true;  // "WriteProtected": read-only and locked files are left out
  bool NoRecycleBin = false;   // "NoRecycleBin" (the delete step)
};

// The seven file types of a fresh installation, with the given names (the
// settings window looks them up in the language file; German by default).
std::vector<TDCFileType> DefaultDcFileTypes(const std::vector<std::wstring>& names = {});

}  // namespace vt
