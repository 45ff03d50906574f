#include "ui/module_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/globals.h"
#include "platform/win_registry.h"
#include "support/test_support.h"
#include "texts/module_texts.h"
#include "ui/application.h"
#include "ui/skin.h"

namespace vt::ui {

namespace {

using vt::testing::RecordingDialogs;

constexpr auto kSampleEntries = WithBackupsColumns(ModuleWindowEntries(
    L"Beispiel-Modul", {
                           {L"RadioButton_Count", L"Elemente z\u00E4hlen"},
                           {L"RadioButton_Backups", L"Backups anzeigen"},
                           {L"MESSAGE_Done", L"Es wurden %1 Elemente gez\u00E4hlt."},
                           {L"MESSAGE_Delete", L"Wirklich l\u00F6schen?"},
                       }));
const TextSection kSampleTexts{L"Form_SampleModule", kSampleEntries};

constexpr auto kSampleResultEntries = ResultWindowEntries({{L"Form_SampleModule_Result", L"Gefunden"}});
const TextSection kSampleResultTexts{L"Form_SampleModule_Result", kSampleResultEntries};

// The module's own work, as a module writes it: plain code that reports its
// progress in a struct and paces itself through the steps.
struct CountProgress {
  int done = 0;
};

void CountItems(int total, CountProgress& progress, const WorkSteps& steps) {
  progress.done = 0;
  for (int i = 0; i < total; ++i) {
    Sleep(4);  // one unit of work
    ++progress.done;
    if (!steps.Next()) return;
  }
}

// Pages: 0 start (what to do), 1 work, 2 result, 3 backups.
class SampleModule : public ModuleForm {
 public:
  explicit SampleModule(ModuleCategory category = ModuleCategory::Tuning)
      : ModuleForm(ModuleWindowSpec(kSampleTexts, L"SAMPLE", category)
                       .WithIcon(L"DC")
                       .WithTimer(L"JvThreadTimer_Sample", 250)) {
    TabSheet& start = AddPage(L"TabSheet_Start");
    RadioButton_Count = &Make<RadioButton>(&start, L"RadioButton_Count", L"Elemente z\u00E4hlen",
                                           RECT{40, 40, 400, 60}, true);
    RadioButton_Backups = &Make<RadioButton>(&start, L"RadioButton_Backups", L"Backups anzeigen",
                                             RECT{40, 70, 400, 90});
    RadioButton_Count->tag = RadioButton_Backups->tag = 1;
    RadioButton_Count->SetChecked(true);
    TabSheet& work = AddPage(L"TabSheet_Work");
    ProgressBar_Work = &Make<ProgressBar>(&work, L"ProgressBar_Work", RECT{40, 120, 600, 140});
    ProgressBar_Work->SetRange(kItems);
    Label_Work = &Make<Label>(&work, L"Label_Work", L"", RECT{40, 90, 600, 110});
    AddPage(L"TabSheet_Result");
    backups = std::make_unique<BackupsPage>(AddBackupsPage(L"TabSheet_Backups", true));
    Button_Weiter.onClick = [this] { Button_WeiterClick(); };
    Button_Zurueck.onClick = [this] {
      ShowPage(0);
      Button_Zurueck.SetEnabled(false);
    };
    onProgressTick = [this] {
      Label_Work->SetCaption(std::to_wstring(progress.done));
      ProgressBar_Work->SetPosition(progress.done);
      if (onTick) onTick();
    };
    FinishCreate();
  }

  void Button_WeiterClick() {
    if (ActivePage() != 0) return;
    if (RadioButton_Backups->Checked()) {
      ShowPage(3);
      Button_Zurueck.SetEnabled(true);
      return;
    }
    ShowPage(1);
    completed = RunWork([this](const WorkSteps& steps) { CountItems(kItems, progress, steps); });
    if (!*completed) {
      ShowPage(0);
      Button_Zurueck.SetEnabled(false);
      return;
    }
    ShowPage(2);
    std::wstring text = Message(L"MESSAGE_Done");
    text.replace(text.find(L"%1"), 2, std::to_wstring(progress.done));
    if (Interactive()) ShowText(text, MessageIcon::Information);
  }

  static constexpr int kItems = 200;
  RadioButton* RadioButton_Count = nullptr;
  RadioButton* RadioButton_Backups = nullptr;
  ProgressBar* ProgressBar_Work = nullptr;
  Label* Label_Work = nullptr;
  std::unique_ptr<BackupsPage> backups;
  CountProgress progress;
  std::optional<bool> completed;
  std::function<void()> onTick;
};

// Globals the module frame reads, set for each test and put back afterwards.
class ModuleFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    SkinDir = vt::testing::DistFolder() + L"\\Skins\\default";
    ASSERT_FALSE(LoadSkinFile(L"Header_AllModules.bmp").Empty()) << "the default skin is built into dist";
    OneClickRunning = false;
    CancelRequested = false;
    CategoryTitleTuning = L"Tuning";
    CategoryTitleCleaning.clear();
  }
  void TearDown() override {
    OneClickRunning = false;
    CancelRequested = false;
    CategoryTitleTuning.clear();
    CategoryTitleCleaning.clear();
    LanguageFile = LanguageText();
    LanguageFilePath.clear();
    SkinDir.clear();
    AppDir.clear();
  }
  RecordingDialogs dialogs_;
};

// Pixels of the header that differ from the skin's plain picture inside a box.
std::vector<POINT> ChangedPixels(const Picture& drawn, const RECT& box) {
  const Picture plain = LoadSkinFile(L"Header_AllModules.bmp");
  std::vector<POINT> changed;
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x)
      if (drawn.PixelAt(x, y) != plain.PixelAt(x, y)) changed.push_back({x, y});
  return changed;
}

bool SamePixels(const Picture& a, const Picture& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.PixelAt(x, y) != b.PixelAt(x, y)) return false;
  return true;
}

}  // namespace

TEST_F(ModuleFrame, FrameHeaderAndButtonsAfterCreation) {
  SampleModule window;
  window.Show();
  ProcessPendingMessages();

  EXPECT_EQ(window.ClientWidth(), 640);
  EXPECT_EQ(window.ClientHeight(), 480);
  wchar_t title[128] = {};
  GetWindowTextW(window.Handle(), title, 128);
  EXPECT_EQ(std::wstring(title), ProductTitle);
  const LONG style = GetWindowLongW(window.Handle(), GWL_STYLE);
  EXPECT_TRUE((style & WS_MINIMIZEBOX) && (style & WS_SYSMENU));
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX));

  struct Place {
    const Control& control;
    RECT bounds;
  };
  const Place places[] = {
      {window.Image_Header, {0, 0, 640, 77}},       {window.Image_HeaderKreis, {6, 6, 55, 55}},
      {window.Image_HeaderIcon, {16, 16, 48, 48}},  {window.JvPageControl1, {0, 77, 640, 436}},
      {window.Button_Cancel, window.Button_Close.Bounds()},
  };
  for (const auto& p : places) {
    const RECT& r = p.control.Bounds();
    EXPECT_TRUE(EqualRect(&r, &p.bounds)) << std::string(p.control.Name().begin(), p.control.Name().end());
  }
  struct Caption {
    const Button& button;
    const wchar_t* text;
    bool visible, enabled;
  };
  const Caption captions[] = {
      {window.Button_Help, L"&Hilfe", true, true},          {window.Button_Zurueck, L"< &Zur\u00FCck", true, false},
      {window.Button_Weiter, L"&Weiter >", true, true},     {window.Button_Close, L"&Beenden", true, true},
      {window.Button_Cancel, L"&Abbrechen", false, true},
  };
  for (const auto& c : captions) {
    SCOPED_TRACE(std::string(c.button.Name().begin(), c.button.Name().end()));
    EXPECT_EQ(c.button.Caption(), c.text);
    EXPECT_NE(c.button.tag, 0) << "translated";
    EXPECT_EQ(IsWindowVisible(c.button.Handle()) != FALSE, c.visible);
    EXPECT_EQ(IsWindowEnabled(c.button.Handle()) != FALSE, c.enabled);
  }
  EXPECT_EQ(window.ActivePage(), 0);
  EXPECT_EQ(window.ProgressTimer.Interval(), 250u);
  EXPECT_EQ(window.ProgressTimer.Name(), L"JvThreadTimer_Sample");

  // Header pictures, the module icon named by its own code, and the page background.
  EXPECT_EQ(window.Image_HeaderKreis.GetPicture().Width(), 49);
  EXPECT_FALSE(window.Image_HeaderIcon.GetPicture().Empty());
  EXPECT_TRUE(SamePixels(window.Image_HeaderIcon.GetPicture(), LoadSkinFile(L"ModuleIcon_DC.png")));
  for (int i = 0; i < window.JvPageControl1.PageCount(); ++i)
    EXPECT_FALSE(window.JvPageControl1.Page(i).BackgroundPicture().Empty()) << "page " << i;

  // The caption is drawn from (60, 20) on; the category ends right-aligned near the
  // right edge above the header's lower part.
  EXPECT_EQ(window.HeaderCaptionShown(), L"Beispiel-Modul");
  EXPECT_EQ(window.HeaderCategoryShown(), L"Tuning");
  const Picture& header = window.Image_Header.GetPicture();
  ASSERT_EQ(header.Width(), 640);
  const auto caption = ChangedPixels(header, {0, 0, 400, 60});
  ASSERT_FALSE(caption.empty());
  int captionLeft = 640, captionTop = 77;
  for (const auto& p : caption) {
    captionLeft = std::min<int>(captionLeft, p.x);
    captionTop = std::min<int>(captionTop, p.y);
  }
  EXPECT_GE(captionLeft, 60);
  EXPECT_LE(captionLeft, 64);
  EXPECT_GE(captionTop, 20);
  const auto category = ChangedPixels(header, {400, 30, 640, 77});
  ASSERT_FALSE(category.empty());
  int categoryRight = 0, categoryTop = 77;
  for (const auto& p : category) {
    categoryRight = std::max<int>(categoryRight, p.x);
    categoryTop = std::min<int>(categoryTop, p.y);
  }
  EXPECT_GE(categoryRight, 640 - 12);
  EXPECT_LE(categoryRight, 640 - 7);
  EXPECT_GE(categoryTop, 77 - 8 - 34);

  // The shape of the Backups page.
  EXPECT_EQ(window.backups->VirtualDrawTree_Backups.ColumnCount(), 2);
  EXPECT_EQ(window.backups->VirtualDrawTree_Backups.ColumnCaption(0), L"Datum");
  EXPECT_EQ(window.backups->VirtualDrawTree_Backups.ColumnCaption(1), L"Gel\u00F6schte Eintr\u00E4ge");
  EXPECT_EQ(window.backups->Button_Restore.Caption(), L"Zur\u00FCckspielen");
  EXPECT_EQ(window.backups->Button_Delete.Caption(), L"L\u00F6schen");
  EXPECT_TRUE(UndeclaredCaptions(window, kSampleTexts).empty()) << "the table lists every translated caption";

  const std::wstring screens = vt::testing::ScreensFolder();
  if (!screens.empty()) {
    window.RadioButton_Backups->SetChecked(true);
    window.Button_Weiter.Click();
    ProcessPendingMessages();
    EXPECT_TRUE(vt::testing::SaveWindowShot(window.Handle(), screens + L"\\module_backups.png"));
    window.Button_Zurueck.Click();
    ProcessPendingMessages();
    EXPECT_TRUE(vt::testing::SaveWindowShot(window.Handle(), screens + L"\\module_frame.png"));
  }
}

TEST_F(ModuleFrame, LanguageFileReplacesCaptionsAndHeader) {
  LanguageFilePath = L"T:\\9.ini";
  LanguageFile = LanguageText::FromText(
      L"[Form_SampleModule]\r\n||Button_Help=&Help\r\n||Button_Zurueck=< &Back\r\n||Button_Weiter=&Next >\r\n"
      L"||Button_Close=&Close\r\n||MESSAGE_HeaderCaption=Sample module\r\n"
      L"||VirtualDrawTree_Backups=Date\r\nDeleted entries\r\n||Button_Restore=Restore\r\n||\r\n");
  SampleModule window;
  EXPECT_EQ(window.Button_Weiter.Caption(), L"&Next >");
  EXPECT_EQ(window.Button_Cancel.Caption(), L"Missing Translation") << "an entry the file lacks";
  EXPECT_EQ(window.backups->VirtualDrawTree_Backups.ColumnCaption(1), L"Deleted entries");
  EXPECT_EQ(window.backups->Button_Restore.Caption(), L"Restore");
  EXPECT_EQ(window.HeaderCaptionShown(), L"Sample module");
  EXPECT_EQ(window.Caption(), ProductTitle) << "the window's own caption is not translated";

  auto& extra = window.Make<Label>(&window, L"Label_NotInTable", L"x", RECT{0, 0, 10, 10});
  extra.tag = 1;
  EXPECT_EQ(UndeclaredCaptions(window, kSampleTexts), std::vector<std::wstring>{L"Label_NotInTable"});
}

TEST_F(ModuleFrame, OneClickRunSetsUpNoHeader) {
  OneClickRunning = true;
  SampleModule window;
  EXPECT_TRUE(window.Image_Header.GetPicture().Empty());
  EXPECT_TRUE(window.Image_HeaderKreis.GetPicture().Empty());
  EXPECT_TRUE(window.Image_HeaderIcon.GetPicture().Empty());
  EXPECT_TRUE(window.HeaderCaptionShown().empty());
  EXPECT_TRUE(window.JvPageControl1.Page(0).BackgroundPicture().Empty());
  EXPECT_FALSE(EqualRect(&window.Button_Cancel.Bounds(), &window.Button_Close.Bounds())) << "Cancel not moved";
  EXPECT_EQ(window.Caption(), ProductTitle);
}

TEST_F(ModuleFrame, CategoryTextFromTheGlobalOrItsDefault) {
  struct Case {
    ModuleCategory category;
    std::wstring* global;
    const wchar_t* fallback;
  };
  const Case cases[] = {
      {ModuleCategory::Cleaning, &CategoryTitleCleaning, L"Cleaning-Tools"},
      {ModuleCategory::OneClick, &CategoryTitleOneClick, L"Cleaning-Tools"},
      {ModuleCategory::Tuning, &CategoryTitleTuning, L"Tuning-Tools"},
      {ModuleCategory::Tools, &CategoryTitleTools, L"File-Tools"},
      {ModuleCategory::New, &CategoryTitleNew, L"Tweaking-Tools"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.fallback, c.fallback + wcslen(c.fallback)));
    const std::wstring saved = *c.global;
    c.global->clear();
    EXPECT_EQ(CategoryText(c.category), c.fallback);
    *c.global = L"Aus der Sprachdatei";
    EXPECT_EQ(CategoryText(c.category), L"Aus der Sprachdatei");
    *c.global = saved;
  }

  // In the header: an empty global draws exactly what the default text draws.
  CategoryTitleCleaning.clear();
  SampleModule empty(ModuleCategory::Cleaning);
  EXPECT_EQ(empty.HeaderCategoryShown(), L"Cleaning-Tools");
  CategoryTitleCleaning = L"Cleaning-Tools";
  SampleModule named(ModuleCategory::Cleaning);
  EXPECT_TRUE(SamePixels(empty.Image_Header.GetPicture(), named.Image_Header.GetPicture()));
  CategoryTitleCleaning = L"Reinigung";
  SampleModule other(ModuleCategory::Cleaning);
  EXPECT_FALSE(SamePixels(empty.Image_Header.GetPicture(), other.Image_Header.GetPicture()));
}

TEST_F(ModuleFrame, TableWithoutTheFrameKeysIsRefused) {
  static constexpr TextEntry kOwnOnly[] = {{L"MESSAGE_HeaderCaption", L"X"}};
  static const TextSection kBare{L"Form_Bare", kOwnOnly};
  EXPECT_THROW(ModuleForm(ModuleWindowSpec(kBare, L"X", ModuleCategory::New)), std::logic_error);
  static constexpr auto kNoHeader = JoinTextEntries(kModuleButtonEntries);
  static const TextSection kButtonsOnly{L"Form_Bare", kNoHeader};
  EXPECT_THROW(ModuleForm(ModuleWindowSpec(kButtonsOnly, L"X", ModuleCategory::New)), std::logic_error);
}

TEST_F(ModuleFrame, HelpButtonAndF1OpenTheHelpTopic) {
  vt::testing::ScratchFolder noHelp(L"vt-help");
  AppDir = noHelp.Path();  // no help file here: the viewer is not started, the fixed message says why
  SampleModule window;
  EXPECT_EQ(window.HelpCode(), L"SAMPLE");
  window.Button_Help.Click();
  HELPINFO info{};
  info.cbSize = sizeof(info);
  SendMessageW(window.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  ASSERT_EQ(dialogs_.requests.size(), 2u);
  for (const auto& request : dialogs_.requests) {
    EXPECT_EQ(request.caption, L"CHM Error");
    EXPECT_NE(request.text.find(noHelp.Path()), std::wstring::npos);
  }
}

TEST_F(ModuleFrame, MessagesAreOwnedTranslatedAndQuietInTheOneClickRun) {
  struct Case {
    const char* what;
    bool oneClick;
    std::function<bool(const SampleModule&)> call;
    bool expectedResult;
    std::optional<MessageIcon> icon;  // none: nothing shown
    MessageButtons buttons = MessageButtons::Ok;
  };
  const Case cases[] = {
      {"inform", false, [](auto& w) { w.Inform(L"MESSAGE_Delete"); return true; }, true, MessageIcon::Information},
      {"warn", false, [](auto& w) { w.Warn(L"MESSAGE_Delete"); return true; }, true, MessageIcon::Warning},
      {"fail", false, [](auto& w) { w.Fail(L"MESSAGE_Delete"); return true; }, true, MessageIcon::Error},
      {"ask", false, [](auto& w) { return w.Ask(L"MESSAGE_Delete"); }, false, MessageIcon::Question,
       MessageButtons::YesNo},
      {"ask delete", false, [](auto& w) { return w.AskDelete(L"MESSAGE_Delete"); }, false, MessageIcon::Warning,
       MessageButtons::YesNo},
      {"confirm", false, [](auto& w) { return w.Confirm(L"MESSAGE_Delete"); }, false, MessageIcon::Question,
       MessageButtons::YesNo},
      {"report", false, [](auto& w) { w.Report(L"MESSAGE_Delete"); return true; }, true, MessageIcon::Information},
      {"one-click: confirm counts as yes", true, [](auto& w) { return w.Confirm(L"MESSAGE_Delete"); }, true, {}},
      {"one-click: confirm delete too", true, [](auto& w) { return w.ConfirmDelete(L"MESSAGE_Delete"); }, true, {}},
      {"one-click: no result message", true, [](auto& w) { w.Report(L"MESSAGE_Delete"); return true; }, true, {}},
      {"one-click: errors still show", true, [](auto& w) { w.Fail(L"MESSAGE_Delete"); return true; }, true,
       MessageIcon::Error},
  };
  LanguageFilePath = L"T:\\9.ini";
  LanguageFile = LanguageText::FromText(L"[Form_SampleModule]\r\n||MESSAGE_Delete=Really delete?\r\n||\r\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    OneClickRunning = c.oneClick;
    SampleModule window;
    RecordingDialogs dialogs;  // answers No
    EXPECT_EQ(c.call(window), c.expectedResult);
    if (!c.icon) {
      EXPECT_TRUE(dialogs.requests.empty());
      continue;
    }
    ASSERT_EQ(dialogs.requests.size(), 1u);
    const auto& request = dialogs.requests[0];
    EXPECT_EQ(request.owner, window.Handle());
    EXPECT_EQ(request.caption, ProductTitle);
    EXPECT_EQ(request.text, L"Really delete?");
    EXPECT_EQ(request.icon, *c.icon);
    EXPECT_EQ(request.buttons, c.buttons);
  }
  EXPECT_THROW(SampleModule().Message(L"MESSAGE_NotInTable"), std::logic_error);
}

TEST_F(ModuleFrame, WeiterRunsTheWorkWhileTheTimerShowsProgress) {
  SampleModule window;
  window.Show();
  struct Seen {
    std::wstring label;
    bool weiter, zurueck, close, cancel;
  };
  std::vector<Seen> ticks;
  window.onTick = [&] {
    ticks.push_back({window.Label_Work->Caption(), window.Button_Weiter.Enabled(), window.Button_Zurueck.Enabled(),
                     IsWindowVisible(window.Button_Close.Handle()) != FALSE,
                     IsWindowVisible(window.Button_Cancel.Handle()) != FALSE});
  };
  CancelRequested = true;  // left over from an earlier run: the work clears it
  window.Button_Weiter.Click();

  ASSERT_EQ(window.completed, true);
  EXPECT_EQ(window.progress.done, SampleModule::kItems);
  ASSERT_GE(ticks.size(), 2u) << "the 250 ms timer ticks while 200 items of 4 ms run";
  for (const auto& tick : ticks) {
    EXPECT_FALSE(tick.weiter || tick.zurueck || tick.close) << "disabled and hidden while work runs";
    EXPECT_TRUE(tick.cancel);
    const int shown = std::stoi(tick.label);
    EXPECT_GT(shown, 0);
    EXPECT_LE(shown, SampleModule::kItems);
  }
  EXPECT_LT(std::stoi(ticks.front().label), std::stoi(ticks.back().label)) << "the label follows the work";

  EXPECT_FALSE(window.ProgressTimer.Enabled());
  EXPECT_EQ(window.ActivePage(), 2);
  EXPECT_TRUE(window.Button_Weiter.Enabled() && window.Button_Zurueck.Enabled());
  EXPECT_TRUE(IsWindowVisible(window.Button_Close.Handle()));
  EXPECT_FALSE(IsWindowVisible(window.Button_Cancel.Handle()));
  ASSERT_EQ(dialogs_.requests.size(), 1u);
  EXPECT_EQ(dialogs_.requests[0].text, L"Es wurden 200 Elemente gez\u00E4hlt.");
}

TEST_F(ModuleFrame, CancelStopsTheWorkAtTheNextItem) {
  struct Case {
    const char* what;
    // Arranges the cancel; returns how many items may be done when the work stops
    // (-1: as many as the tick saw).
    std::function<int(SampleModule&)> arrange;
    bool windowCloses = false;
  };
  int doneAtCancel = -1;
  const Case cases[] = {
      {"Abbrechen clicked on a timer tick",
       [&](SampleModule& w) {
         w.onTick = [&w, &doneAtCancel] {
           if (doneAtCancel >= 0) return;
           doneAtCancel = w.progress.done;
           w.Button_Cancel.Click();
         };
         return -1;
       }},
      {"a click on Abbrechen waiting in the queue",
       [](SampleModule& w) {
         PostMessageW(w.Button_Cancel.Handle(), BM_CLICK, 0, 0);
         return 1;
       }},
      {"the window closed while the work runs",
       [](SampleModule& w) {
         PostMessageW(w.Handle(), WM_CLOSE, 0, 0);
         return 1;
       },
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    doneAtCancel = -1;
    SampleModule window;
    window.Show();
    const int expected = c.arrange(window);
    window.Button_Weiter.Click();
    ASSERT_EQ(window.completed, false);
    EXPECT_EQ(window.progress.done, expected >= 0 ? expected : doneAtCancel);
    EXPECT_LT(window.progress.done, SampleModule::kItems);
    EXPECT_TRUE(CancelRequested) << "the flag stays until the next work starts";
    EXPECT_FALSE(window.ProgressTimer.Enabled());
    EXPECT_TRUE(window.Button_Weiter.Enabled());
    EXPECT_FALSE(IsWindowVisible(window.Button_Cancel.Handle()));
    EXPECT_EQ(window.ActivePage(), 0);
    EXPECT_TRUE(dialogs_.requests.empty());
    EXPECT_EQ(IsWindowVisible(window.Handle()) == FALSE, c.windowCloses);
    if (!c.windowCloses) {
      EXPECT_TRUE(IsWindowVisible(window.Button_Close.Handle()));
    }
  }
}

// The two global result-window settings, on the real registry. The values are
// put back as they were.
class ResultSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto* name : {L"OpenMaximized", L"HideEmptyCategories"}) {
      saved_.push_back(Reg().ValueExists(RegRoot::LocalMachine, kOptions, name)
                           ? std::optional(Reg().ReadIntegerValue(RegRoot::LocalMachine, kOptions, name))
                           : std::nullopt);
    }
  }
  void TearDown() override {
    const wchar_t* names[] = {L"OpenMaximized", L"HideEmptyCategories"};
    for (size_t i = 0; i < 2; ++i) Store(names[i], saved_[i]);
  }
  static void Store(const wchar_t* name, std::optional<int> value) {
    if (value) {
      Reg().WriteIntegerValue(RegRoot::LocalMachine, kOptions, name, *value);
    } else {
      Reg().RemoveValue(RegRoot::LocalMachine, kOptions, name);
    }
  }
  static inline const std::wstring kOptions = ProductRegKey + L"\\Options";
  std::vector<std::optional<std::int32_t>> saved_;
};

TEST_F(ResultSettings, OpenMaximizedAndHideEmptyCategories) {
  struct Case {
    std::optional<int> value;
    bool maximized, hideEmpty;
  };
  const Case cases[] = {
      {std::nullopt, true, true}, {0, false, false}, {1, true, true}, {2, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value ? std::to_string(*c.value) : "missing");
    Store(L"OpenMaximized", c.value);
    Store(L"HideEmptyCategories", c.value);
    EXPECT_EQ(OpenMaximizedSetting(), c.maximized);
    EXPECT_EQ(HideEmptyCategoriesSetting(), c.hideEmpty);

    // The result window as the module shows it; "&Ok" closes it.
    ResultForm results(kSampleResultTexts, L"SAMPLE", 720, 520);
    EXPECT_EQ(results.Button_Ok.Caption(), L"&Ok");
    std::optional<bool> shownMaximized;
    Timer closer(L"Timer_Close", 50);
    closer.onTimer = [&] {
      closer.SetEnabled(false);
      shownMaximized = results.Maximized() && IsWindowVisible(results.Handle());
      results.Button_Ok.Click();
    };
    closer.SetEnabled(true);
    results.ShowResults();
    EXPECT_EQ(shownMaximized, c.maximized);
    EXPECT_FALSE(IsWindowVisible(results.Handle()));
  }
}

}  // namespace vt::ui
