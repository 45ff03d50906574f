#include "ui/module_form.h"

#include "core/globals.h"
#include "platform/help.h"
#include "platform/win_registry.h"
#include "texts/module_texts.h"
#include "ui/application.h"
#include "ui/skin.h"
#include "ui/translation.h"

namespace vt::ui {

namespace {

constexpr int kHeaderHeight = 77;
constexpr int kButtonTop = 447;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;

RECT At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

RECT ButtonAt(int x) { return At(x, kButtonTop, kButtonWidth, kButtonHeight); }

Button& MakeButton(Form& form, const TextSection& texts, const wchar_t* name, int x) {
  auto& button = form.Make<Button>(&form, name, std::wstring(texts.German(name)), ButtonAt(x));
  button.tag = 1;
  return button;
}

const std::wstring& CategoryGlobal(ModuleCategory category) {
  switch (category) {
    case ModuleCategory::Cleaning: return CategoryTitleCleaning;
    case ModuleCategory::Tuning: return CategoryTitleTuning;
    case ModuleCategory::Tools: return CategoryTitleTools;
    case ModuleCategory::New: return CategoryTitleNew;
    case ModuleCategory::OneClick: return CategoryTitleOneClick;
  }
  return CategoryTitleCleaning;
}

const wchar_t* CategoryDefault(ModuleCategory category) {
  switch (category) {
    case ModuleCategory::Cleaning:
    case ModuleCategory::OneClick: return L"Cleaning-Tools";
    case ModuleCategory::Tuning: return L"Tuning-Tools";
    case ModuleCategory::Tools: return L"File-Tools";
    case ModuleCategory::New: return L"Tweaking-Tools";
  }
  return L"";
}

const std::wstring kOptionsKey = ProductRegKey + L"\\Options";

void CollectUndeclared(const Component& component, const TextSection& texts, std::vector<std::wstring>& names) {
  if (component.tag != 0) {
    bool listed = false;
    for (const auto& entry : texts.entries) listed = listed || entry.key == component.Name();
    if (!listed) names.push_back(component.Name());
  }
  for (const auto& owned : component.Components()) CollectUndeclared(*owned, texts, names);
}

}  // namespace

std::wstring CategoryText(ModuleCategory category) {
  const std::wstring& title = CategoryGlobal(category);
  return title.empty() ? std::wstring(CategoryDefault(category)) : title;
}

// ---- ModuleForm ----

ModuleForm::ModuleForm(const ModuleWindowSpec& windowSpec)
    : Form(std::wstring(windowSpec.texts.name), kClientWidth, kClientHeight, FormBorder::Dialog),
      Image_Header(Make<Image>(this, L"Image_Header", At(0, 0, kClientWidth, kHeaderHeight))),
      Image_HeaderKreis(Make<Image>(this, L"Image_HeaderKreis", At(6, 6, 49, 49))),
      Image_HeaderIcon(Make<Image>(this, L"Image_HeaderIcon", At(16, 16, 32, 32))),
      JvPageControl1(Make<PageControl>(this, L"JvPageControl1", At(0, kHeaderHeight, kClientWidth, 359))),
      Button_Help(MakeButton(*this, windowSpec.texts, L"Button_Help", 8)),
      Button_Zurueck(MakeButton(*this, windowSpec.texts, L"Button_Zurueck", 376)),
      Button_Weiter(MakeButton(*this, windowSpec.texts, L"Button_Weiter", 464)),
      Button_Close(MakeButton(*this, windowSpec.texts, L"Button_Close", 552)),
      // Designed beside "Hilfe"; FinishCreate puts it where "Beenden" is.
      Button_Cancel(MakeButton(*this, windowSpec.texts, L"Button_Cancel", 96)),
      ProgressTimer(Make<Timer>(windowSpec.timerName, windowSpec.timerInterval)),
      texts_(windowSpec.texts),
      helpCode_(windowSpec.helpCode),
      iconCode_(windowSpec.iconCode.empty() ? windowSpec.helpCode : windowSpec.iconCode),
      category_(windowSpec.category) {
  // The table must list the header caption too: fail here, not in the header.
  (void)texts_.German(kHeaderCaptionKey);
  JvPageControl1.SetBackgroundColor(RGB(255, 255, 255));
  Button_Cancel.Hide();
  Button_Help.onClick = [this] { ShowHelp(); };
  onHelp = [this] { Button_Help.Click(); };
  Button_Close.onClick = [this] { Close(); };
  Button_Cancel.onClick = [] { CancelRequested = true; };
  ProgressTimer.onTimer = [this] {
    if (onProgressTick) onProgressTick();
  };
  // Closing the window while work runs cancels the work; the window closes
  // once the work has stopped, never under its feet.
  onCloseQuery = [this] {
    if (!working_) return true;
    CancelRequested = true;
    closeAfterWork_ = true;
    return false;
  };
}

ModuleForm::~ModuleForm() { ProgressTimer.SetEnabled(false); }

void ModuleForm::FinishCreate() {
  SetCaption(ProductTitle);
  Button_LoadTranslation.Click();
  if (OneClickRunning) return;
  SetUpHeader();
  Image_HeaderIcon.SetPicture(LoadSkinFile(L"ModuleIcon_" + iconCode_ + L".png"));
  ShowPage(0);
  Button_Zurueck.SetEnabled(false);
  Button_Cancel.SetBounds(Button_Close.Left(), Button_Close.Top(), Button_Close.Width(), Button_Close.Height());
}

TabSheet& ModuleForm::AddPage(std::wstring name, std::wstring caption) {
  TabSheet& page = JvPageControl1.AddPage(*this, std::move(name), std::move(caption));
  if (!pagesBackground_.Empty()) page.SetBackgroundPicture(pagesBackground_, true);
  return page;
}

BackupsPage ModuleForm::AddBackupsPage(std::wstring name, bool withColumns) {
  TabSheet& page = AddPage(std::move(name));
  auto& list = Make<TreeList>(&page, L"VirtualDrawTree_Backups", At(16, 16, 608, 286));
  if (withColumns) {
    list.AddColumn(L"Datum", 348);
    list.AddColumn(L"Gel\u00F6schte Eintr\u00E4ge", 128);
  } else {
    list.AddColumn(L"", 588);
    list.SetHeaderVisible(false);
  }
  auto& restore = Make<Button>(&page, L"Button_Restore", std::wstring(texts_.German(L"Button_Restore")),
                               At(16, 314, 120, kButtonHeight));
  auto& remove = Make<Button>(&page, L"Button_Delete", std::wstring(texts_.German(L"Button_Delete")),
                              At(144, 314, 120, kButtonHeight));
  restore.tag = remove.tag = 1;
  backupsList_ = &list;
  return {page, list, restore, remove};
}

void ModuleForm::TranslateLists() {
  if (backupsList_) TranslateColumns(std::wstring(texts_.name), *backupsList_);
}

void ModuleForm::SetUpHeader() {
  pagesBackground_ = LoadSkinFile(L"Background_Modules.bmp");
  JvPageControl1.SetBackgroundPicture(pagesBackground_, true);
  JvPageControl1.SetPagesBackground(pagesBackground_);

  Image_Header.SetPicture(LoadSkinFile(L"Header_AllModules.bmp"));
  Image_HeaderKreis.SetPicture(LoadSkinFile(L"Header_Kreis.png"));

  Picture& header = Image_Header.GetPicture();
  headerCaption_ = texts_.Text(kHeaderCaptionKey);
  FontSpec caption = ReadSkinFont(L"AllModules_HeaderFont").ToFont(true);
  FontSpec shadow = caption;
  shadow.color = ReadSkinFont(L"AllModules_HeaderFontSHADOW").Color();
  header.DrawText(headerCaption_, shadow, 61, 21);
  header.DrawText(headerCaption_, caption, 60, 20);

  headerCategory_ = CategoryText(category_);
  const SkinFont categoryFont = ReadSkinFont(L"AllModules_BackgroundBitmapFont");
  FontSpec category = categoryFont.ToFont();
  FontSpec categoryShadow = category;
  categoryShadow.color = RGB(0, 0, 0);
  const int width = header.Width(), height = header.Height();
  const int size = static_cast<int>(category.size);
  header.DrawText(headerCategory_, categoryShadow, width - 7, height - size - 33, true);
  header.DrawText(headerCategory_, category, width - 8, height - size - 34, true);
  Image_Header.Invalidate();
}

void ModuleForm::BeginWork() {
  CancelRequested = false;
  working_ = true;
  Button_Zurueck.SetEnabled(false);
  Button_Weiter.SetEnabled(false);
  Button_Close.Hide();
  Button_Cancel.Show();
  ProgressTimer.SetEnabled(true);
}

void ModuleForm::EndWork() {
  ProgressTimer.SetEnabled(false);
  working_ = false;
  Button_Cancel.Hide();
  Button_Close.Show();
  Button_Zurueck.SetEnabled(true);
  Button_Weiter.SetEnabled(true);
  if (closeAfterWork_) {
    closeAfterWork_ = false;
    Close();
  }
}

bool ModuleForm::RunWork(const std::function<void(const WorkSteps&)>& work) {
  struct EndOnExit {
    ModuleForm& form;
    ~EndOnExit() { form.EndWork(); }
  };
  BeginWork();
  EndOnExit end{*this};
  const WorkSteps steps{[] { ProcessPendingMessages(); }};
  work(steps);
  return !CancelRequested;
}

std::wstring ModuleForm::Message(std::wstring_view key) const { return texts_.Text(key); }

void ModuleForm::ShowText(const std::wstring& text, MessageIcon icon) const { ShowMessage(Handle(), text, icon); }

bool ModuleForm::AskText(const std::wstring& text, MessageIcon icon) const { return AskYesNo(Handle(), text, icon); }

bool ModuleForm::Interactive() { return !OneClickRunning; }

void ModuleForm::ShowHelp() const { OpenHelpTopic(helpCode_); }

// ---- ResultForm ----

ResultForm::ResultForm(const TextSection& texts, std::wstring helpCode, int clientWidth, int clientHeight)
    : Form(std::wstring(texts.name), clientWidth, clientHeight, FormBorder::Sizeable),
      Button_Ok(Make<Button>(this, L"Button_Ok", std::wstring(texts.German(L"Button_Ok")),
                             At(clientWidth - 88, clientHeight - 33, kButtonWidth, kButtonHeight))),
      texts_(texts),
      helpCode_(std::move(helpCode)) {
  Button_Ok.tag = 1;
  Button_Ok.onClick = [this] { Close(); };
  onHelp = [this] { OpenHelpTopic(helpCode_); };
}

int ResultForm::ShowResults() {
  if (OpenMaximizedSetting()) SetMaximized(true);
  return ShowModal();
}

bool OpenMaximizedSetting() {
  return !Reg().ValueExists(RegRoot::LocalMachine, kOptionsKey, L"OpenMaximized") ||
         Reg().ReadIntegerValue(RegRoot::LocalMachine, kOptionsKey, L"OpenMaximized") == 1;
}

bool HideEmptyCategoriesSetting() {
  return !Reg().ValueExists(RegRoot::LocalMachine, kOptionsKey, L"HideEmptyCategories") ||
         Reg().ReadIntegerValue(RegRoot::LocalMachine, kOptionsKey, L"HideEmptyCategories") != 0;
}

NumberSeparators UserNumberSeparators() {
  NumberSeparators separators;
  wchar_t buffer[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8) > 1) separators.decimal = buffer[0];
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, buffer, 8) > 1) separators.thousands = buffer[0];
  return separators;
}

std::vector<std::wstring> UndeclaredCaptions(const Form& form, const TextSection& texts) {
  std::vector<std::wstring> names;
  CollectUndeclared(form, texts, names);
  return names;
}

}  // namespace vt::ui
