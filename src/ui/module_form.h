// The frame every module window shares: header with picture, caption, category
// and icon, the wizard pages, the bottom button row, help, translation, message
// boxes and the running of long work. A module derives from ModuleForm, adds its
// pages and handlers in its constructor and calls FinishCreate() last.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/format.h"
#include "core/work_steps.h"
#include "platform/dialogs.h"
#include "texts/text_table.h"
#include "ui/form.h"
#include "ui/tree_list.h"

namespace vt::ui {

// Which category title the header shows.
enum class ModuleCategory { Cleaning, Tuning, Tools, New, OneClick };

// The category's title global, or its default text when the global is empty.
std::wstring CategoryText(ModuleCategory category);

struct ModuleWindowSpec {
  // `texts` names the window (and its language-file section) and lists the
  // frame's keys and the header caption: build it with ModuleWindowEntries.
  // `helpCode` ("DC") names the help topic and, unless WithIcon says otherwise,
  // the module icon.
  ModuleWindowSpec(const TextSection& texts, std::wstring helpCode, ModuleCategory category)
      : texts(texts), helpCode(std::move(helpCode)), category(category) {}
  ModuleWindowSpec& WithIcon(std::wstring code) {
    iconCode = std::move(code);
    return *this;
  }
  ModuleWindowSpec& WithTimer(std::wstring name, unsigned intervalMs) {
    timerName = std::move(name);
    timerInterval = intervalMs;
    return *this;
  }

  const TextSection& texts;
  std::wstring helpCode;
  ModuleCategory category;
  std::wstring iconCode;  // SkinDir\ModuleIcon_<code>.png; empty: the help code
  std::wstring timerName = L"JvThreadTimer1";
  unsigned timerInterval = 500;
};

// The shape of a Backups page; what it lists and does belongs to the module.
struct BackupsPage {
  TabSheet& page;
  TreeList& VirtualDrawTree_Backups;
  Button& Button_Restore;
  Button& Button_Delete;
};

class ModuleForm : public Form {
 public:
  static constexpr int kClientWidth = 640;
  static constexpr int kClientHeight = 480;

  explicit ModuleForm(const ModuleWindowSpec& windowSpec);
  ~ModuleForm() override;

  // The module's last step of construction: caption, translation, and unless the
  // one-click run drives the window, header, icon, page 0, "Zurück" disabled and
  // "Abbrechen" moved onto "Beenden".
  void FinishCreate();

  Image& Image_Header;
  Image& Image_HeaderKreis;
  Image& Image_HeaderIcon;
  PageControl& JvPageControl1;
  Button& Button_Help;
  Button& Button_Zurueck;
  Button& Button_Weiter;
  Button& Button_Close;
  Button& Button_Cancel;
  Timer& ProgressTimer;

  const TextSection& Texts() const { return texts_; }
  const std::wstring& HelpCode() const { return helpCode_; }

  // Pages, in the order the module adds them (page 0 is the start page).
  TabSheet& AddPage(std::wstring name, std::wstring caption = L"");
  void ShowPage(int index) { JvPageControl1.SetActivePageIndex(index); }
  int ActivePage() const { return JvPageControl1.ActivePageIndex(); }
  // A page with the backups list and its two buttons; with columns the list
  // shows "Datum" and "Gelöschte Einträge", without it has no header row.
  BackupsPage AddBackupsPage(std::wstring name, bool withColumns);

  // ---- header ----
  void SetUpHeader();
  // What SetUpHeader wrote into the header (empty before it ran).
  const std::wstring& HeaderCaptionShown() const { return headerCaption_; }
  const std::wstring& HeaderCategoryShown() const { return headerCategory_; }

  // ---- work ----
  // While work runs: "Zurück" and "Weiter" disabled, "Beenden" hidden and
  // "Abbrechen" shown, the progress timer on; EndWork reverses it (the buttons
  // stay enabled afterwards; a module disables what its page needs).
  void BeginWork();
  void EndWork();
  bool Working() const { return working_; }
  // Runs the work between BeginWork and EndWork, letting pending messages through
  // at every step. True when it ran to its end, false when it was cancelled.
  bool RunWork(const std::function<void(const WorkSteps&)>& work);
  // Each tick of the progress timer (copy the work's progress into the labels).
  std::function<void()> onProgressTick;

  // ---- messages ----
  // Looked up under this window's section with the German default of its table.
  std::wstring Message(std::wstring_view key) const;
  void Inform(std::wstring_view key) const { ShowText(Message(key), MessageIcon::Information); }
  void Warn(std::wstring_view key) const { ShowText(Message(key), MessageIcon::Warning); }
  void Fail(std::wstring_view key) const { ShowText(Message(key), MessageIcon::Error); }
  bool Ask(std::wstring_view key) const { return AskText(Message(key), MessageIcon::Question); }
  bool AskDelete(std::wstring_view key) const { return AskText(Message(key), MessageIcon::Warning); }
  // For texts a module has completed (placeholders replaced).
  void ShowText(const std::wstring& text, MessageIcon icon) const;
  bool AskText(const std::wstring& text, MessageIcon icon) const;
  // While the one-click run drives the window it asks nothing and reports no
  // results: confirmations count as Yes, result messages are left out.
  static bool Interactive();
  bool Confirm(std::wstring_view key) const { return !Interactive() || Ask(key); }
  bool ConfirmDelete(std::wstring_view key) const { return !Interactive() || AskDelete(key); }
  void Report(std::wstring_view key) const {
    if (Interactive()) Inform(key);
  }

  void ShowHelp() const;

 protected:
  // Translates the Backups list's columns; a module with more lists overrides
  // this and calls it.
  void TranslateLists() override;

 private:
  const TextSection& texts_;
  std::wstring helpCode_;
  std::wstring iconCode_;
  ModuleCategory category_;
  Picture pagesBackground_;
  TreeList* backupsList_ = nullptr;
  std::wstring headerCaption_;
  std::wstring headerCategory_;
  bool working_ = false;
  bool closeAfterWork_ = false;
};

// Result windows (found items with their marks): sizeable, "&Ok" closes them.
class ResultForm : public Form {
 public:
  // `texts` names the window and lists its keys (build it with ResultWindowEntries).
  ResultForm(const TextSection& texts, std::wstring helpCode, int clientWidth, int clientHeight);
  Button& Button_Ok;
  const TextSection& Texts() const { return texts_; }
  // Maximised first unless the "OpenMaximized" setting says otherwise, then modal.
  int ShowResults();

 private:
  const TextSection& texts_;
  std::wstring helpCode_;
};

// Global settings under ProductRegKey\Options, read when they are needed.
// "OpenMaximized": missing or 1 opens result windows maximised.
bool OpenMaximizedSetting();
// "HideEmptyCategories": missing or anything but 0 removes empty category rows.
bool HideEmptyCategoriesSetting();

// Separators of the user's number format, for the megabyte labels.
NumberSeparators UserNumberSeparators();

// Names of the window's translated components (tag set) that its table does not
// list: the language-file check would miss them.
std::vector<std::wstring> UndeclaredCaptions(const Form& form, const TextSection& texts);

}  // namespace vt::ui
