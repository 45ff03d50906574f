#include "platform/help.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "support/test_support.h"

namespace vt::testing {
namespace {

constexpr wchar_t kEnglishTitle[] = L"Veltrano Tidewright 2007 Help";
constexpr wchar_t kGermanTitle[] = L"Veltrano Tidewright 2007 Hilfe";

// The shipped help files, the active language and the viewer windows of one test;
// every viewer still open at the end is closed.
class HelpFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    savedAppDir_ = AppDir;
    savedLanguage_ = LanguageId;
    AppDir = DistFolder();
  }
  void TearDown() override {
    for (HWND viewer : viewers_)
      if (IsWindow(viewer)) SendMessageW(viewer, WM_CLOSE, 0, 0);
    AppDir = savedAppDir_;
    LanguageId = savedLanguage_;
  }
  HWND Open(const std::wstring& code) {
    HWND viewer = OpenHelpTopic(code);
    if (viewer) viewers_.push_back(viewer);
    return viewer;
  }

 private:
  std::wstring savedAppDir_;
  int savedLanguage_ = 0;
  std::vector<HWND> viewers_;
};

std::wstring WindowTitle(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// Lets the viewer finish building its panes, as the program's message loop would.
void PumpMessages(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  MSG message;
  while (GetTickCount() < end) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
}

// The entries of the viewer's contents tree, top level first, as the user reads them.
std::vector<std::wstring> ContentsEntries(HWND viewer) {
  HWND tree = nullptr;
  EnumChildWindows(
      viewer,
      [](HWND child, LPARAM found) -> BOOL {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (std::wstring(name) != WC_TREEVIEWW) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&tree));
  std::vector<std::wstring> entries;
  if (!tree) return entries;
  for (auto item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item)) {
    wchar_t text[128] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = 128;
    TreeView_GetItem(tree, &data);
    entries.push_back(text);
  }
  return entries;
}

bool EndsWith(const std::wstring& text, const std::wstring& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

struct TopicCase {
  const char* name;
  int languageId;
  const wchar_t* code;
  const wchar_t* file;
  const wchar_t* title;
  std::vector<std::wstring> contents;
  friend void PrintTo(const TopicCase& c, std::ostream* out) { *out << c.name; }
};

class HelpTopics : public HelpFixture, public ::testing::WithParamInterface<TopicCase> {};

// Each topic the program asks for opens the viewer of the right language's file,
// titled as its project says, with that file's contents tree.
TEST_P(HelpTopics, OpenTheViewerOfTheLanguagesFile) {
  const TopicCase& c = GetParam();
  LanguageId = c.languageId;
  RecordingDialogs dialogs;

  HWND viewer = Open(c.code);

  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(dialogs.requests.empty()) << "the CHM Error message was shown";
  EXPECT_TRUE(EndsWith(HelpRouterFile(), std::wstring(L"\\Translation\\") + c.file)) << HelpRouterFile().c_str();
  EXPECT_EQ(FindWindowW(nullptr, c.title), viewer);
  EXPECT_EQ(WindowTitle(viewer), c.title);
  EXPECT_TRUE(IsWindowVisible(viewer));
  PumpMessages(200);
  EXPECT_EQ(ContentsEntries(viewer), c.contents);

  SendMessageW(viewer, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(viewer));
}

const std::vector<std::wstring> kEnglishContents = {L"Welcome", L"The main window", L"Settings", L"Drive Cleaner"};
const std::vector<std::wstring> kGermanContents = {L"Willkommen", L"Das Hauptfenster", L"Einstellungen",
                                                  L"Drive Cleaner"};

INSTANTIATE_TEST_SUITE_P(
    HelpCodes, HelpTopics,
    ::testing::Values(TopicCase{"EnglishMain", 9, L"MAIN", L"9.chm", kEnglishTitle, kEnglishContents},
                      TopicCase{"EnglishOptions", 9, L"OPTIONS", L"9.chm", kEnglishTitle, kEnglishContents},
                      TopicCase{"GermanMain", 7, L"MAIN", L"7.chm", kGermanTitle, kGermanContents},
                      TopicCase{"GermanOptions", 7, L"OPTIONS", L"7.chm", kGermanTitle, kGermanContents},
                      // French has no help file: English stands in.
                      TopicCase{"UnknownFallsBackToEnglish", 12, L"MAIN", L"9.chm", kEnglishTitle, kEnglishContents}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vt::testing
