// The Drive Cleaner's scan without a window: passes over the temporary-files
// folders and the crash dumps, then a counting pass and a walk over each chosen
// drive, collecting result rows under one category row per file type. Progress
// goes through WorkSteps (a window lets its messages through there, so Cancel
// can be pressed) and through the progress texts the window's timer reads.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/format.h"
#include "core/wild_match.h"
#include "core/work_steps.h"
#include "modules/drive_cleaner/dc_rules.h"

namespace vt {

// One row of the result list: category rows and file rows in the same record.
struct TDCResultData {
  std::wstring Name;            // category title, or the file name as found
  std::wstring Folder;          // the file's folder without trailing backslash; empty for a category
  std::int64_t Size = 0;        // bytes; 0 for a category or an unreadable size
  std::wstring ShortcutTarget;  // a broken shortcut's missing target
  bool IsCategory = false;
  int ImageIndex = 0;   // a category's picture; file rows 0
  int Category = -1;    // file rows: index of their category row in the same vector
  bool Checked = true;  // every row starts marked
};

// Counters of the last scan, module-wide: they outlive the windows and are read
// by the result window and the One-Click-Optimizer.
inline std::int64_t DCScannedFolders = 0;  // folders examined by the drive walks
inline std::int64_t DCScannedFiles = 0;    // files examined by the drive walks
inline std::int64_t DCFoundCount = 0;      // file rows
inline std::int64_t DCFoundBytes = 0;
inline std::int64_t DCSelectedCount = 0;  // marked file rows
inline std::int64_t DCSelectedBytes = 0;

// What the progress timer shows.
struct DcScanProgress {
  std::wstring CurrentDrive;   // "C:\"
  std::wstring CurrentFolder;  // the walk's path below the drive root
  std::wstring CurrentFile;
  bool CountingPhase = false;
  bool ScanningPhase = false;
  std::int64_t FolderTally = 0;  // folders counted, then folders entered by the walk
};

// Titles of the fixed category rows; the window passes its translations.
struct DcScanTexts {
  std::wstring TmpFiles = L"Tempor\u00E4re Dateien aus TMP-Ordner";
  std::wstring Minidumps = L"Minidumps";
  std::wstring Lnk = L"Ung\u00FCltige Verkn\u00FCpfungen (LNK)";
  std::wstring Pif = L"Ung\u00FCltige DOS-Verkn\u00FCpfungen (PIF)";
};

// A new phase starts; the window sets its labels and progress bar for it (the
// scan yields right after).
struct DcScanPhase {
  enum Kind { TempFolder, Minidumps, CountFolders, WalkDrive } kind;
  std::wstring folder;       // the temp folder, the minidump folder or the drive root
  std::int64_t maximum = 0;  // WalkDrive: folders counted on the drive
};

enum class DcScanResult { NoDrives, Cancelled, Completed };

class DriveScan {
 public:
  // The whole scan from `rules`. Clears CancelRequested first. Without a drive
  // nothing changes. A cancelled scan keeps the rows found so far; after a
  // completed one empty categories are removed when asked and RecountDCResults
  // has run.
  DcScanResult Run(const DcRules& rules, const WorkSteps& steps, bool hideEmptyCategories = true,
                   const DcScanTexts& texts = {}, const std::function<void(const DcScanPhase&)>& onPhase = {});

  std::vector<TDCResultData> Rows;
  DcScanProgress Progress;
  std::wstring ScanDriveLetters;  // upper-case letters of the scanned drives, in order

 private:
  struct Mask {
    std::wstring pattern;
    int category;
  };
  bool InSkipFolders(const std::wstring& upper) const;
  bool InSkipFiles(const std::wstring& upper) const;
  bool FolderPassProtects(const std::wstring& upperRoot, const std::wstring& upperDir) const;
  int AddCategory(const std::wstring& title, int imageIndex);
  void AddFile(const std::wstring& path, std::int64_t size, int category, const std::wstring& target);
  void FolderPass(const std::wstring& folder, const std::wstring& mask, const WorkSteps& steps);
  void FolderPassTree(const std::wstring& root, const std::wstring& folder, const std::wstring& mask,
                      const WorkSteps& steps);
  void CountFolders(const std::wstring& folder, const WorkSteps& steps);
  void Walk(const std::wstring& root, const std::wstring& relative, const WorkSteps& steps);
  bool ShortcutBroken(const std::wstring& path, std::wstring& target) const;

  TWildMatch match_;
  std::vector<Mask> masks_;
  std::unordered_set<std::wstring> foundFiles_;  // upper-cased full paths
  std::unordered_set<std::wstring> skipFolders_;
  std::unordered_set<std::wstring> skipFiles_;
  std::wstring tempAllFolder_, tempUserFolder_;
  int currentCategory_ = -1;
  bool writeProtected_ = false, lnk_ = false, pif_ = false;
};

// Recomputes the four found/selected counters from the rows.
void RecountDCResults(const std::vector<TDCResultData>& rows);

// Removes category rows without file rows (the file rows' Category follows).
void RemoveEmptyCategories(std::vector<TDCResultData>& rows);

// The result page's summary: `text` (the "MESSAGE_Result" translation) with %1
// to %6 replaced by the found and marked counts and megabytes and the scanned
// files and folders. "<br>" marks stay for the label to break lines.
std::wstring DriveScanSummaryText(std::wstring text, NumberSeparators separators = {});
inline constexpr wchar_t kDriveScanSummaryDefault[] =
    L"Es wurden insgesammt %1 Dateien gefunden welche %2 MB belegen.<br>Davon sind %3 Dateien zum L\u00F6schen "
    L"markiert welche %4 MB belegen.<br>Insgesammt wurden %5 Dateien in %6 Ordnern untersucht.";

}  // namespace vt
