#include "platform/news_channels.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <thread>

#include "platform/win_registry.h"
#include "support/test_support.h"
#include "vtr_inet/vtr_inet_api.h"

namespace vt::testing {
namespace {

std::atomic<unsigned> keyCounter{0};

// A scratch key HKCU\Software\VeltranoTidewrightTests\news-<n> (not created
// here), removed with everything under it afterwards; AppDir and LanguageId are
// restored too.
class NewsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    savedAppDir_ = AppDir;
    savedLanguage_ = LanguageId;
    AppDir = DistFolder();
    key_ = L"Software\\VeltranoTidewrightTests\\news-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++keyCounter);
  }
  void TearDown() override {
    Reg().RemoveKey(HKCU, key_);
    AppDir = savedAppDir_;
    LanguageId = savedLanguage_;
  }
  std::wstring Text(const wchar_t* name) const { return Reg().ReadStringValue(HKCU, key_, name); }
  bool Has(const wchar_t* name) const { return Reg().ValueExists(HKCU, key_, name); }

  std::wstring key_;

 private:
  std::wstring savedAppDir_;
  int savedLanguage_ = 0;
};

std::wstring Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[16];
  swprintf(text, 16, L"%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
  return text;
}

TEST_F(NewsFixture, StartRecordsProductVersionLanguageAndTimeUnderTheKey) {
  LanguageId = 7;
  RecordingDialogs dialogs;
  const std::wstring before = Today();

  ShowNewsChannels(nullptr, NewsProductId, ProductVersion, HKCU, key_);

  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_EQ(Text(L"Product"), L"1506");
  EXPECT_EQ(Text(L"Version"), L"3.21");
  EXPECT_EQ(Reg().ValueDataType(HKCU, key_, L"Language"), kValueInteger);
  EXPECT_EQ(Reg().ReadIntegerValue(HKCU, key_, L"Language"), 7);
  const std::wstring lastStart = Text(L"LastStart");
  ASSERT_EQ(lastStart.size(), 19u) << lastStart.c_str();  // YYYY-MM-DD hh:mm:ss
  const std::wstring day = lastStart.substr(0, 10);
  EXPECT_TRUE(day == before || day == Today()) << lastStart.c_str();
  // Start records and nothing more: the configuration is the user's to make.
  EXPECT_FALSE(Has(L"Enabled"));
  EXPECT_FALSE(Has(L"Interval"));
}

TEST_F(NewsFixture, WithoutTheLibraryEachCallShowsTheNilMessageOnceAndStoresNothing) {
  const std::pair<const char*, std::function<void(const std::wstring&)>> calls[] = {
      {"start", [](const std::wstring& key) { ShowNewsChannels(nullptr, NewsProductId, ProductVersion, HKCU, key); }},
      {"configure", [](const std::wstring& key) { ConfigureNewsChannels(nullptr, HKCU, key); }},
  };
  ScratchFolder empty(L"news");
  AppDir = empty.Path();
  for (const auto& [name, call] : calls) {
    RecordingDialogs dialogs;
    call(key_);
    ASSERT_EQ(dialogs.requests.size(), 1u) << name;
    EXPECT_EQ(dialogs.requests[0].text, L"NewsChannels : pObject is NIL!!!") << name;
    EXPECT_EQ(dialogs.requests[0].caption, ProductTitle) << name;
    EXPECT_EQ(dialogs.requests[0].icon, MessageIcon::None) << name;
    EXPECT_FALSE(Reg().KeyExists(HKCU, key_)) << name;
  }
}

// Plays the user at the library's configuration dialog from a second thread
// while the test thread sits in the modal loop.
struct DialogSeen {
  bool found = false;
  bool centred = false;  // on the work area, within a pixel
  std::wstring checkBoxText;
  bool initiallyChecked = false;
  int initialInterval = -1;
  std::vector<std::wstring> intervals;
};

struct UserAction {
  bool toggleCheckBox = false;
  int interval = -1;  // -1 leaves the selection
  int button = IDOK;
};

DialogSeen RunConfiguration(const std::wstring& key, const UserAction& action) {
  DialogSeen seen;
  std::atomic<bool> done{false};
  std::thread user([&] {
    const DWORD end = GetTickCount() + 10000;
    HWND dialog = nullptr;
    while (!done && GetTickCount() < end) {
      dialog = FindWindowW(L"#32770", kVinetConfigTitle);
      DWORD process = 0;
      if (dialog && IsWindowVisible(dialog) && GetWindowThreadProcessId(dialog, &process) &&
          process == GetCurrentProcessId())
        break;
      dialog = nullptr;
      Sleep(20);
    }
    if (!dialog) return;
    seen.found = true;
    RECT frame{}, workArea{};
    GetWindowRect(dialog, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    seen.centred = std::abs((frame.left + frame.right) - (workArea.left + workArea.right)) <= 2 &&
                   std::abs((frame.top + frame.bottom) - (workArea.top + workArea.bottom)) <= 2;
    HWND box = GetDlgItem(dialog, kVinetConfigShowOnStart);
    HWND combo = GetDlgItem(dialog, kVinetConfigInterval);
    wchar_t text[128] = {};
    GetWindowTextW(box, text, 128);
    seen.checkBoxText = text;
    seen.initiallyChecked = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    seen.initialInterval = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      seen.intervals.push_back(text);
    }
    if (action.toggleCheckBox) SendMessageW(box, BM_CLICK, 0, 0);
    if (action.interval >= 0) SendMessageW(combo, CB_SETCURSEL, action.interval, 0);
    SendMessageW(GetDlgItem(dialog, action.button), BM_CLICK, 0, 0);
  });
  ConfigureNewsChannels(nullptr, HKCU, key);
  done = true;
  user.join();
  return seen;
}

struct ConfigCase {
  const char* name;
  int languageId;
  UserAction action;
  const wchar_t* checkBoxText;
  std::vector<std::wstring> intervals;
  bool stored;
  DWORD enabled;
  const wchar_t* interval;
  friend void PrintTo(const ConfigCase& c, std::ostream* out) { *out << c.name; }
};

const std::vector<std::wstring> kEnglishIntervals = {L"Daily", L"Weekly", L"Monthly"};
const std::vector<std::wstring> kGermanIntervals = {L"T\u00e4glich", L"W\u00f6chentlich", L"Monatlich"};

class NewsConfiguration : public NewsFixture, public ::testing::WithParamInterface<ConfigCase> {};

// A fresh key opens with news on, weekly; OK stores exactly what is shown then,
// Cancel stores nothing.
TEST_P(NewsConfiguration, StoresTheChoiceOnOkOnly) {
  const ConfigCase& c = GetParam();
  LanguageId = c.languageId;
  RecordingDialogs dialogs;

  const DialogSeen seen = RunConfiguration(key_, c.action);

  ASSERT_TRUE(seen.found) << "no configuration dialog appeared";
  EXPECT_TRUE(seen.centred);
  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_EQ(seen.checkBoxText, c.checkBoxText);
  EXPECT_EQ(seen.intervals, c.intervals);
  EXPECT_TRUE(seen.initiallyChecked);
  EXPECT_EQ(seen.initialInterval, 1);
  if (c.stored) {
    EXPECT_EQ(Reg().ValueDataType(HKCU, key_, L"Enabled"), kValueInteger);
    EXPECT_EQ(static_cast<DWORD>(Reg().ReadIntegerValue(HKCU, key_, L"Enabled")), c.enabled);
    EXPECT_EQ(Text(L"Interval"), c.interval);
  } else {
    EXPECT_FALSE(Has(L"Enabled"));
    EXPECT_FALSE(Has(L"Interval"));
  }
  // Configuring is not starting.
  EXPECT_FALSE(Has(L"LastStart"));
}

INSTANTIATE_TEST_SUITE_P(
    NewsChoices, NewsConfiguration,
    ::testing::Values(
        ConfigCase{
            "EnglishOffMonthly", 9, {true, 2, IDOK}, L"Show news on start-up", kEnglishIntervals, true, 0, L"monthly"},
        ConfigCase{"GermanOnDaily",
                   7,
                   {false, 0, IDOK},
                   L"Neuigkeiten beim Start anzeigen",
                   kGermanIntervals,
                   true,
                   1,
                   L"daily"},
        ConfigCase{"UntouchedOkKeepsDefaults",
                   9,
                   {false, -1, IDOK},
                   L"Show news on start-up",
                   kEnglishIntervals,
                   true,
                   1,
                   L"weekly"},
        ConfigCase{"CancelAfterChanges",
                   7,
                   {true, 2, IDCANCEL},
                   L"Neuigkeiten beim Start anzeigen",
                   kGermanIntervals,
                   false,
                   0,
                   L""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NewsFixture, ConfigurationOpensWithTheStoredChoiceAndCancelKeepsIt) {
  LanguageId = 9;
  ASSERT_TRUE(RunConfiguration(key_, {true, 0, IDOK}).found);  // off, daily

  const DialogSeen second = RunConfiguration(key_, {true, 2, IDCANCEL});

  ASSERT_TRUE(second.found);
  EXPECT_FALSE(second.initiallyChecked);
  EXPECT_EQ(second.initialInterval, 0);
  EXPECT_EQ(Reg().ReadIntegerValue(HKCU, key_, L"Enabled"), 0);
  EXPECT_EQ(Text(L"Interval"), L"daily");
}

}  // namespace
}  // namespace vt::testing
