#include "modules/drive_cleaner/dc_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "core/globals.h"
#include "core/text.h"
#include "platform/files.h"
#include "platform/win_registry.h"
#include "support/test_support.h"

namespace vt {
// Found by the comparisons of the records below (this file's own).
static bool operator==(const TDCFileType& a, const TDCFileType& b) {
  return a.Name == b.Name && a.Masks == b.Masks && a.ImageIndex == b.ImageIndex && a.Checked == b.Checked;
}
static bool operator==(const TDCException& a, const TDCException& b) {
  return a.Path == b.Path && a.IsFolder == b.IsFolder && a.ImageIndex == b.ImageIndex && a.BuiltIn == b.BuiltIn;
}
}  // namespace vt

namespace vt::testing {

namespace {

const std::wstring kMask = DCSettingsKey() + L"\\Mask";


// The real registry of the test prefix, with the Drive Cleaner's key cleared
// around every test, and a program folder holding the two list files.
class DcSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    Reg().RemoveKey(HKLM, DCSettingsKey());
    WriteLists("", "");
  }
  void TearDown() override {
    Reg().RemoveKey(HKLM, DCSettingsKey());
    LanguageFile = savedLanguage_;
  }
  void WriteLists(const std::string& folders, const std::string& files) {
    WriteTextFile(app_ / kDCFoldersFile, folders);
    WriteTextFile(app_ / kDCFilesFile, files);
  }
  std::vector<TDCException> Exceptions() {
    std::wstring missing;
    auto rows = LoadDCExceptions(app_.Path(), missing);
    EXPECT_EQ(missing, L"");
    return rows;
  }
  void StoreType(int n, const std::function<void(const std::wstring& key)>& seed) {
    const std::wstring key = kMask + L"\\FileTyp" + std::to_wstring(n);
    Reg().CreateKeyPath(HKLM, key);
    seed(key);
  }

  ScratchFolder app_{L"vt-dcset"};
  LanguageText savedLanguage_ = LanguageFile;
};

void SetRaw(const std::wstring& key, const std::wstring& name, std::uint32_t type, std::vector<std::uint8_t> data) {
  Reg().Backend().OpenWrite(HKLM, key)->Set(name, type, data);
}

}  // namespace

TEST_F(DcSettings, FreshInstallationGetsTheDefaultTableInTheCurrentLanguage) {
  const std::vector<TDCFileType> expected = {
      {L"Tempor\u00E4re Dateien", {L"*.TMP", L"*._MP", L"*.~MP"}, 0, true},
      {L"Generelle Backup-Dateien", {L"*.OLD", L"*.PRV", L"*.NAV", L"*.1ST", L"*.BAK", L"*.SYD"}, 11, true},
      {L"Allgemeine Backup-Dateien", {L"*.??~", L"*.~*", L"*~.*"}, 11, true},
      {L"Unn\u00F6tige Dateien", {L"*.$$$", L"*.---", L"MSCREATE.DIR"}, 11, true},
      {L"Von Chkdsk erzeugte Dateien", {L"CHKDSK.CHK", L"FILE*.CHK"}, 11, true},
      {L"Logfiles (selten ben\u00F6tigt)", {L"*.LOG"}, 11, false},
      {L"Indexdateien der Windowshilfe (selten ben\u00F6tigt)", {L"*.GID"}, 5, false},
  };
  LanguageFile = LanguageText();
  EXPECT_EQ(LoadDCFileTypes(), expected);

  LanguageFile = LanguageText::FromText(L"[Form_DC_Options]\r\n||MESSAGE_FileTyp_5=Log files\r\n\r\n||\r\n");
  const auto translated = LoadDCFileTypes();
  ASSERT_EQ(translated.size(), 7u);
  EXPECT_EQ(translated[5].Name, L"Log files");

  const DCOptions options = LoadDCOptions();
  EXPECT_TRUE(options.TmpDirAll && options.TmpDirUser && options.Minidump && options.WriteProtected);
  EXPECT_FALSE(options.Lnk || options.Pif || options.NoRecycleBin);
}

TEST_F(DcSettings, SaveThenLoadGivesBackWhatWasSaved) {
  WriteLists("C:\\Shipped\\\r\n", "pagefile.sys\r\n");
  DCSettings settings;
  settings.FileTypes = {{L"Mine", {L"*.ABC", L"", L"X?.Y"}, 3, false}, {L"No masks", {}, 0, true}};
  settings.Options.Lnk = true;
  settings.Options.TmpDirUser = false;
  settings.Drives = {{L"System (C:)", L"C:\\", 4, false}, {L"Daten (D:)", L"D:\\", -1, true}};
  settings.Exceptions = BuiltInDCExceptions();
  settings.Exceptions.push_back({L"C:\\Shipped\\", true, 1, false});
  settings.Exceptions.push_back({L"c:\\Mine\\", true, 1, false});
  settings.Exceptions.push_back({L"pagefile.sys", false, 0, false});
  settings.Exceptions.push_back({L"Keep.Me", false, 0, false});
  SaveDCSettings(settings);

  EXPECT_EQ(Reg().ReadStringValue(HKLM, kMask + L"\\FileTyp0", L"Wildcards"), L"*.ABC;;X?.Y;");
  EXPECT_EQ(Reg().ValueDataType(HKLM, kMask + L"\\FileTyp0", L"ImageIndex"), kValueInteger);
  EXPECT_EQ(Reg().ValueDataType(HKLM, kMask + L"\\FileTyp1", L"Checked"), kValueInteger);
  EXPECT_EQ(Reg().ReadStringValue(HKLM, DCSettingsKey(), L"C"), L"0");
  EXPECT_EQ(Reg().ValueDataType(HKLM, DCSettingsKey(), L"LNK"), kValueInteger);
  EXPECT_EQ(Reg().CountValues(HKLM, DCSettingsKey() + L"\\Folders"), 2) << "built-in rows are never stored";
  EXPECT_TRUE(Reg().ValueExists(HKLM, DCSettingsKey() + L"\\Files", L"Keep.Me"));

  EXPECT_EQ(LoadDCFileTypes(), settings.FileTypes);
  const DCOptions options = LoadDCOptions();
  EXPECT_TRUE(options.Lnk);
  EXPECT_FALSE(options.TmpDirUser);
  EXPECT_TRUE(options.TmpDirAll);
  auto exceptions = Exceptions();
  const std::vector<TDCException> expected = {
      BuiltInDCExceptions()[0], BuiltInDCExceptions()[1], BuiltInDCExceptions()[2], BuiltInDCExceptions()[3],
      BuiltInDCExceptions()[4], BuiltInDCExceptions()[5], {L"c:\\Mine\\", true, 1, false},
      {L"C:\\Shipped\\", true, 1, false},                 {L"Keep.Me", false, 0, false},
      {L"pagefile.sys", false, 0, false}};
  EXPECT_EQ(exceptions, expected);

  // The shell names both drives; the stored checks win.
  const auto drives = LoadDCDrives([](wchar_t letter) {
    return DCDriveProbe{letter == L'C' || letter == L'D', L"Laufwerk", 0};
  });
  ASSERT_EQ(drives.size(), 2u);
  EXPECT_FALSE(drives[0].Checked);
  EXPECT_TRUE(drives[1].Checked);
  EXPECT_EQ(ToDcRules({{}, {}, drives, options}).DriveRoots, std::vector<std::wstring>{L"D:\\"});

  // Without any file type nothing is left under Mask, and the defaults return.
  settings.FileTypes.clear();
  SaveDCSettings(settings);
  EXPECT_FALSE(Reg().KeyExists(HKLM, kMask));
  EXPECT_EQ(LoadDCFileTypes().size(), 7u);
}

TEST_F(DcSettings, StoredFileTypesAreReadValueByValueAndBadValuesAreSkipped) {
  using Seed = std::function<void(const std::wstring&)>;
  struct Case {
    const char* what;
    Seed seed;
    TDCFileType expected;
  };
  const Case cases[] = {
      {"complete",
       [](const std::wstring& k) {
         Reg().WriteIntegerValue(HKLM, k, L"Checked", 1);
         Reg().WriteStringValue(HKLM, k, L"Name", L"Typ");
         Reg().WriteIntegerValue(HKLM, k, L"ImageIndex", 5);
         Reg().WriteStringValue(HKLM, k, L"Wildcards", L" *.tmp ;*.bak;");
       },
       {L"Typ", {L"*.TMP", L"*.BAK"}, 5, true}},
      {"empty piece kept, last piece kept",
       [](const std::wstring& k) { Reg().WriteStringValue(HKLM, k, L"Wildcards", L"*.TMP;;*.X"); },
       {L"", {L"*.TMP", L"", L"*.X"}, 0, false}},
      {"one-character last piece dropped",
       [](const std::wstring& k) { Reg().WriteStringValue(HKLM, k, L"Wildcards", L"*.TMP;X"); },
       {L"", {L"*.TMP"}, 0, false}},
      {"Checked 2, text ImageIndex, numeric Name and Wildcards",
       [](const std::wstring& k) {
         Reg().WriteIntegerValue(HKLM, k, L"Checked", 2);
         Reg().WriteStringValue(HKLM, k, L"ImageIndex", L"elf");
         Reg().WriteIntegerValue(HKLM, k, L"Name", 7);
         Reg().WriteIntegerValue(HKLM, k, L"Wildcards", 42);
       },
       {L"", {}, 0, false}},
      {"Checked as bytes, ImageIndex out of range",
       [](const std::wstring& k) {
         SetRaw(k, L"Checked", kRegBinary, {1, 0});
         Reg().WriteIntegerValue(HKLM, k, L"ImageIndex", -3);
       },
       {L"", {}, 0, false}},
      {"short DWORD and huge image",
       [](const std::wstring& k) {
         SetRaw(k, L"Checked", kRegDword, {1});
         Reg().WriteIntegerValue(HKLM, k, L"ImageIndex", 1 << 30);
         Reg().WriteStringValue(HKLM, k, L"Checked2", L"1");
       },
       {L"", {}, 0, false}},
      {"Checked as text", [](const std::wstring& k) { Reg().WriteStringValue(HKLM, k, L"Checked", L"1"); },
       {L"", {}, 0, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Reg().RemoveKey(HKLM, DCSettingsKey());
    StoreType(0, c.seed);
    const auto types = LoadDCFileTypes();
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0], c.expected);
  }

  // Reading stops at the first gap; an empty Mask key means no types at all.
  Reg().RemoveKey(HKLM, DCSettingsKey());
  StoreType(0, [](const std::wstring& k) { Reg().WriteStringValue(HKLM, k, L"Name", L"A"); });
  StoreType(2, [](const std::wstring& k) { Reg().WriteStringValue(HKLM, k, L"Name", L"C"); });
  EXPECT_EQ(LoadDCFileTypes().size(), 1u);
  Reg().RemoveKey(HKLM, kMask + L"\\FileTyp0");
  EXPECT_TRUE(LoadDCFileTypes().empty());
}

TEST_F(DcSettings, OptionsTakeOnlyAStoredZeroOrOne) {
  struct Case {
    const char* what;
    std::function<void(const std::wstring& name)> seed;
    bool lnk, writeProtected;  // defaults: off, on
  };
  const Case cases[] = {
      {"nothing", [](const std::wstring&) {}, false, true},
      {"1", [](const std::wstring& n) { Reg().WriteIntegerValue(HKLM, DCSettingsKey(), n, 1); }, true, true},
      {"0", [](const std::wstring& n) { Reg().WriteIntegerValue(HKLM, DCSettingsKey(), n, 0); }, false, false},
      {"2", [](const std::wstring& n) { Reg().WriteIntegerValue(HKLM, DCSettingsKey(), n, 2); }, false, true},
      {"text 1", [](const std::wstring& n) { Reg().WriteStringValue(HKLM, DCSettingsKey(), n, L"1"); }, true, true},
      {"text ja", [](const std::wstring& n) { Reg().WriteStringValue(HKLM, DCSettingsKey(), n, L"ja"); }, false,
       true},
      {"bytes", [](const std::wstring& n) { SetRaw(DCSettingsKey(), n, kRegBinary, {0, 0, 0, 0}); }, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Reg().RemoveKey(HKLM, DCSettingsKey());
    Reg().CreateKeyPath(HKLM, DCSettingsKey());
    c.seed(L"LNK");
    c.seed(L"WriteProtected");
    const DCOptions options = LoadDCOptions();
    EXPECT_EQ(options.Lnk, c.lnk);
    EXPECT_EQ(options.WriteProtected, c.writeProtected);
  }
}

TEST_F(DcSettings, ExceptionsMergeTheListFilesAndTheStoreWithoutDuplicates) {
  // 8-bit lines with an umlaut, a variable, duplicates in other letter case, an empty line.
  WriteLists("%WINDIR%\\Fonts\\\r\nZ:\\Last\\\r\nc:\\b\xE4r\\\r\n\r\nC:\\B\xC4R\\\r\n", "NTLDR\nboot.ini\r\nntldr\r\n");
  Reg().WriteStringValue(HKLM, DCSettingsKey() + L"\\Folders", L"a:\\first\\", L"");
  Reg().WriteStringValue(HKLM, DCSettingsKey() + L"\\Folders", L"Z:\\LAST\\", L"");
  Reg().WriteStringValue(HKLM, DCSettingsKey() + L"\\Files", L"%WINDIR%\\x.dll", L"");

  const std::wstring windir = ExpandEnvVars(L"%WINDIR%");
  ASSERT_NE(windir, L"%WINDIR%");
  std::vector<std::wstring> folders, files;
  for (const auto& row : Exceptions()) {
    if (row.BuiltIn) continue;
    EXPECT_EQ(row.ImageIndex, row.IsFolder ? 1 : 0);
    (row.IsFolder ? folders : files).push_back(row.Path);
  }
  EXPECT_EQ(folders, (std::vector<std::wstring>{L"", L"a:\\first\\", L"c:\\b\u00E4r\\", windir + L"\\Fonts\\",
                                                L"Z:\\Last\\"}));
  EXPECT_EQ(files, (std::vector<std::wstring>{L"boot.ini", windir + L"\\x.dll", L"NTLDR"}));

  const auto rows = Exceptions();
  ASSERT_GE(rows.size(), 6u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(rows[i], BuiltInDCExceptions()[i]);
  EXPECT_EQ(rows[0].Path, L"Recycle Bin");
  EXPECT_EQ(rows[5].Path, L"History.IE5");
}

TEST_F(DcSettings, AMissingListFileIsReported) {
  DeleteFileW((app_ / kDCFilesFile).c_str());
  std::wstring missing;
  EXPECT_TRUE(LoadDCExceptions(app_.Path(), missing).empty());
  EXPECT_EQ(missing, app_ / kDCFilesFile);
  DCSettings settings;
  EXPECT_FALSE(LoadDCSettings(app_.Path(), settings, missing));
}

TEST_F(DcSettings, DrivesAreTheFixedOnesCheckedByNameUnlessStored) {
  // The prefix's C: is a fixed disk.
  const auto real = LoadDCDrives();
  ASSERT_FALSE(real.empty());
  EXPECT_EQ(real[0].Root, L"C:\\");
  EXPECT_FALSE(real[0].DisplayName.empty());
  EXPECT_EQ(real[0].Checked, real[0].DisplayName != L"C:\\");

  std::wstring asked;
  const std::map<wchar_t, DCDriveProbe> system = {
      {L'C', {true, L"System (C:)", 3}}, {L'D', {true, L"", -1}}, {L'E', {true, L"Daten (E:)", 3}},
      {L'F', {true, L"", -1}},           {L'G', {false, L"CD (G:)", 2}},
  };
  auto probe = [&](wchar_t letter) {
    asked += letter;
    auto it = system.find(letter);
    return it == system.end() ? DCDriveProbe{} : it->second;
  };
  Reg().WriteStringValue(HKLM, DCSettingsKey(), L"E", L"0");
  Reg().WriteIntegerValue(HKLM, DCSettingsKey(), L"F", 1);  // read as its digits
  const auto drives = LoadDCDrives(probe);
  EXPECT_EQ(asked, L"CDEFGHIJKLMNOPQRSTUVWXYZ");
  ASSERT_EQ(drives.size(), 4u);
  EXPECT_EQ(drives[0].DisplayName, L"System (C:)");
  EXPECT_TRUE(drives[0].Checked);
  EXPECT_EQ(drives[1].DisplayName, L"D:\\");
  EXPECT_EQ(drives[1].Root, L"D:\\");
  EXPECT_FALSE(drives[1].Checked) << "no display name";
  EXPECT_FALSE(drives[2].Checked) << "stored 0";
  EXPECT_TRUE(drives[3].Checked) << "stored 1";
}

}  // namespace vt::testing

namespace vt::testing {

TEST(DcShippedLists, LoadAndFollowTheLineForms) {
  Reg().RemoveKey(HKLM, DCSettingsKey());
  std::wstring missing;
  const auto rows = LoadDCExceptions(DistFolder(), missing);
  ASSERT_EQ(missing, L"");
  std::vector<std::wstring> files;
  for (const auto& row : rows) {
    if (row.BuiltIn) continue;
    SCOPED_TRACE(::testing::PrintToString(row.Path));
    EXPECT_EQ(row.Path.find(L'%'), std::wstring::npos) << "a variable the test prefix cannot expand";
    if (row.IsFolder)
      EXPECT_EQ(row.Path.back(), L'\\') << "a folder entry without the backslash never matches";
    else
      files.push_back(UpperCase(row.Path));
  }
  for (const wchar_t* name : {L"PAGEFILE.SYS", L"HIBERFIL.SYS", L"NTLDR", L"BOOT.INI", L"BOOTMGR", L"BOOTSECT.BAK"})
    EXPECT_NE(std::find(files.begin(), files.end(), name), files.end()) << ::testing::PrintToString(std::wstring(name));
}

}  // namespace vt::testing
