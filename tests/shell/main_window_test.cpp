#include <gtest/gtest.h>

#include "core/globals.h"
#include "platform/language_files.h"
#include "platform/text_codec.h"
#include "platform/win_registry.h"
#include "shell/main_window.h"
#include "support/test_support.h"
#include "ui/application.h"

namespace vt::testing {

namespace {

// A started program's state: the shipped folder, its skin and English texts.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AppDir = DistFolder();
    SkinDir = AppDir + L"\\Skins\\default";
    LanguageId = 9;
    LanguageFilePath = AppDir + L"\\Translation\\9.ini";
    LanguageFile = *ReadLanguageFile(LanguageFilePath);
    window = std::make_unique<MainWindow>();
    window->InitSkin([](const std::wstring&) {});
    window->Show();
    ui::ProcessPendingMessages();
  }
  void TearDown() override {
    window.reset();
    LanguageFile = LanguageText();
    LanguageFilePath.clear();
  }
  // A real click: the window's mouse messages at the control's centre.
  void ClickOn(const ui::Control& control) {
    const LPARAM at = MAKELPARAM(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2);
    SendMessageW(window->Handle(), WM_MOUSEMOVE, 0, at);
    SendMessageW(window->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window->Handle(), WM_LBUTTONUP, 0, at);
  }
  void Shot(const std::wstring& name) {
    const std::wstring folder = ScreensFolder();
    if (folder.empty()) return;
    ui::ProcessPendingMessages();
    EXPECT_TRUE(SaveWindowShot(window->Handle(), folder + L"\\" + name + L".png"));
  }
  std::unique_ptr<MainWindow> window;
};

// A module window that closes itself as soon as it is shown.
class ClosingForm : public ui::Form {
 public:
  explicit ClosingForm(bool* mainVisible, HWND main)
      : ui::Form(L"Form_Sample", 200, 100, ui::FormBorder::Dialog), mainVisible_(mainVisible), main_(main) {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SHOWWINDOW && wParam) {
      *mainVisible_ = IsWindowVisible(main_);
      PostMessageW(handle_, WM_CLOSE, 0, 0);
    }
    return ui::Form::WindowProc(message, wParam, lParam);
  }

 private:
  bool* mainVisible_;
  HWND main_;
};

}  // namespace

TEST_F(MainWindowTest, CategoriesFillTheSlotsOnceAndSlotsNeedACategory) {
  RecordingDialogs dialogs;
  window->ClickSlot(1);
  EXPECT_TRUE(dialogs.requests.empty()) << "a slot before any category does nothing";
  EXPECT_FALSE(window->PardunMouseImage3State_Module1.Visible());
  Shot(L"main_0_welcome");

  struct Case {
    ui::ThreeStateImage* button;
    Category category;
    const wchar_t* shot;
  };
  const Case cases[] = {
      {&window->PardunMouseImage3State_Cleaning, Category::Cleaning, L"main_1_cleaning"},
      {&window->PardunMouseImage3State_Tuning, Category::Tuning, L"main_2_tuning"},
      {&window->PardunMouseImage3State_Tools, Category::FileTools, L"main_3_filetools"},
      {&window->PardunMouseImage3State_New, Category::NewTools, L"main_4_newtools"},
  };
  for (const auto& c : cases) {
    const int paints = window->SubmenuPaintCount();
    ClickOn(*c.button);
    EXPECT_EQ(window->CurrentCategory(), c.category);
    EXPECT_EQ(window->SubmenuPaintCount(), paints + 1);
    EXPECT_FALSE(c.button->Enabled()) << "the active category's button is disabled";
    EXPECT_TRUE(window->PardunMouseImage3State_Module3.Visible());
    EXPECT_FALSE(window->PardunMouseImage3State_Module4.Visible());
    Shot(c.shot);
    window->SelectCategory(c.category);
    EXPECT_EQ(window->SubmenuPaintCount(), paints + 1) << "the active category again: no repaint";
  }
  EXPECT_TRUE(window->PardunMouseImage3State_Cleaning.Enabled());
}

TEST_F(MainWindowTest, SlotsOpenTheirModuleOrSayItIsComing) {
  RecordingDialogs dialogs;
  std::vector<std::pair<Category, int>> asked;
  bool mainVisibleDuringModule = true;
  window->moduleFactory = [&](Category category, int slot) -> std::unique_ptr<ui::Form> {
    asked.emplace_back(category, slot);
    if (category == Category::Tuning) return std::make_unique<ClosingForm>(&mainVisibleDuringModule, window->Handle());
    return nullptr;
  };
  window->SelectCategory(Category::Cleaning);
  ClickOn(window->PardunMouseImage3State_Module2);
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].text,
            L"This module is in preparation and will come with one of the next versions.");
  EXPECT_EQ(dialogs.requests[0].owner, window->Handle());

  window->SelectCategory(Category::Tuning);
  ClickOn(window->PardunMouseImage3State_Module1);
  EXPECT_FALSE(mainVisibleDuringModule) << "the main window hides while a module runs";
  EXPECT_TRUE(window->Visible()) << "and comes back afterwards";
  EXPECT_EQ(window->CurrentCategory(), Category::Tuning) << "the category survives the module";
  EXPECT_EQ(asked, (std::vector<std::pair<Category, int>>{{Category::Cleaning, 2}, {Category::Tuning, 1}}));
}

TEST_F(MainWindowTest, AboutPageAndBack) {
  ClickOn(window->PardunMouseImage3State_About);
  EXPECT_TRUE(window->AboutPageActive());
  EXPECT_TRUE(window->Label_About_Back.Visible());
  EXPECT_FALSE(window->PardunMouseImage3State_Cleaning.Visible());
  EXPECT_TRUE(window->PardunMouseImage3State_Close.Visible()) << "header buttons stay";
  EXPECT_EQ(window->Label_About_Back.Caption(), L"Main menu");
  Shot(L"main_5_about");
  ClickOn(window->Label_About_Back);
  EXPECT_FALSE(window->AboutPageActive());
  EXPECT_TRUE(window->PardunMouseImage3State_Cleaning.Visible());
}

TEST_F(MainWindowTest, InternetEntriesOpenRedirectAddresses) {
  std::wstring opened;
  window->openAddress = [&](const std::wstring& address) { opened = address; };
  Reg().RemoveValue(HKLM, ProductRegKey, L"Edition");
  window->ClickInternetEntry(L"support");
  EXPECT_EQ(opened.rfind(L"http://www.veltrano.example/linktarget/?product=1506&version=3.21&edition=&syslang=en-us"
                         L"&lang=en-",
                         0),
            0u)
      << WideToAnsi(opened);
  EXPECT_NE(opened.find(L"&target=support"), std::wstring::npos);
  Reg().WriteStringValue(HKLM, ProductRegKey, L"Edition", L"Pro");
  window->ClickInternetEntry(L"myarea");
  EXPECT_NE(opened.find(L"edition=Pro&syslang="), std::wstring::npos);
  Reg().RemoveValue(HKLM, ProductRegKey, L"Edition");
}

TEST_F(MainWindowTest, CommandLineSwitchesGoThroughTheSameClicks) {
  RecordingDialogs dialogs;
  std::vector<std::pair<Category, int>> asked;
  int oneClickRuns = 0;
  window->moduleFactory = [&](Category category, int slot) -> std::unique_ptr<ui::Form> {
    asked.emplace_back(category, slot);
    return nullptr;
  };
  window->oneClickFactory = [&]() -> std::unique_ptr<ui::Form> {
    ++oneClickRuns;
    return nullptr;
  };
  window->DispatchSwitch(L"-dc2");
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(oneClickRuns, 0);
  EXPECT_TRUE(window->Visible()) << "an unknown switch starts normally";

  window->DispatchSwitch(L"X-OCOY");
  EXPECT_EQ(oneClickRuns, 1);
  EXPECT_TRUE(window->Visible()) << "the one-click run keeps the program running";

  window->DispatchSwitch(L"-CONTEXTJOIN");
  EXPECT_EQ(asked, (std::vector<std::pair<Category, int>>{{Category::FileTools, 2}}));
  EXPECT_FALSE(window->Visible()) << "a module switch closes the main window";
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "closing the main window ends the program";
}

}  // namespace vt::testing
