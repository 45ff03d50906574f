#include "modules/drive_cleaner/drive_scan.h"

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/globals.h"
#include "platform/files.h"
#include "platform/folder_links.h"
#include "support/test_support.h"

namespace vt {
namespace {

using testing::Exists;
using testing::MakeFolder;
using testing::StartHostTool;
using testing::TempFolder;
using testing::WaitFor;
using testing::WriteBytes;

std::string UnixPath(const std::wstring& windowsPath) {
  using Convert = char*(CDECL*)(const wchar_t*);
  const auto convert = reinterpret_cast<Convert>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return {};
  char* unix = convert(windowsPath.c_str());
  if (!unix) return {};
  std::string result = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

std::wstring Widen(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

// Drive M: of the test prefix mapped to a folder the test made, and unmapped
// afterwards. The mapping is proven (a marker only that folder holds) before any
// scan may look at the drive.
class TestDrive {
 public:
  static constexpr wchar_t kRoot[] = L"M:\\";

  explicit TestDrive(const std::wstring& folder) : folder_(folder) {
    wchar_t prefix[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH)) return;
    link_ = std::wstring(prefix) + L"/dosdevices/m:";
    if (Exists(kRoot)) return;  // someone else's drive: never touched
    std::string target = UnixPath(folder_);
    if (target.empty()) return;
    if (target.back() == '/') target.pop_back();
    const std::wstring marker = L"vt-drive-marker-" + std::to_wstring(GetCurrentProcessId());
    testing::WriteTextFile(folder_ + marker, "marker");
    if (!StartHostTool(L"ln", L"-s \"" + Widen(target) + L"\" \"" + link_ + L"\"", folder_)) return;
    made_ = WaitFor([&] { return Exists(std::wstring(kRoot) + marker); });
    DeleteFileW((folder_ + marker).c_str());
    mapped_ = made_ && !Exists(std::wstring(kRoot) + marker) && testing::Entries(kRoot).empty();
  }
  ~TestDrive() {
    if (made_) {
      EXPECT_TRUE(StartHostTool(L"rm", L"\"" + link_ + L"\"", folder_) && WaitFor([] { return !Exists(kRoot); }))
          << "drive M: left mapped";
    }
  }
  TestDrive(const TestDrive&) = delete;
  TestDrive& operator=(const TestDrive&) = delete;

  // Mapped to our own, then empty, folder.
  bool Mapped() const { return mapped_; }

 private:
  std::wstring folder_;
  std::wstring link_;
  bool made_ = false;
  bool mapped_ = false;
};

// Puts a file (and its folders) below M:\; `name` is relative to the root.
void Put(const std::wstring& name, const std::string& bytes = "x") {
  const std::wstring path = std::wstring(TestDrive::kRoot) + name;
  for (auto at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1))
    MakeFolder(path.substr(0, at));
  ASSERT_TRUE(WriteBytes(path, bytes)) << std::string(name.begin(), name.end());
}

bool MakeShortcut(const std::wstring& path, const std::wstring& target) {
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link))))
    return false;
  IPersistFile* file = nullptr;
  bool saved = SUCCEEDED(link->SetPath(target.c_str())) &&
               SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
               SUCCEEDED(file->Save(path.c_str(), TRUE));
  if (file) file->Release();
  link->Release();
  return saved;
}

// A shortcut to a file that existed when the shortcut was made and is gone now.
bool MakeBrokenShortcut(const std::wstring& path, const std::wstring& target) {
  Put(target.substr(3));
  const bool made = MakeShortcut(path, target);
  DeleteFileW(target.c_str());
  return made && !Exists(target);
}

std::vector<std::wstring> FileRows(const DriveScan& scan) {
  std::vector<std::wstring> rows;
  for (const auto& row : scan.Rows) {
    if (row.IsCategory) continue;
    std::wstring line = scan.Rows[row.Category].Name + L" | " + row.Folder + L"\\" + row.Name;
    if (!row.ShortcutTarget.empty()) line += L" -> " + row.ShortcutTarget;
    rows.push_back(line);
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

std::string Narrow(const std::vector<std::wstring>& lines) {
  std::string text;
  for (const auto& line : lines) {
    for (wchar_t c : line) text += c < 128 ? static_cast<char>(c) : '?';
    text += '\n';
  }
  return text;
}

class DriveScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    com_ = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ASSERT_TRUE(drive_.Mapped()) << "M: could not be mapped to the test folder";
    saved_ = {WindowsDir, WindowsTempDir, UserTempDir};
    WindowsDir = L"M:\\WIN";
    WindowsTempDir = L"M:\\WINTEMP";
    UserTempDir = L"M:\\USRTEMP";
    rules_.DriveRoots = {TestDrive::kRoot};
    rules_.FileTypes = DefaultDcFileTypes();
    rules_.Exceptions = {{L"Recycle Bin", true, 1, true}};
  }
  void TearDown() override {
    WindowsDir = saved_[0];
    WindowsTempDir = saved_[1];
    UserTempDir = saved_[2];
    CancelRequested = false;
    if (SUCCEEDED(com_)) CoUninitialize();
  }

  // Scans only the test drive, and only after its mapping was proven.
  DcScanResult Scan(const std::function<void(const DcScanPhase&)>& onPhase = {}) {
    EXPECT_EQ(rules_.DriveRoots, std::vector<std::wstring>{TestDrive::kRoot});
    if (!drive_.Mapped() || rules_.DriveRoots != std::vector<std::wstring>{TestDrive::kRoot})
      return DcScanResult::NoDrives;
    return scan_.Run(rules_, steps_, true, {}, onPhase);
  }

  TempFolder folder_;
  TestDrive drive_{folder_.path()};
  DcRules rules_;
  DriveScan scan_;
  WorkSteps steps_;
  std::vector<std::wstring> saved_;
  HRESULT com_ = E_FAIL;
};

constexpr wchar_t kTmp[] = L"Tempor\u00E4re Dateien";
constexpr wchar_t kTmpFolder[] = L"Tempor\u00E4re Dateien aus TMP-Ordner";

TEST_F(DriveScanTest, FindsWhatTheRulesAskForAndNothingElse) {
  rules_.Minidump = true;
  rules_.FileTypes.push_back({L"Ohne Punkt", {L"NODOT*"}, 0, true});
  rules_.Exceptions.push_back({L"m:\\prot\\", true, 1, false});  // case does not matter
  rules_.Exceptions.push_back({L"KeepName\\", true, 1, false});
  rules_.Exceptions.push_back({L"M:\\XY\\", true, 1, false});  // a two-character top folder
  rules_.Exceptions.push_back({L"M:\\WINTEMP\\EXC\\", true, 1, false});
  rules_.Exceptions.push_back({L"M:\\NOSLASH", true, 1, false});  // never matches: no backslash
  rules_.Exceptions.push_back({L"", true, 1, false});             // an empty line matches nothing
  rules_.Exceptions.push_back({L"keep.tmp", false, 0, false});
  rules_.Exceptions.push_back({L"M:\\ABC\\FULL.TMP", false, 0, false});

  const struct {
    const wchar_t* path;
    const wchar_t* category;  // nullptr: never listed
  } tree[] = {
      {L"ROOT.TMP", nullptr},   // files in the root are never examined
      {L"AB\\X.TMP", nullptr},  // nor in top-level folders of two characters
      {L"AB\\CD\\X.TMP", kTmp},
      {L"ABC\\X.TMP", kTmp},
      {L"ABC\\SETUP.EXE.TMP", nullptr},
      {L"ABC\\NODOT", nullptr},
      {L"ABC\\B.~MP", kTmp},  // also matches *.~* of a later type: the first mask wins
      {L"ABC\\C.BAK", L"Generelle Backup-Dateien"},
      {L"ABC\\FILE0001.CHK", L"Von Chkdsk erzeugte Dateien"},
      {L"ABC\\APP.LOG", nullptr},  // unchecked type
      {L"ABC\\NOTE.TXT", nullptr},
      {L"ABC\\KEEP.TMP", nullptr},
      {L"ABC\\FULL.TMP", nullptr},
      {L"ABC\\KEEPNAME\\X.TMP", nullptr},
      {L"ABC\\KEEPNAME\\SUB\\X.TMP", nullptr},
      {L"PROT\\X.TMP", nullptr},
      {L"PROT\\SUB\\X.TMP", nullptr},
      {L"XY\\SUB\\X.TMP", nullptr},
      {L"NOSLASH\\X.TMP", kTmp},
      {L"ABC\\TEMPORARY INTERNET FILES\\X.TMP", nullptr},
      {L"RECYCLER\\X.TMP", nullptr},
      {L"WIN\\INSTALLER\\X.TMP", nullptr},
      {L"WIN\\Minidump\\crash.dmp", L"Minidumps"},
      {L"WIN\\Minidump\\note.txt", nullptr},
      {L"WINTEMP\\direct.txt", kTmpFolder},  // directly in the temp folder
      {L"WINTEMP\\X.TMP", kTmpFolder},       // once, by the temp pass only
      {L"WINTEMP\\SUB\\deep.dat", kTmpFolder},
      {L"WINTEMP\\EXC\\in.dat", nullptr},
      {L"WINTEMP\\EXC\\DEEPER\\in.dat", nullptr},
      {L"WINTEMP\\COOKIES\\c.txt", nullptr},
      {L"USRTEMP\\u.txt", kTmpFolder},
  };
  std::vector<std::wstring> expected;
  for (const auto& file : tree) {
    Put(file.path);
    if (file.category) expected.push_back(std::wstring(file.category) + L" | M:\\" + file.path);
  }
  std::sort(expected.begin(), expected.end());

  ASSERT_EQ(Scan(), DcScanResult::Completed);
  EXPECT_EQ(Narrow(FileRows(scan_)), Narrow(expected));
  EXPECT_EQ(DCFoundCount, static_cast<std::int64_t>(expected.size()));
  EXPECT_EQ(DCFoundBytes, static_cast<std::int64_t>(expected.size()));  // one byte each
}

TEST_F(DriveScanTest, BrokenShortcutsOnlyForMissingTargetsOnScannedDrives) {
  rules_.TmpDirAll = rules_.TmpDirUser = rules_.Minidump = false;
  rules_.Lnk = true;
  rules_.FileTypes.push_back({L"Verkn\u00FCpfungen", {L"*.LNK"}, 0, true});
  rules_.Exceptions.push_back({L".dll", false, 0, false});
  Put(L"ABC\\TARGET.EXE");
  ASSERT_TRUE(MakeShortcut(L"M:\\ABC\\WORKS.LNK", L"M:\\ABC\\TARGET.EXE"));
  ASSERT_TRUE(MakeBrokenShortcut(L"M:\\ABC\\BROKEN.LNK", L"M:\\ABC\\GONE.EXE"));
  ASSERT_TRUE(MakeBrokenShortcut(L"M:\\ABC\\EXCEPTED.LNK", L"M:\\ABC\\GONE.DLL"));
  ASSERT_TRUE(MakeBrokenShortcut(L"M:\\ABC\\SETUP.LNK", L"M:\\{90120000-0030}\\INSTALLER\\GONE.EXE"));
  ASSERT_TRUE(MakeShortcut(L"M:\\ABC\\OTHER.LNK", L"C:\\vt-no-such-folder\\GONE.EXE"));
  ASSERT_TRUE(MakeShortcut(L"M:\\ABC\\LOWER.LNK", L"m:\\abc\\gone.exe"));

  const std::wstring lnk = L"Ung\u00FCltige Verkn\u00FCpfungen (LNK)";
  ASSERT_EQ(Scan(), DcScanResult::Completed);
  EXPECT_EQ(Narrow(FileRows(scan_)), Narrow({lnk + L" | M:\\ABC\\BROKEN.LNK -> M:\\ABC\\GONE.EXE"}));
  const auto broken =
      std::find_if(scan_.Rows.begin(), scan_.Rows.end(), [](const auto& row) { return !row.IsCategory; });
  ASSERT_NE(broken, scan_.Rows.end());
  EXPECT_GT(broken->Size, 0);  // the shortcut file's own size

  // Without the shortcut test a shortcut is a file like any other.
  rules_.Lnk = false;
  ASSERT_EQ(Scan(), DcScanResult::Completed);
  std::vector<std::wstring> all;
  for (const wchar_t* name : {L"BROKEN", L"EXCEPTED", L"LOWER", L"OTHER", L"SETUP", L"WORKS"})
    all.push_back(std::wstring(L"Verkn\u00FCpfungen | M:\\ABC\\") + name + L".LNK");
  EXPECT_EQ(Narrow(FileRows(scan_)), Narrow(all));
}

TEST_F(DriveScanTest, ReadOnlyAndLockedFilesFollowTheOption) {
  rules_.TmpDirAll = rules_.TmpDirUser = rules_.Minidump = false;
  Put(L"ABC\\PLAIN.TMP");
  Put(L"ABC\\RO.TMP");
  Put(L"ABC\\LOCKED.TMP");
  Put(L"WINTEMP\\RO.TXT");
  ASSERT_TRUE(SetFileAttributesW(L"M:\\ABC\\RO.TMP", FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(SetFileAttributesW(L"M:\\WINTEMP\\RO.TXT", FILE_ATTRIBUTE_READONLY));
  UniqueFileHandle held(CreateFileW(L"M:\\ABC\\LOCKED.TMP", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);

  const struct {
    bool ignoreLocked;
    std::vector<std::wstring> rows;
  } cases[] = {
      {true, {std::wstring(kTmp) + L" | M:\\ABC\\PLAIN.TMP"}},
      {false,
       {std::wstring(kTmpFolder) + L" | M:\\WINTEMP\\RO.TXT", std::wstring(kTmp) + L" | M:\\ABC\\LOCKED.TMP",
        std::wstring(kTmp) + L" | M:\\ABC\\PLAIN.TMP", std::wstring(kTmp) + L" | M:\\ABC\\RO.TMP"}},
  };
  for (const auto& c : cases) {
    rules_.WriteProtected = c.ignoreLocked;
    rules_.TmpDirAll = true;
    std::vector<std::wstring> expected = c.rows;
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(Scan(), DcScanResult::Completed);
    EXPECT_EQ(Narrow(FileRows(scan_)), Narrow(expected)) << "option " << c.ignoreLocked;
  }
  SetFileAttributesW(L"M:\\ABC\\RO.TMP", FILE_ATTRIBUTE_NORMAL);
  SetFileAttributesW(L"M:\\WINTEMP\\RO.TXT", FILE_ATTRIBUTE_NORMAL);
}

TEST_F(DriveScanTest, LinkedFoldersAreNeverEnteredAndLongPathsWork) {
  rules_.TmpDirAll = rules_.TmpDirUser = rules_.Minidump = false;
  Put(L"ABC\\X.TMP");
  Put(L"LINKTGT\\L.TMP");
  std::wstring deep = L"ABC\\";
  for (int i = 0; i < 20; ++i) deep += L"A-LONG-FOLDER-NAME\\";
  Put(deep + L"DEEP.TMP");
  Put(L"LINKTGT\\BIG.TMP");  // beyond 32 bits (sparse: no disk space used)
  {
    UniqueFileHandle big(CreateFileW(L"M:\\LINKTGT\\BIG.TMP", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    size.QuadPart = 5'000'000'000;
    ASSERT_TRUE(big && SetFilePointerEx(big.get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(big.get()));
  }
  ASSERT_GT(deep.size(), static_cast<std::size_t>(MAX_PATH));
  ASSERT_TRUE(testing::MakeFolderLink(L"M:\\ABC\\", L"LOOP", L".."));  // back up to the root
  ASSERT_TRUE(testing::MakeFolderLink(L"M:\\ABC\\", L"LINKED", L"../LINKTGT"));

  std::vector<DcScanPhase> phases;
  ASSERT_EQ(Scan([&](const DcScanPhase& phase) { phases.push_back(phase); }), DcScanResult::Completed);
  std::vector<std::wstring> expected = {
      std::wstring(kTmp) + L" | M:\\ABC\\X.TMP", std::wstring(kTmp) + L" | M:\\LINKTGT\\L.TMP",
      std::wstring(kTmp) + L" | M:\\LINKTGT\\BIG.TMP", std::wstring(kTmp) + L" | M:\\" + deep + L"DEEP.TMP"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Narrow(FileRows(scan_)), Narrow(expected));
  EXPECT_EQ(DCScannedFolders, 3 + 20);  // root, ABC, LINKTGT and the long chain, each once
  // The count before the walk gives the progress bar the same number of folders.
  ASSERT_EQ(phases.size(), 2u);
  EXPECT_EQ(phases[0].kind, DcScanPhase::CountFolders);
  EXPECT_EQ(phases[1].kind, DcScanPhase::WalkDrive);
  EXPECT_EQ(phases[1].folder, TestDrive::kRoot);
  EXPECT_EQ(phases[1].maximum, DCScannedFolders);
  EXPECT_EQ(scan_.Progress.FolderTally, DCScannedFolders);
  EXPECT_EQ(DCFoundBytes, 5'000'000'000 + 3);  // and three files of one byte
  // Empty categories are gone; the file rows point at the one that is left.
  ASSERT_EQ(std::count_if(scan_.Rows.begin(), scan_.Rows.end(), [](const auto& row) { return row.IsCategory; }), 1);
  EXPECT_EQ(scan_.Rows[0].Name, kTmp);
}

TEST_F(DriveScanTest, CancelStopsAtTheNextItemAndTheNextScanStartsAfresh) {
  for (const wchar_t* folder : {L"ABC", L"DEF", L"GHI", L"JKL"})
    for (int i = 0; i < 25; ++i) Put(std::wstring(folder) + L"\\F" + std::to_wstring(i) + L".TMP");

  int callsAfterCancel = 0;
  std::int64_t filesAtCancel = -1, foldersAtCancel = -1;
  steps_.betweenItems = [&] {
    if (CancelRequested) {
      ++callsAfterCancel;
      return;
    }
    if (DCScannedFiles >= 30) {  // partway through the walk
      CancelRequested = true;
      filesAtCancel = DCScannedFiles;
      foldersAtCancel = DCScannedFolders;
    }
  };
  EXPECT_EQ(Scan(), DcScanResult::Cancelled);
  EXPECT_EQ(callsAfterCancel, 0);
  EXPECT_EQ(DCScannedFiles, filesAtCancel) << "a file was examined after the cancel";
  EXPECT_EQ(DCScannedFolders, foldersAtCancel);
  EXPECT_EQ(static_cast<std::int64_t>(FileRows(scan_).size()), filesAtCancel);  // the rows so far stay

  steps_.betweenItems = nullptr;
  ASSERT_EQ(Scan(), DcScanResult::Completed);  // clears the flag itself
  EXPECT_EQ(FileRows(scan_).size(), 100u);
  EXPECT_EQ(DCScannedFiles, 100);

  rules_.DriveRoots.clear();  // no drive: the last results stay as they are
  EXPECT_EQ(scan_.Run(rules_, steps_), DcScanResult::NoDrives);
  EXPECT_EQ(FileRows(scan_).size(), 100u);
  EXPECT_EQ(DCScannedFiles, 100);
}

TEST(DriveScanSummary, CountsAndMegabytesReplaceTheirMarks) {
  const std::int64_t saved[] = {DCFoundCount,    DCFoundBytes,   DCSelectedCount,
                                DCSelectedBytes, DCScannedFiles, DCScannedFolders};
  DCFoundCount = 12;
  DCFoundBytes = 3 * 1048576 + 524288;
  DCSelectedCount = 7;
  DCSelectedBytes = 1048576;
  DCScannedFiles = 4000;
  DCScannedFolders = 321;
  EXPECT_EQ(DriveScanSummaryText(kDriveScanSummaryDefault),
            L"Es wurden insgesammt 12 Dateien gefunden welche 3,50 MB belegen.<br>Davon sind 7 Dateien zum "
            L"L\u00F6schen markiert welche 1,00 MB belegen.<br>Insgesammt wurden 4000 Dateien in 321 Ordnern "
            L"untersucht.");
  EXPECT_EQ(DriveScanSummaryText(L"%1/%1 %6", {L'.', L','}), L"12/12 321");
  DCFoundCount = saved[0];
  DCFoundBytes = saved[1];
  DCSelectedCount = saved[2];
  DCSelectedBytes = saved[3];
  DCScannedFiles = saved[4];
  DCScannedFolders = saved[5];
}

TEST(DriveScanCounters, RecountCountsFileRowsAndMarkedOnes) {
  std::vector<TDCResultData> rows(4);
  rows[0].IsCategory = true;
  rows[1] = {L"a.tmp", L"M:\\ABC", 100, {}, false, 0, 0, true};
  rows[2] = {L"b.tmp", L"M:\\ABC", 5'000'000'000, {}, false, 0, 0, false};  // beyond 32 bits
  rows[3] = {L"c.tmp", L"M:\\ABC", 7, {}, false, 0, 0, true};
  RecountDCResults(rows);
  EXPECT_EQ(DCFoundCount, 3);
  EXPECT_EQ(DCFoundBytes, 5'000'000'107);
  EXPECT_EQ(DCSelectedCount, 2);
  EXPECT_EQ(DCSelectedBytes, 107);
}

}  // namespace
}  // namespace vt
