#include "modules/drive_cleaner/dc_options_window.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/globals.h"
#include "platform/win_registry.h"
#include "support/test_support.h"
#include "texts/dc_options_texts.h"
#include "ui/module_form.h"

namespace vt::testing {

namespace {

// The settings window over the real registry of the test prefix (the Drive
// Cleaner's key cleared around each test) and a program folder with both lists.
class DcOptionsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    Reg().RemoveKey(HKLM, DCSettingsKey());
    WriteTextFile(app_ / kDCFoldersFile, "C:\\Shipped\\\r\n");
    WriteTextFile(app_ / kDCFilesFile, "pagefile.sys\r\n");
    LanguageFile = LanguageText();
    TForm_DC_Options::EndProgram = [this] { ++ended_; };
  }
  void TearDown() override {
    Reg().RemoveKey(HKLM, DCSettingsKey());
    LanguageFile = savedLanguage_;
    TForm_DC_Options::EndProgram = [] { ExitProcess(1); };
  }
  // Opens the window modally, runs `act` in its loop and closes it like the close
  // box unless `act` closed it.
  void Run(const std::function<void(TForm_DC_Options&)>& act) {
    TForm_DC_Options window(app_.Path());
    window.onShown = [&] {
      act(window);
      if (window.IsModal()) SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    };
    window.ShowModal();
  }

  ScratchFolder app_{L"vt-dcopt"};
  RecordingDialogs dialogs_;
  int ended_ = 0;
  LanguageText savedLanguage_ = LanguageFile;
};

std::vector<std::wstring> Paths(const TForm_DC_Options& w) {
  std::vector<std::wstring> paths;
  for (const auto& row : w.Exceptions()) paths.push_back(row.Path);
  return paths;
}

}  // namespace

TEST_F(DcOptionsWindow, OpensWithTheRulesInForce) {
  const std::wstring screens = ScreensFolder();
  Run([&](TForm_DC_Options& w) {
    EXPECT_EQ(WindowText(w.Handle()), L"Einstellungen zum Drive Cleaner");
    EXPECT_EQ(w.PageControl1.ActivePageIndex(), 0);
    const wchar_t* pages[] = {L"Laufwerke", L"Elemente", L"Optionen", L"Ausnahmen"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(w.PageControl1.Page(i).Caption(), pages[i]);
    EXPECT_EQ(w.VirtualDrawTree_DC_Filetype.ColumnCaption(0), L"Aktiv");
    EXPECT_EQ(w.VirtualDrawTree_DC_Filetype.ColumnCaption(1), L"Beschreibung");

    ASSERT_EQ(w.VirtualDrawTree_DC_Filetype.RowCount(), 7);
    int checked = 0;
    for (int row : w.VirtualDrawTree_DC_Filetype.Rows()) checked += w.VirtualDrawTree_DC_Filetype.Checked(row);
    EXPECT_EQ(checked, 5);
    EXPECT_EQ(w.VirtualDrawTree_Ausnahmen.RowCount(), 8);
    EXPECT_EQ(Paths(w)[0], L"Recycle Bin");
    EXPECT_EQ(Paths(w)[6], L"C:\\Shipped\\");
    ASSERT_GE(w.ListView_Drives.RowCount(), 1);
    EXPECT_EQ(w.Drives()[0].Root, L"C:\\");
    EXPECT_TRUE(w.CheckBox_TMPDir_ALL.Checked());
    EXPECT_FALSE(w.CheckBox_DC_LNK.Checked());
    EXPECT_TRUE(w.CheckBox_DC_Ignore_InUseOrWriteProtected.Checked());

    // The page list switches the pages; one picture of each.
    for (int i = 0; i < 4; ++i) {
      w.PageSwitch(i).Click();
      EXPECT_EQ(w.PageControl1.ActivePageIndex(), i);
      if (!screens.empty()) {
        UpdateWindow(w.Handle());
        RedrawWindow(w.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(SaveWindowShot(w.Handle(), screens + L"\\dc_options_" + std::to_wstring(i + 1) + L".png"));
      }
    }
  });
  EXPECT_TRUE(dialogs_.requests.empty());
  EXPECT_EQ(ended_, 0);
}

TEST_F(DcOptionsWindow, ClosingInAnyWayStoresWhatTheUserSet) {
  struct Case {
    const char* what;
    bool okButton;
  };
  for (const Case c : {Case{"Ok", true}, Case{"close box", false}}) {
    SCOPED_TRACE(c.what);
    Reg().RemoveKey(HKLM, DCSettingsKey());
    Run([&](TForm_DC_Options& w) {
      EXPECT_FALSE(Reg().KeyExists(HKLM, DCSettingsKey() + L"\\Mask")) << "nothing stored while open";
      w.CheckBox_DC_LNK.SetChecked(true);
      w.CheckBox_TMPDir_ALL.SetChecked(false);
      const int logs = w.VirtualDrawTree_DC_Filetype.Rows()[5];
      w.VirtualDrawTree_DC_Filetype.SetChecked(logs, true);
      w.ListView_Drives.SetChecked(w.ListView_Drives.Rows()[0], false);
      EXPECT_TRUE(w.Rules().Lnk);
      EXPECT_TRUE(w.Rules().FileTypes[5].Checked);
      if (c.okButton) w.Button_Ok.Click();
    });
    EXPECT_EQ(Reg().ReadIntegerValue(HKLM, DCSettingsKey(), L"LNK"), 1);
    EXPECT_EQ(Reg().ReadIntegerValue(HKLM, DCSettingsKey(), L"TMPDir_ALL"), 0);
    EXPECT_EQ(Reg().ReadStringValue(HKLM, DCSettingsKey(), L"C"), L"0");
    EXPECT_EQ(Reg().ReadIntegerValue(HKLM, DCSettingsKey() + L"\\Mask\\FileTyp5", L"Checked"), 1);
    EXPECT_TRUE(Reg().KeyExists(HKLM, DCSettingsKey() + L"\\Mask\\FileTyp6"));
    EXPECT_TRUE(Reg().ValueExists(HKLM, DCSettingsKey() + L"\\Folders", L"C:\\Shipped\\"));
    EXPECT_FALSE(Reg().ValueExists(HKLM, DCSettingsKey() + L"\\Folders", L"Recycle Bin"));
    // The next window shows what was stored.
    Run([](TForm_DC_Options& w) {
      EXPECT_TRUE(w.CheckBox_DC_LNK.Checked());
      EXPECT_FALSE(w.CheckBox_TMPDir_ALL.Checked());
      EXPECT_TRUE(w.VirtualDrawTree_DC_Filetype.Checked(w.VirtualDrawTree_DC_Filetype.Rows()[5]));
      EXPECT_FALSE(w.ListView_Drives.Checked(w.ListView_Drives.Rows()[0]));
    });
  }
}

TEST_F(DcOptionsWindow, NewFileTypeDialogAddsACheckedRowOnlyWithOkAndBothTexts) {
  struct Case {
    const char* what;
    std::wstring name, masks;
    bool ok;
    std::vector<std::wstring> added;  // empty: nothing added
  };
  const Case cases[] = {
      {"two masks", L"Meine Typen", L" *.abc ; *.x;y", true, {L"*.ABC", L"*.X"}},
      {"empty piece kept", L"T", L"*.a;;*.b", true, {L"*.A", L"", L"*.B"}},
      {"cancelled", L"T", L"*.a", false, {}},
      {"no masks", L"T", L"", true, {}},
      {"no name", L"", L"*.a", true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Reg().RemoveKey(HKLM, DCSettingsKey());  // the last case's window stored its rows
    Run([&](TForm_DC_Options& w) {
      w.onDialogShown = [&](ui::Form& form) {
        auto& dialog = dynamic_cast<TForm_DC_NewTyp&>(form);
        EXPECT_EQ(WindowText(dialog.Handle()), L"Drive Cleaner ; neuen Dateityp festlegen");
        EXPECT_FALSE(GetWindowLongW(dialog.Handle(), GWL_STYLE) & WS_SYSMENU) << "no close box";
        dialog.Edit1.SetText(c.name);
        dialog.Edit2.SetText(c.masks);
        (c.ok ? dialog.Button_Ok : dialog.Button_Abbruch).Click();
      };
      w.Button_DC_Filetyp_ADD.Click();
      if (c.added.empty()) {
        EXPECT_EQ(w.FileTypes().size(), 7u);
        return;
      }
      ASSERT_EQ(w.FileTypes().size(), 8u);
      EXPECT_EQ(w.FileTypes()[7].Name, c.name);
      EXPECT_EQ(w.FileTypes()[7].Masks, c.added);
      EXPECT_EQ(w.FileTypes()[7].ImageIndex, 0);
      EXPECT_TRUE(w.VirtualDrawTree_DC_Filetype.Checked(w.VirtualDrawTree_DC_Filetype.Rows()[7]));
    });
  }
}

TEST_F(DcOptionsWindow, DeletingAFileTypeAsksFirstAndAllDeletedBringsTheDefaultsBack) {
  Run([&](TForm_DC_Options& w) {
    auto& list = w.VirtualDrawTree_DC_Filetype;
    w.Button_DC_FileTyp_Delete.Click();
    EXPECT_TRUE(dialogs_.requests.empty()) << "nothing selected, nothing asked";
    list.SetSelected(list.Rows()[0], true);
    dialogs_.answerYes = false;
    w.Button_DC_FileTyp_Delete.Click();
    ASSERT_EQ(dialogs_.requests.size(), 1u);
    EXPECT_EQ(dialogs_.requests[0].icon, MessageIcon::Warning);
    EXPECT_EQ(dialogs_.requests[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(list.RowCount(), 7);
    dialogs_.answerYes = true;
    while (list.RowCount() > 0) {
      list.SetSelected(list.Rows()[0], true);
      w.Button_DC_FileTyp_Delete.Click();
    }
    EXPECT_TRUE(w.FileTypes().empty());
  });
  EXPECT_FALSE(Reg().KeyExists(HKLM, DCSettingsKey() + L"\\Mask"));
  Run([](TForm_DC_Options& w) { EXPECT_EQ(w.VirtualDrawTree_DC_Filetype.RowCount(), 7); });
}

TEST_F(DcOptionsWindow, ExceptionsAreAddedAsTypedAndBuiltInRowsStay) {
  struct Case {
    const char* what;
    std::wstring typed;
    bool folder, ok;
    std::wstring added;  // empty: nothing added
  };
  const Case cases[] = {
      {"folder gets its backslash", L"C:\\Data", true, true, L"C:\\Data\\"},
      {"folder keeps its backslash", L"Cache\\", true, true, L"Cache\\"},
      {"file stays as typed", L"C:\\Data", false, true, L"C:\\Data"},
      {"cancelled", L"C:\\Data", true, false, L""},
      {"empty", L"", true, true, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Reg().RemoveKey(HKLM, DCSettingsKey());  // the last case's window stored its rows
    Run([&](TForm_DC_Options& w) {
      w.onDialogShown = [&](ui::Form& form) {
        auto& dialog = dynamic_cast<TForm_DC_NewExc&>(form);
        EXPECT_TRUE(dialog.RadioButton_asFile.Checked()) << "a file by default";
        dialog.Edit_Name.SetText(c.typed);
        if (c.folder) dialog.RadioButton_asDir.SetChecked(true);
        (c.ok ? dialog.Button_Ok : dialog.Button_Abbrechen).Click();
      };
      w.Button_Ausnahme_Add.Click();
      if (c.added.empty()) {
        EXPECT_EQ(w.Exceptions().size(), 8u);
        return;
      }
      ASSERT_EQ(w.Exceptions().size(), 9u);
      const TDCException& row = w.Exceptions().back();
      EXPECT_EQ(row.Path, c.added);
      EXPECT_EQ(row.IsFolder, c.folder);
      EXPECT_EQ(row.ImageIndex, c.folder ? 1 : 0);
      EXPECT_FALSE(row.BuiltIn);
      EXPECT_EQ(w.VirtualDrawTree_Ausnahmen.RowCount(), 9);
    });
  }

  Reg().RemoveKey(HKLM, DCSettingsKey());
  Run([&](TForm_DC_Options& w) {
    auto& list = w.VirtualDrawTree_Ausnahmen;
    list.SetSelected(list.Rows()[0], true);
    w.Button_Ausnahme_Delete.Click();
    ASSERT_EQ(dialogs_.requests.size(), 1u);
    EXPECT_EQ(dialogs_.requests[0].icon, MessageIcon::Warning);
    EXPECT_EQ(list.RowCount(), 8) << "built in";
    list.ClearSelection();
    list.SetSelected(list.Rows()[6], true);  // from DC-Folders.txt
    w.Button_Ausnahme_Delete.Click();
    EXPECT_EQ(dialogs_.requests.size(), 1u) << "removed without asking";
    EXPECT_EQ(list.RowCount(), 7);
  });
  // A row from a list file is back the next time.
  Run([](TForm_DC_Options& w) { EXPECT_EQ(Paths(w)[6], L"C:\\Shipped\\"); });
}

TEST_F(DcOptionsWindow, BrowseAsksForAFileOrAFolder) {
  struct Answers : RecordingDialogs {
    std::optional<std::wstring> AskFileName(const FileRequest&) override {
      ++files;
      return L"C:\\picked.txt";
    }
    std::optional<std::wstring> AskFolder(HWND, const std::wstring&) override {
      ++folders;
      return std::wstring();
    }
    int files = 0, folders = 0;
  } answers;
  TForm_DC_NewExc dialog;
  dialog.Edit_Name.SetText(L"typed");
  dialog.Button_Browse.Click();
  EXPECT_EQ(dialog.Edit_Name.Text(), L"C:\\picked.txt");
  dialog.RadioButton_asDir.SetChecked(true);
  dialog.Button_Browse.Click();
  EXPECT_EQ(dialog.Edit_Name.Text(), L"C:\\picked.txt") << "an empty choice changes nothing";
  EXPECT_EQ(answers.files, 1);
  EXPECT_EQ(answers.folders, 1);
}

TEST_F(DcOptionsWindow, EveryTranslatedCaptionIsInItsTable) {
  TForm_DC_Options window(app_.Path());
  TForm_DC_NewTyp newTyp;
  TForm_DC_NewExc newExc;
  EXPECT_EQ(ui::UndeclaredCaptions(window, kDcOptionsTexts), std::vector<std::wstring>{});
  EXPECT_EQ(ui::UndeclaredCaptions(newTyp, kDcNewTypTexts), std::vector<std::wstring>{});
  EXPECT_EQ(ui::UndeclaredCaptions(newExc, kDcNewExcTexts), std::vector<std::wstring>{});
}

TEST_F(DcOptionsWindow, AMissingListEndsTheProgram) {
  DeleteFileW((app_ / kDCFoldersFile).c_str());
  TForm_DC_Options window(app_.Path());
  EXPECT_EQ(ended_, 1);
  ASSERT_EQ(dialogs_.requests.size(), 1u);
  EXPECT_EQ(dialogs_.requests[0].icon, MessageIcon::Error);
  EXPECT_EQ(dialogs_.requests[0].text, L"Needed File\r" + (app_ / kDCFoldersFile) +
                                           L"\ris missing! Please do NOT use this module! Reinstall the software!");
  EXPECT_EQ(window.VirtualDrawTree_Ausnahmen.RowCount(), 6);
}

}  // namespace vt::testing
