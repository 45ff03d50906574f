#include "modules/drive_cleaner/drive_scan.h"

#include <objbase.h>
#include <windows.h>

#include "core/globals.h"
#include "core/text.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "platform/shortcut_link.h"

namespace vt {

namespace {

struct FolderEntries {
  struct File {
    std::wstring name;
    std::int64_t size;
    DWORD attributes;
  };
  std::vector<File> files;
  std::vector<std::wstring> folders;  // walkable: no links, no names starting with "."
};

std::int64_t EntrySize(const WIN32_FIND_DATAW& data) {
  const auto size = (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return size < 0 ? 0 : size;
}

// One listing of `folder` (ending in "\") for `mask`, hidden and system entries
// included. A junction or symbolic link to a folder is never listed as a folder
// to enter: it may point above itself (a loop) or at something counted already.
FolderEntries ListFolder(const std::wstring& folder, const std::wstring& mask = L"*") {
  FolderEntries entries;
  WIN32_FIND_DATAW data;
  UniqueFindHandle find(FindFirstFileW(LongPath(folder + mask).c_str(), &data));
  if (!find) return entries;
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (data.cFileName[0] != L'.' && !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        entries.folders.push_back(data.cFileName);
    } else {
      entries.files.push_back({data.cFileName, EntrySize(data), data.dwFileAttributes});
    }
  } while (FindNextFileW(find.get(), &data));
  return entries;
}

std::vector<std::wstring> ListSubfolderNames(const std::wstring& folder) {
  return ListFolder(folder).folders;
}

bool EndsWith(std::wstring_view text, std::wstring_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The extension with its dot, as the last "." after the last "\" or ":".
std::wstring Extension(const std::wstring& path) {
  const auto dot = path.find_last_of(L".\\:");
  if (dot == std::wstring::npos || path[dot] != L'.') return {};
  return path.substr(dot);
}

struct LinkTarget {
  bool success = false;
  std::wstring target;
  bool isDir = false;
};

LinkTarget ReadShortcutTarget(const std::wstring& path) {
  TShortcutLink link;
  link.Quiet = true;
  link.ShortcutFile = LongPath(path);
  link.ReadLink();
  return {link.Success(), link.Target, link.IsDir};
}

// Read-only files and files another program holds. The attribute is asked for
// itself: Wine run by root opens a read-only file for writing all the same.
bool Locked(const std::wstring& path, DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_READONLY) || FileInUse(path);
}

bool PathExists(const std::wstring& path) {
  return GetFileAttributesW(LongPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}
bool FolderExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(LongPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A shortcut target as a plain path: line breaks and anything after the
// arguments that follow a three-letter extension cut off, variables expanded,
// quotes removed.
std::wstring NormalisedTarget(std::wstring target) {
  const bool cut = target.find(L'.') != std::wstring::npos && target.size() > 3;
  for (const wchar_t stop : {L'\n', L'\r', L'\0', L'\x7F'}) {
    const auto at = target.find(stop);
    if (cut && at != std::wstring::npos) target.resize(at);
  }
  for (std::size_t i = 4; cut && i + 1 < target.size(); ++i) {
    const wchar_t c = target[i];
    if (c != L' ' && c != L',' && c != L'/') continue;
    const std::wstring_view before = std::wstring_view(target).substr(i - 4, 4);
    if (before[0] == L'.' && before.find(L'\\') == std::wstring_view::npos) {
      target.resize(i);
      break;
    }
  }
  target = ExpandEnvVars(target);
  std::erase(target, L'"');
  return UpperCase(target);
}

}  // namespace

bool DriveScan::InSkipFolders(const std::wstring& upper) const {
  return skipFolders_.contains(upper);
}
bool DriveScan::InSkipFiles(const std::wstring& upper) const {
  return skipFiles_.contains(upper);
}

int DriveScan::AddCategory(const std::wstring& title, int imageIndex) {
  TDCResultData row;
  row.Name = title;
  row.IsCategory = true;
  row.ImageIndex = imageIndex;
  Rows.push_back(row);
  return static_cast<int>(Rows.size()) - 1;
}

void DriveScan::AddFile(const std::wstring& path, std::int64_t size, int category, const std::wstring& target) {
  foundFiles_.insert(UpperCase(path));
  const auto slash = path.rfind(L'\\');
  TDCResultData row;
  row.Name = path.substr(slash + 1);
  row.Folder = path.substr(0, slash);
  row.Size = size;
  row.ShortcutTarget = target;
  row.Category = category;
  Rows.push_back(row);
}

DcScanResult DriveScan::Run(const DcRules& rules, const WorkSteps& steps, bool hideEmptyCategories,
                            const DcScanTexts& texts, const std::function<void(const DcScanPhase&)>& onPhase) {
  CancelRequested = false;
  masks_.clear();
  foundFiles_.clear();
  skipFolders_.clear();
  skipFiles_.clear();
  currentCategory_ = -1;
  Progress = {};

  ScanDriveLetters.clear();
  for (const auto& root : rules.DriveRoots)
    if (!root.empty()) ScanDriveLetters += UpperChar(root[0]);
  if (ScanDriveLetters.empty()) return DcScanResult::NoDrives;
  Rows.clear();
  DCScannedFolders = DCScannedFiles = DCFoundCount = DCFoundBytes = 0;

  // The shell-link object needs COM on this thread; a window thread may have it already.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

  tempAllFolder_ = UpperCase(WindowsTempDir + L"\\");
  tempUserFolder_ = UserTempDir.empty() ? std::wstring() : UpperCase(UserTempDir + L"\\");
  skipFolders_.insert(tempAllFolder_);
  if (!tempUserFolder_.empty()) skipFolders_.insert(tempUserFolder_);
  for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
    const std::wstring root = std::wstring(1, letter) + L":\\";
    skipFolders_.insert(root + L"RECYCLED\\");
    skipFolders_.insert(root + L"RECYCLER\\");
    skipFolders_.insert(root + L"SYSTEM VOLUME INFORMATION\\");
  }
  const std::wstring windows = UpperCase(WindowsDir);
  for (const wchar_t* sub : {L"\\SYSBACKUP\\", L"\\REPAIR\\", L"\\SECURITY\\", L"\\INSTALLER\\"})
    skipFolders_.insert(windows + sub);

  writeProtected_ = rules.WriteProtected;
  lnk_ = rules.Lnk;
  pif_ = rules.Pif;

  const int tmpCategory = rules.TmpDirAll || rules.TmpDirUser ? AddCategory(texts.TmpFiles, 0) : -1;
  const int dumpCategory = rules.Minidump ? AddCategory(texts.Minidumps, 0) : -1;
  if (lnk_) masks_.push_back({L"*.LNK", AddCategory(texts.Lnk, 0)});
  if (pif_) masks_.push_back({L"*.PIF", AddCategory(texts.Pif, 0)});
  for (const auto& type : rules.FileTypes) {
    if (!type.Checked) continue;
    const int category = AddCategory(type.Name, type.ImageIndex);
    for (const auto& mask : type.Masks) masks_.push_back({mask, category});
  }

  for (const auto& exception : rules.Exceptions) {
    if (exception.BuiltIn) continue;
    (exception.IsFolder ? skipFolders_ : skipFiles_).insert(UpperCase(exception.Path));
  }

  const auto phase = [&](DcScanPhase::Kind kind, const std::wstring& folder, std::int64_t maximum = 0) {
    if (onPhase) onPhase({kind, folder, maximum});
    return steps.Next();
  };

  const std::pair<bool, const std::wstring*> tempPasses[] = {{rules.TmpDirAll, &tempAllFolder_},
                                                             {rules.TmpDirUser, &tempUserFolder_}};
  for (const auto& [enabled, folder] : tempPasses) {
    if (!enabled || CancelRequested) continue;
    if (!phase(DcScanPhase::TempFolder, *folder)) break;
    Progress.FolderTally = 0;
    currentCategory_ = tmpCategory;
    FolderPass(*folder, L"*.*", steps);
    currentCategory_ = -1;
  }

  if (rules.Minidump && !CancelRequested) {
    const std::wstring dumps = WindowsDir + L"\\Minidump\\";
    if (phase(DcScanPhase::Minidumps, dumps) && FolderExists(dumps)) {
      Progress.FolderTally = 0;
      currentCategory_ = dumpCategory;
      FolderPass(dumps, L"*.dmp", steps);
      currentCategory_ = -1;
    }
  }

  for (const wchar_t letter : ScanDriveLetters) {
    if (CancelRequested) break;
    const std::wstring root = std::wstring(1, letter) + L":\\";
    Progress.CountingPhase = true;
    Progress.ScanningPhase = false;
    Progress.FolderTally = 0;
    if (!phase(DcScanPhase::CountFolders, root)) break;
    CountFolders(root, steps);
    if (CancelRequested) break;
    Progress.CountingPhase = false;
    Progress.ScanningPhase = true;
    const std::int64_t counted = Progress.FolderTally;
    Progress.FolderTally = 0;
    Progress.CurrentDrive = root;
    if (!phase(DcScanPhase::WalkDrive, root, counted)) break;
    Walk(root, L"", steps);
  }
  Progress.CountingPhase = Progress.ScanningPhase = false;

  if (SUCCEEDED(com)) CoUninitialize();
  if (CancelRequested) return DcScanResult::Cancelled;
  if (hideEmptyCategories) RemoveEmptyCategories(Rows);
  RecountDCResults(Rows);
  return DcScanResult::Completed;
}

// A folder exception protects the folder and everything below it here too:
// files in a protected folder's subfolders are the user's as much as its own.
// Only the pass's own temp folders are no protection in their own pass.
bool DriveScan::FolderPassProtects(const std::wstring& upperRoot, const std::wstring& upperDir) const {
  for (std::wstring dir = upperDir; dir.size() >= upperRoot.size();) {
    if (dir != tempAllFolder_ && dir != tempUserFolder_) {
      if (InSkipFolders(dir)) return true;
      const auto previous = dir.rfind(L'\\', dir.size() - 2);
      if (previous != std::wstring::npos && InSkipFolders(dir.substr(previous + 1))) return true;
    }
    if (dir.size() == upperRoot.size()) break;
    dir.resize(dir.rfind(L'\\', dir.size() - 2) + 1);
  }
  return false;
}

void DriveScan::FolderPass(const std::wstring& folder, const std::wstring& mask, const WorkSteps& steps) {
  if (CancelRequested) return;
  Progress.CurrentFolder = folder;
  if (folder.size() <= 3) return;  // never a whole drive
  FolderPassTree(folder, folder, mask, steps);
}

void DriveScan::FolderPassTree(const std::wstring& root, const std::wstring& folder, const std::wstring& mask,
                               const WorkSteps& steps) {
  if (!steps.Next()) return;
  const FolderEntries entries = ListFolder(folder, mask);
  const std::wstring upperDir = UpperCase(folder);
  const bool protectedDir = FolderPassProtects(UpperCase(root), upperDir);
  for (const auto& file : entries.files) {
    if (protectedDir) break;
    const std::wstring path = folder + file.name;
    const std::wstring upper = UpperCase(path);
    if (ContainsText(upper, L"\\TEMPORARY INTERNET FILES\\") || ContainsText(upper, L"\\VBE\\") ||
        ContainsText(upper, L"\\COOKIES\\") || ContainsText(upper, L"\\HISTORY.IE5\\"))
      continue;
    if (InSkipFiles(UpperCase(file.name)) || InSkipFiles(upper)) continue;
    if (writeProtected_ && Locked(path, file.attributes)) continue;
    if (foundFiles_.contains(upper)) continue;
    AddFile(path, file.size, currentCategory_, {});
  }
  // The mask picks files only; every subfolder is searched.
  for (const auto& name : (mask == L"*" ? entries.folders : ListSubfolderNames(folder))) {
    if (CancelRequested) return;
    FolderPassTree(root, folder + name + L"\\", mask, steps);
  }
}

void DriveScan::CountFolders(const std::wstring& folder, const WorkSteps& steps) {
  if (CancelRequested) return;
  Progress.CountingPhase = true;
  Progress.ScanningPhase = false;
  ++Progress.FolderTally;
  if (folder.size() <= 2) return;
  WIN32_FIND_DATAW data;
  std::vector<std::wstring> subfolders;
  {
    UniqueFindHandle find(FindFirstFileW(LongPath(folder + L"*").c_str(), &data));
    if (!find) return;
    do {
      if (!steps.Next()) return;
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && data.cFileName[0] != L'.')
        subfolders.push_back(data.cFileName);
    } while (FindNextFileW(find.get(), &data));
  }
  for (const auto& name : subfolders) {
    if (CancelRequested) return;
    CountFolders(folder + name + L"\\", steps);
  }
}

void DriveScan::Walk(const std::wstring& root, const std::wstring& relative, const WorkSteps& steps) {
  if (CancelRequested) return;
  Progress.ScanningPhase = true;
  Progress.CountingPhase = false;
  ++DCScannedFolders;
  ++Progress.FolderTally;
  Progress.CurrentFolder = relative;

  // Folder exceptions hold for every folder, the drive root and short top-level
  // folders included: the user asked for that folder and its subfolders to be left alone.
  const std::wstring upperFolder = UpperCase(root + relative);
  if (InSkipFolders(upperFolder)) return;
  if (!relative.empty()) {
    const auto previous = relative.rfind(L'\\', relative.size() - 2);
    if (InSkipFolders(UpperCase(previous == std::wstring::npos ? relative : relative.substr(previous + 1)))) return;
  }
  if (ContainsText(UpperCase(relative), L"\\TEMPORARY INTERNET FILES\\")) return;
  const std::wstring folder = root + relative;
  const FolderEntries entries = ListFolder(folder);

  // Files in the root and in top-level folders of one or two characters are
  // never examined (their subfolders are).
  if (relative.size() > 3) {
    for (std::size_t n = 0; n < entries.files.size(); ++n) {
      if (n % 10 == 0 && !steps.Next()) return;
      if (CancelRequested) return;
      const auto& file = entries.files[n];
      ++DCScannedFiles;
      Progress.CurrentFile = file.name;
      const std::wstring upperName = UpperCase(file.name);
      if (ContainsText(upperName, L".EXE.") || file.name.find(L'.') == std::wstring::npos) continue;
      const Mask* found = nullptr;
      for (const auto& mask : masks_)
        if (match_.Matches(upperName, mask.pattern)) {
          found = &mask;
          break;
        }
      if (!found) continue;
      if (InSkipFiles(upperName)) continue;
      const std::wstring path = folder + file.name;
      const std::wstring upperPath = UpperCase(path);
      if (foundFiles_.contains(upperPath) || InSkipFiles(upperPath)) continue;
      if (writeProtected_ && Locked(path, file.attributes)) continue;
      std::wstring target;
      if ((lnk_ && EndsWith(upperName, L".LNK")) || (pif_ && EndsWith(upperName, L".PIF"))) {
        if (!ShortcutBroken(path, target)) continue;
      }
      AddFile(path, file.size, found->category, target);
    }
  }

  for (const auto& name : entries.folders) {
    if (CancelRequested) return;
    Walk(root, relative + name + L"\\", steps);
  }
}

bool DriveScan::ShortcutBroken(const std::wstring& path, std::wstring& target) const {
  const LinkTarget link = ReadShortcutTarget(path);
  if (!link.success) return false;
  std::wstring t = link.target;
  // Only targets on a drive being scanned, written with an upper-case letter as
  // the shell stores local paths; network paths and other drives are not ours to judge.
  if (t.size() < 4 || t[1] != L':' || t[2] != L'\\' || ScanDriveLetters.find(t[0]) == std::wstring::npos) return false;
  const std::wstring extension = UpperCase(Extension(t));
  if (InSkipFiles(UpperCase(t)) || (!extension.empty() && InSkipFiles(extension))) return false;
  const std::wstring upper = UpperCase(t);
  if (ContainsText(upper, L"{") && ContainsText(upper, L"INSTALLER")) return false;  // installer-advertised
  const bool broken = link.isDir ? !FolderExists(upper) : !PathExists(NormalisedTarget(upper));
  if (broken) target = link.target;
  return broken;
}

void RecountDCResults(const std::vector<TDCResultData>& rows) {
  DCFoundCount = DCFoundBytes = DCSelectedCount = DCSelectedBytes = 0;
  for (const auto& row : rows) {
    if (row.IsCategory) continue;
    ++DCFoundCount;
    DCFoundBytes += row.Size;
    if (row.Checked) {
      ++DCSelectedCount;
      DCSelectedBytes += row.Size;
    }
  }
}

void RemoveEmptyCategories(std::vector<TDCResultData>& rows) {
  std::vector<bool> used(rows.size());
  for (const auto& row : rows)
    if (!row.IsCategory && row.Category >= 0) used[row.Category] = true;
  std::vector<int> newIndex(rows.size(), -1);
  std::vector<TDCResultData> kept;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].IsCategory && !used[i]) continue;
    newIndex[i] = static_cast<int>(kept.size());
    kept.push_back(std::move(rows[i]));
  }
  for (auto& row : kept)
    if (!row.IsCategory && row.Category >= 0) row.Category = newIndex[row.Category];
  rows = std::move(kept);
}

std::wstring DriveScanSummaryText(std::wstring text, NumberSeparators separators) {
  const std::wstring values[] = {
      std::to_wstring(DCFoundCount),    FormatMegabytesText(static_cast<std::uint64_t>(DCFoundBytes), separators),
      std::to_wstring(DCSelectedCount), FormatMegabytesText(static_cast<std::uint64_t>(DCSelectedBytes), separators),
      std::to_wstring(DCScannedFiles),  std::to_wstring(DCScannedFolders),
  };
  for (int i = 0; i < 6; ++i) {
    const std::wstring mark = L"%" + std::to_wstring(i + 1);
    for (auto at = text.find(mark); at != std::wstring::npos; at = text.find(mark, at + values[i].size()))
      text.replace(at, mark.size(), values[i]);
  }
  return text;
}

}  // namespace vt
