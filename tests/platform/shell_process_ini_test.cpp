#include "platform/files.h"

#include <shellapi.h>

#include <atomic>
#include <thread>

#include "platform/folder_links.h"
#include "platform/text_codec.h"

namespace vt::testing {
namespace {

std::string Contents(const std::wstring& path) {
  return ReadFileBytes(path).value_or("<missing>");
}

long long RecycledItems() {
  SHQUERYRBINFO info{};
  info.cbSize = sizeof(info);
  return SUCCEEDED(SHQueryRecycleBinW(L"C:\\", &info)) ? info.i64NumItems : -1;
}

// Runs code with the current folder set to `folder`, for relative names.
template <typename Work>
void InFolder(const std::wstring& folder, Work work) {
  wchar_t previous[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));
  work();
  // Started outside every drive, Wine names the first folder in a form it cannot
  // go back to; any folder but ours will do, or ours could not be removed.
  if (!SetCurrentDirectoryW(previous)) {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    SetCurrentDirectoryW(windows);
  }
}

// Answers the first dialog box this process shows with `button`, as a user would.
class DialogAnswerer {
 public:
  explicit DialogAnswerer(int button)
      : worker_([this, button] {
          while (!stop_) {
            HWND dialog = FindOwnDialog();
            if (dialog) {
              answered_ = true;
              PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
              return;
            }
            Sleep(20);
          }
        }) {}
  ~DialogAnswerer() {
    stop_ = true;
    worker_.join();
  }
  bool answered() const { return answered_; }

 private:
  static HWND FindOwnDialog() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
          DWORD process = 0;
          GetWindowThreadProcessId(window, &process);
          wchar_t className[16] = {};
          GetClassNameW(window, className, 16);
          if (process != GetCurrentProcessId() || !IsWindowVisible(window) || std::wstring(className) != L"#32770")
            return TRUE;
          *reinterpret_cast<HWND*>(param) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
  }

  std::atomic<bool> stop_{false}, answered_{false};
  std::thread worker_;
};

TEST(ShellFiles, CopyAndMoveWithoutQuestions) {
  TempFolder temp;
  ASSERT_TRUE(WriteBytes(temp / L"a.txt", "new"));
  ASSERT_TRUE(WriteBytes(temp / L"old.txt", "old"));
  ASSERT_TRUE(MakeFolder(temp / L"dest"));

  EXPECT_TRUE(ShellCopy(temp / L"a.txt", temp / L"copy.txt"));
  EXPECT_EQ(Contents(temp / L"copy.txt"), "new");
  EXPECT_TRUE(ShellCopy(temp / L"a.txt", temp / L"old.txt")) << "overwrites without asking";
  EXPECT_EQ(Contents(temp / L"old.txt"), "new");

  EXPECT_TRUE(ShellMove(temp / L"copy.txt", temp / L"dest"));
  EXPECT_FALSE(Exists(temp / L"copy.txt"));
  EXPECT_EQ(Contents(temp / L"dest\\copy.txt"), "new");

  EXPECT_FALSE(ShellCopy(temp / L"missing.txt", temp / L"target.txt"));
  EXPECT_FALSE(ShellMove(temp / L"missing.txt", temp / L"target.txt"));
  EXPECT_FALSE(Exists(temp / L"target.txt"));
}

TEST(ShellFiles, RecycleFileMovesToTheRecycleBin) {
  TempFolder temp;
  ASSERT_TRUE(WriteBytes(temp / L"gone.txt", "x"));
  ASSERT_TRUE(WriteBytes(temp / L"relative.txt", "x"));
  ASSERT_TRUE(MakeFolder(temp / L"folder"));
  const long long before = RecycledItems();
  ASSERT_GE(before, 0);

  EXPECT_TRUE(RecycleFile(temp / L"gone.txt"));
  EXPECT_FALSE(Exists(temp / L"gone.txt"));
  EXPECT_EQ(RecycledItems(), before + 1) << "recycled, not deleted for good";

  // A relative name is recycled by its full path, not deleted for good.
  InFolder(temp.path(), [] { EXPECT_TRUE(RecycleFile(L"relative.txt")); });
  EXPECT_FALSE(Exists(temp / L"relative.txt"));
  EXPECT_EQ(RecycledItems(), before + 2);

  EXPECT_FALSE(RecycleFile(temp / L"missing.txt"));
  EXPECT_FALSE(RecycleFile(temp / L"folder")) << "folders go through RecyclePath";
  EXPECT_TRUE(Exists(temp / L"folder"));
  EXPECT_EQ(RecycledItems(), before + 2);
}

TEST(ShellFiles, RecyclePathTakesWholeFolders) {
  TempFolder temp;
  ASSERT_TRUE(MakeFolder(temp / L"folder"));
  ASSERT_TRUE(WriteBytes(temp / L"folder\\inside.txt", "x"));
  const long long before = RecycledItems();

  bool aborted = true;
  EXPECT_TRUE(RecyclePath(temp / L"folder", nullptr, aborted));
  EXPECT_FALSE(aborted);
  EXPECT_FALSE(Exists(temp / L"folder"));
  EXPECT_EQ(RecycledItems(), before + 1);

  aborted = true;
  EXPECT_FALSE(RecyclePath(temp / L"missing", nullptr, aborted));
  EXPECT_FALSE(aborted);
}

TEST(ShellFiles, RecycleFileAskLeavesTheAnswerToTheUser) {
  TempFolder temp;
  ASSERT_TRUE(WriteBytes(temp / L"ask.txt", "x"));
  const long long before = RecycledItems();
  {
    DialogAnswerer user(IDNO);
    EXPECT_FALSE(RecycleFileAsk(temp / L"ask.txt"));
    EXPECT_TRUE(user.answered()) << "the shell asked";
  }
  EXPECT_TRUE(Exists(temp / L"ask.txt"));
  {
    DialogAnswerer user(IDYES);
    EXPECT_TRUE(RecycleFileAsk(temp / L"ask.txt"));
    EXPECT_TRUE(user.answered());
  }
  EXPECT_FALSE(Exists(temp / L"ask.txt"));
  EXPECT_EQ(RecycledItems(), before + 1);
  EXPECT_FALSE(RecycleFileAsk(temp / L"ask.txt")) << "missing: nothing to ask about";
}

TEST(Process, RunAndWaitReturnsTheExitCode) {
  TempFolder temp;
  ASSERT_TRUE(WriteBytes(temp / L"marker.txt", "x"));
  const std::wstring checkMarker = L"cmd.exe /c if exist marker.txt (exit 3) else exit 4";
  const struct {
    std::wstring command, folder;
    int expected;
  } cases[] = {
      {L"cmd.exe /c exit 7", L"", 7},       {L"cmd.exe /c exit 0", L"", 0},
      {checkMarker, temp.path(), 3},         // runs in the working folder
      {checkMarker, temp / L"missing", -1},  // a missing working folder: cannot start
      {L"vt-no-such-program.exe", L"", -1}, {L"", L"", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(RunAndWait(c.command, c.folder, SW_HIDE), c.expected) << c.command;
}

TEST(Process, ExpandEnvVars) {
  ASSERT_TRUE(SetEnvironmentVariableW(L"VT_TEST_NAME", L"Tidewright"));
  ASSERT_TRUE(SetEnvironmentVariableW(L"VT_TEST_LONG", std::wstring(3000, L'x').c_str()));
  EXPECT_EQ(ExpandEnvVars(L"%VT_TEST_NAME%\\cache\\%VT_TEST_NAME%"), L"Tidewright\\cache\\Tidewright");
  EXPECT_EQ(ExpandEnvVars(L"%VT_TEST_UNSET%\\x"), L"%VT_TEST_UNSET%\\x");
  EXPECT_EQ(ExpandEnvVars(L"plain"), L"plain");
  EXPECT_EQ(ExpandEnvVars(L""), L"");
  EXPECT_EQ(ExpandEnvVars(L"a%VT_TEST_LONG%"), L"a" + std::wstring(2046, L'x')) << "cut at 2047 characters";
  SetEnvironmentVariableW(L"VT_TEST_NAME", nullptr);
  SetEnvironmentVariableW(L"VT_TEST_LONG", nullptr);
}

// One ini file per test, with values of every kind.
class IniFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ini_ = temp_ / L"test.ini";
    ASSERT_TRUE(WriteBytes(ini_,
                           "[Main]\r\nName=Tidewright\r\nCount=42\r\nNegative=-5\r\nWord=abc\r\nMixed=12abc\r\n"
                           "Empty=\r\nSpaces=  17  \r\nHuge=99999999999\r\nLong=" +
                               std::string(3000, 'v') + "\r\n[Other]\r\nName=other\r\n"));
  }
  TempFolder temp_;
  std::wstring ini_;
};

TEST_F(IniFiles, ReadString) {
  EXPECT_EQ(IniReadString(ini_, L"Main", L"Name"), L"Tidewright");
  EXPECT_EQ(IniReadString(ini_, L"main", L"name"), L"Tidewright");
  EXPECT_EQ(IniReadString(ini_, L"Other", L"Name"), L"other");
  EXPECT_EQ(IniReadString(ini_, L"Main", L"Long"), std::wstring(3000, L'v')) << "not cut at a buffer size";
  EXPECT_EQ(IniReadString(ini_, L"Main", L"Missing"), L"");
  EXPECT_EQ(IniReadString(ini_, L"NoSection", L"Name"), L"");
  EXPECT_EQ(IniReadString(temp_ / L"missing.ini", L"Main", L"Name"), L"");
}

TEST_F(IniFiles, ReadInteger) {
  const struct {
    const wchar_t* key;
    int expected;
  } cases[] = {{L"Count", 42}, {L"Negative", -5}, {L"Spaces", 17}, {L"Word", -1},
               {L"Mixed", -1}, {L"Empty", -1},    {L"Huge", -1},   {L"Missing", -1}};
  for (const auto& c : cases) EXPECT_EQ(IniReadInteger(ini_, L"Main", c.key), c.expected) << c.key;
  EXPECT_EQ(IniReadInteger(temp_ / L"missing.ini", L"Main", L"Count"), -1);
}

TEST_F(IniFiles, WriteStringOnlyToExistingFiles) {
  EXPECT_TRUE(IniWriteString(ini_, L"Main", L"Name", L"changed"));
  EXPECT_TRUE(IniWriteString(ini_, L"New", L"Key", L"value"));
  EXPECT_EQ(IniReadString(ini_, L"Main", L"Name"), L"changed");
  EXPECT_EQ(IniReadString(ini_, L"New", L"Key"), L"value");
  EXPECT_EQ(IniReadString(ini_, L"Other", L"Name"), L"other");
  EXPECT_EQ(IniReadInteger(ini_, L"Main", L"Count"), 42);

  EXPECT_FALSE(IniWriteString(temp_ / L"missing.ini", L"Main", L"Name", L"x"));
  EXPECT_FALSE(Exists(temp_ / L"missing.ini")) << "creates nothing";

  // A relative name means the current folder, never the Windows folder.
  const std::wstring relative = L"vt-relative-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
  ASSERT_TRUE(WriteBytes(temp_ / relative, "[Main]\r\n"));
  InFolder(temp_.path(), [&] { EXPECT_TRUE(IniWriteString(relative, L"Main", L"Key", L"here")); });
  EXPECT_EQ(IniReadString(temp_ / relative, L"Main", L"Key"), L"here");
}

TEST_F(IniFiles, WriteStringToReadOnlyFileKeepsItReadOnly) {
  ASSERT_TRUE(SetFileAttributesW(ini_.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  const DWORD attributes = Attributes(ini_);
  EXPECT_TRUE(IniWriteString(ini_, L"Main", L"Name", L"written"));
  EXPECT_EQ(Attributes(ini_), attributes);
  EXPECT_NE(Contents(ini_).find("Name=written"), std::string::npos) << "on disk, not only in a cache";
}

TEST_F(IniFiles, DeleteKey) {
  IniDeleteKey(ini_, L"Main", L"Name");
  EXPECT_EQ(IniReadString(ini_, L"Main", L"Name"), L"");
  EXPECT_EQ(IniReadString(ini_, L"Other", L"Name"), L"other");
  EXPECT_EQ(IniReadInteger(ini_, L"Main", L"Count"), 42) << "the rest of the section stays";
  IniDeleteKey(ini_, L"Main", L"Missing");
  IniDeleteKey(temp_ / L"missing.ini", L"Main", L"Name");
  EXPECT_FALSE(Exists(temp_ / L"missing.ini"));
}

}  // namespace
}  // namespace vt::testing
