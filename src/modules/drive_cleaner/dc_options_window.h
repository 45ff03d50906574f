// The Drive Cleaner's settings window "Einstellungen zum Drive Cleaner" with its
// pages Laufwerke, Elemente, Optionen and Ausnahmen, and its two small dialogs
// for a new file type and a new exception. While the Drive Cleaner is open this
// window's lists and boxes are the rules in force; closing it stores them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "modules/drive_cleaner/dc_settings.h"
#include "ui/form.h"
#include "ui/tree_list.h"

namespace vt {

class TForm_DC_NewTyp : public ui::Form {
 public:
  TForm_DC_NewTyp();
  // Modal; true when "&Ok" closed it.
  bool Execute();
  ui::Edit& Edit1;  // description
  ui::Edit& Edit2;  // masks, separated by ";"
  ui::Button& Button_Ok;
  ui::Button& Button_Abbruch;
};

class TForm_DC_NewExc : public ui::Form {
 public:
  TForm_DC_NewExc();
  bool Execute();
  ui::Edit& Edit_Name;
  ui::Button& Button_Browse;
  ui::RadioButton& RadioButton_asFile;
  ui::RadioButton& RadioButton_asDir;
  ui::Button& Button_Ok;
  ui::Button& Button_Abbrechen;
  void Button_BrowseClick();
};

class TForm_DC_Options : public ui::Form {
 public:
  // Loads everything from the store and the list files in `appDir`. When a list
  // file is missing the user is told and EndProgram runs.
  explicit TForm_DC_Options(const std::wstring& appDir);
  ~TForm_DC_Options() override;

  // Ends the program at once (a missing exception list); tests replace it.
  static inline std::function<void()> EndProgram = [] { ExitProcess(1); };

  ui::PageControl& PageControl1;
  ui::TabSheet& TabSheet_Laufwerke;
  ui::TabSheet& TabSheet_Elemente;
  ui::TabSheet& TabSheet_Optionen;
  ui::TabSheet& TabSheet_Ausnahmen;
  ui::TreeList& ListView_Drives;
  ui::TreeList& VirtualDrawTree_DC_Filetype;
  ui::Button& Button_DC_Filetyp_ADD;
  ui::Button& Button_DC_FileTyp_Delete;
  ui::GroupBox& GroupBox_OrdnerLeeren;
  ui::GroupBox& GroupBox_Verknuepfungen;
  ui::GroupBox& GroupBox_Optionen;
  ui::CheckBox& CheckBox_TMPDir_ALL;
  ui::CheckBox& CheckBox_TMPDir_USER;
  ui::CheckBox& CheckBox_Minidump;
  ui::CheckBox& CheckBox_DC_LNK;
  ui::CheckBox& CheckBox_DC_PIF;
  ui::CheckBox& CheckBox_DC_Ignore_InUseOrWriteProtected;
  ui::CheckBox& CheckBox_DC_NoRecycleBin;
  ui::TreeList& VirtualDrawTree_Ausnahmen;
  ui::Button& Button_Ausnahme_Add;
  ui::Button& Button_Ausnahme_Delete;
  ui::Button& Button_Help;
  ui::Button& Button_Ok;

  void ShowPage(int index);
  ui::GraphicControl& PageSwitch(int index) const { return *pageSwitches_[index]; }

  void LoadDCFileTypes();   // ends with LoadDCExceptions
  void LoadDCExceptions();  // from the list files and the store
  void SaveDCSettings();
  // A row from the results (at the end of the list; never built in).
  void AddException(const std::wstring& path, bool isFolder);

  // What the lists and boxes say now.
  DCSettings Settings() const;
  DcRules Rules() const { return ToDcRules(Settings()); }
  const std::vector<TDCFileType>& FileTypes() const { return settings_.FileTypes; }
  const std::vector<TDCException>& Exceptions() const { return settings_.Exceptions; }
  const std::vector<DCDrive>& Drives() const { return settings_.Drives; }

  void Button_DC_Filetyp_ADDClick();
  void Button_DC_FileTyp_DeleteClick();
  void Button_Ausnahme_AddClick();
  void Button_Ausnahme_DeleteClick();

  // Runs inside each dialog's modal loop once it shows (tests fill it in there).
  std::function<void(ui::Form&)> onDialogShown;

 protected:
  void LoadTranslation() override;
  void TranslateLists() override;
  void PaintContent(HDC dc) override;

 private:
  void BuildLayout();
  void FillFileTypes();
  void FillExceptions();
  void FillDrives();
  int SelectedRecord(const ui::TreeList& list) const;
  bool DrawFileType(ui::DrawCellArgs& cell);
  bool DrawException(ui::DrawCellArgs& cell);
  bool DrawDrive(ui::DrawCellArgs& cell);

  std::wstring appDir_;
  DCSettings settings_;
  std::vector<ui::GraphicControl*> pageSwitches_;
  std::vector<std::pair<ui::CheckBox*, bool DCOptions::*>> optionBoxes_;
};

}  // namespace vt
