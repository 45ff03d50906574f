#include "modules/drive_cleaner/dc_options_window.h"

#include <gdiplus.h>
#include <objidl.h>
#include <commctrl.h>
#include <shellapi.h>

#include "core/globals.h"
#include "core/text.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "texts/dc_options_texts.h"
#include "ui/page_list.h"
#include "ui/translation.h"

namespace vt {

namespace {

constexpr int kClientWidth = 700;
constexpr int kClientHeight = 440;
constexpr RECT kListArea{12, 12, 156, 384};
constexpr RECT kPageArea{168, 12, 688, 384};
constexpr int kSeparatorY = 396;
constexpr int kButtonTop = 406;
constexpr int kPageWidth = kPageArea.right - kPageArea.left;
constexpr int kInner = kPageWidth - 32;  // width of the page's content
constexpr int kSwitchHeight = 34;

constexpr COLORREF kInfoColor = RGB(0x44, 0x44, 0x44);
constexpr COLORREF kWarnColor = RGB(0xB0, 0x20, 0x20);

std::wstring German(const TextSection& texts, std::wstring_view key) { return std::wstring(texts.German(key)); }
std::wstring G(std::wstring_view key) { return German(kDcOptionsTexts, key); }


// The system's image list of large (32 x 32) or small shell icons, and the index
// of the icon the shell shows for a path (which need not exist).
HIMAGELIST ShellImages(bool large) {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"C:\\", 0, &info, sizeof info,
                                                     SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON)));
}
int ShellIconFor(const std::wstring& name, DWORD attributes, bool large) {
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(name.c_str(), attributes, &info, sizeof info,
                      SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON)))
    return -1;
  return info.iIcon;
}

// A file type shows the shell's icon of its first mask's extension.
std::wstring SampleNameFor(const TDCFileType& type) {
  for (const auto& mask : type.Masks) {
    const auto dot = mask.rfind(L'.');
    if (dot != std::wstring::npos && mask.find_first_of(L"*?", dot) == std::wstring::npos)
      return L"x" + mask.substr(dot);
  }
  return L"x.tmp";
}

std::wstring JoinMasksForDisplay(const std::vector<std::wstring>& masks) {
  std::wstring text;
  for (const auto& mask : masks) text += (text.empty() ? L"" : L" ; ") + mask;
  return text;
}

void RemoveCloseBox(ui::Form& form) {
  SetWindowLongW(form.Handle(), GWL_STYLE, GetWindowLongW(form.Handle(), GWL_STYLE) & ~WS_SYSMENU);
  SetWindowPos(form.Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

ui::Label& RichLabel(ui::Container* parent, const TextSection& texts, const wchar_t* name, RECT bounds) {
  auto& label = parent->Make<ui::Label>(parent, name, German(texts, name), bounds);
  label.rich = true;
  label.tag = 1;
  return label;
}

}  // namespace

// ---------------------------------------------------------------- new file type

TForm_DC_NewTyp::TForm_DC_NewTyp()
    : ui::Form(L"Form_DC_NewTyp", 420, 196, ui::FormBorder::Single),
      Edit1(Make<ui::Edit>(this, L"Edit1", RECT{16, 34, 404, 56})),
      Edit2(Make<ui::Edit>(this, L"Edit2", RECT{16, 94, 404, 116})),
      Button_Ok(Make<ui::Button>(this, L"Button_Ok", German(kDcNewTypTexts, L"Button_Ok"), RECT{212, 156, 304, 181})),
      Button_Abbruch(Make<ui::Button>(this, L"Button_Abbruch", German(kDcNewTypTexts, L"Button_Abbruch"),
                                      RECT{312, 156, 404, 181})) {
  SetCaption(German(kDcNewTypTexts, L"Form_DC_NewTyp"));
  tag = 1;
  RichLabel(this, kDcNewTypTexts, L"Label_Edit1", RECT{16, 14, 404, 32});
  RichLabel(this, kDcNewTypTexts, L"Label_Edit2", RECT{16, 74, 404, 92});
  auto& hintLabel = RichLabel(this, kDcNewTypTexts, L"Label_Hint", RECT{16, 120, 404, 150});
  hintLabel.font.color = kInfoColor;
  Edit2.hint = hintLabel.Caption();
  Button_Ok.tag = Button_Abbruch.tag = 1;
  Button_Ok.SetDefault(true);
  defaultButton = &Button_Ok;
  Button_Ok.onClick = [this] {
    modalResult = IDOK;
    Close();
  };
  Button_Abbruch.onClick = [this] {
    modalResult = IDCANCEL;
    Close();
  };
  RemoveCloseBox(*this);
  Button_LoadTranslation.Click();
  CenterOnScreen();
}

bool TForm_DC_NewTyp::Execute() { return ShowModal() == IDOK; }

// ---------------------------------------------------------------- new exception

TForm_DC_NewExc::TForm_DC_NewExc()
    : ui::Form(L"Form_DC_NewExc", 420, 176, ui::FormBorder::Single),
      Edit_Name(Make<ui::Edit>(this, L"Edit_Name", RECT{16, 34, 370, 56})),
      Button_Browse(Make<ui::Button>(this, L"Button_Browse", German(kDcNewExcTexts, L"Button_Browse"),
                                     RECT{376, 33, 404, 57})),
      RadioButton_asFile(Make<ui::RadioButton>(this, L"RadioButton_asFile",
                                               German(kDcNewExcTexts, L"RadioButton_asFile"), RECT{16, 70, 200, 90},
                                               true)),
      RadioButton_asDir(Make<ui::RadioButton>(this, L"RadioButton_asDir", German(kDcNewExcTexts, L"RadioButton_asDir"),
                                              RECT{16, 94, 200, 114})),
      Button_Ok(Make<ui::Button>(this, L"Button_Ok", German(kDcNewExcTexts, L"Button_Ok"), RECT{212, 136, 304, 161})),
      Button_Abbrechen(Make<ui::Button>(this, L"Button_Abbrechen", German(kDcNewExcTexts, L"Button_Abbrechen"),
                                        RECT{312, 136, 404, 161})) {
  SetCaption(German(kDcNewExcTexts, L"Form_DC_NewExc"));
  tag = 1;
  RichLabel(this, kDcNewExcTexts, L"Label_Name", RECT{16, 14, 404, 32});
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Button_Browse, &RadioButton_asFile, &RadioButton_asDir,
                                                            &Button_Ok, &Button_Abbrechen})
    c->tag = 1;
  RadioButton_asFile.SetChecked(true);
  Button_Ok.SetDefault(true);
  defaultButton = &Button_Ok;
  Button_Ok.onClick = [this] {
    modalResult = IDOK;
    Close();
  };
  Button_Abbrechen.onClick = [this] {
    modalResult = IDCANCEL;
    Close();
  };
  Button_Browse.onClick = [this] { Button_BrowseClick(); };
  RemoveCloseBox(*this);
  Button_LoadTranslation.Click();
  CenterOnScreen();
}

bool TForm_DC_NewExc::Execute() { return ShowModal() == IDOK; }

void TForm_DC_NewExc::Button_BrowseClick() {
  std::optional<std::wstring> chosen;
  if (RadioButton_asDir.Checked())
    chosen = Dialogs().AskFolder(Handle(), Caption());
  else
    chosen = Dialogs().AskFileName({Handle(), L"*.*", Edit_Name.Text(), false});
  if (chosen && !chosen->empty()) Edit_Name.SetText(*chosen);
}

// ---------------------------------------------------------------- settings window

TForm_DC_Options::TForm_DC_Options(const std::wstring& appDir)
    : ui::Form(L"Form_DC_Options", kClientWidth, kClientHeight, ui::FormBorder::Single),
      PageControl1(Make<ui::PageControl>(this, L"PageControl1", kPageArea)),
      TabSheet_Laufwerke(PageControl1.AddPage(*this, L"TabSheet_Laufwerke", G(L"TabSheet_Laufwerke"))),
      TabSheet_Elemente(PageControl1.AddPage(*this, L"TabSheet_Elemente", G(L"TabSheet_Elemente"))),
      TabSheet_Optionen(PageControl1.AddPage(*this, L"TabSheet_Optionen", G(L"TabSheet_Optionen"))),
      TabSheet_Ausnahmen(PageControl1.AddPage(*this, L"TabSheet_Ausnahmen", G(L"TabSheet_Ausnahmen"))),
      ListView_Drives(Make<ui::TreeList>(&TabSheet_Laufwerke, L"ListView_Drives", RECT{16, 96, 16 + kInner, 356})),
      VirtualDrawTree_DC_Filetype(Make<ui::TreeList>(&TabSheet_Elemente, L"VirtualDrawTree_DC_Filetype",
                                                     RECT{16, 96, 16 + kInner, 318})),
      Button_DC_Filetyp_ADD(Make<ui::Button>(&TabSheet_Elemente, L"Button_DC_Filetyp_ADD", G(L"Button_DC_Filetyp_ADD"),
                                             RECT{16 + kInner - 204, 326, 16 + kInner - 104, 351})),
      Button_DC_FileTyp_Delete(Make<ui::Button>(&TabSheet_Elemente, L"Button_DC_FileTyp_Delete",
                                                G(L"Button_DC_FileTyp_Delete"),
                                                RECT{16 + kInner - 100, 326, 16 + kInner, 351})),
      GroupBox_OrdnerLeeren(Make<ui::GroupBox>(&TabSheet_Optionen, L"GroupBox_OrdnerLeeren", G(L"GroupBox_OrdnerLeeren"),
                                               RECT{16, 52, 16 + kInner, 172})),
      GroupBox_Verknuepfungen(Make<ui::GroupBox>(&TabSheet_Optionen, L"GroupBox_Verknuepfungen",
                                                 G(L"GroupBox_Verknuepfungen"), RECT{16, 182, 16 + kInner, 250})),
      GroupBox_Optionen(Make<ui::GroupBox>(&TabSheet_Optionen, L"GroupBox_Optionen", G(L"GroupBox_Optionen"),
                                           RECT{16, 260, 16 + kInner, 346})),
      CheckBox_TMPDir_ALL(Make<ui::CheckBox>(&GroupBox_OrdnerLeeren, L"CheckBox_TMPDir_ALL", G(L"CheckBox_TMPDir_ALL"), RECT{}, true)),
      CheckBox_TMPDir_USER(Make<ui::CheckBox>(&GroupBox_OrdnerLeeren, L"CheckBox_TMPDir_USER", G(L"CheckBox_TMPDir_USER"), RECT{}, true)),
      CheckBox_Minidump(Make<ui::CheckBox>(&GroupBox_OrdnerLeeren, L"CheckBox_Minidump", G(L"CheckBox_Minidump"), RECT{}, true)),
      CheckBox_DC_LNK(Make<ui::CheckBox>(&GroupBox_Verknuepfungen, L"CheckBox_DC_LNK", G(L"CheckBox_DC_LNK"), RECT{}, false)),
      CheckBox_DC_PIF(Make<ui::CheckBox>(&GroupBox_Verknuepfungen, L"CheckBox_DC_PIF", G(L"CheckBox_DC_PIF"), RECT{}, false)),
      CheckBox_DC_Ignore_InUseOrWriteProtected(Make<ui::CheckBox>(&GroupBox_Optionen, L"CheckBox_DC_Ignore_InUseOrWriteProtected",
                                                                  G(L"CheckBox_DC_Ignore_InUseOrWriteProtected"),
                                                                  RECT{}, true)),
      CheckBox_DC_NoRecycleBin(
          Make<ui::CheckBox>(&GroupBox_Optionen, L"CheckBox_DC_NoRecycleBin", G(L"CheckBox_DC_NoRecycleBin"), RECT{}, false)),
      VirtualDrawTree_Ausnahmen(Make<ui::TreeList>(&TabSheet_Ausnahmen, L"VirtualDrawTree_Ausnahmen",
                                                   RECT{16, 96, 16 + kInner, 318})),
      Button_Ausnahme_Add(Make<ui::Button>(&TabSheet_Ausnahmen, L"Button_Ausnahme_Add", G(L"Button_Ausnahme_Add"),
                                           RECT{16 + kInner - 204, 326, 16 + kInner - 104, 351})),
      Button_Ausnahme_Delete(Make<ui::Button>(&TabSheet_Ausnahmen, L"Button_Ausnahme_Delete",
                                              G(L"Button_Ausnahme_Delete"), RECT{16 + kInner - 100, 326, 16 + kInner, 351})),
      Button_Help(Make<ui::Button>(this, L"Button_Help", G(L"Button_Help"),
                                   RECT{kListArea.left, kButtonTop, kListArea.left + 92, kButtonTop + 25})),
      Button_Ok(Make<ui::Button>(this, L"Button_Ok", G(L"Button_Ok"),
                                 RECT{kPageArea.right - 92, kButtonTop, kPageArea.right, kButtonTop + 25})),
      appDir_(appDir) {
  BuildLayout();

  // Creation: translation and the first page, the two lists, the options, the drives.
  Button_LoadTranslation.Click();
  ShowPage(0);
  LoadDCFileTypes();
  settings_.Options = LoadDCOptions();
  for (auto& [box, flag] : optionBoxes_) box->SetChecked(settings_.Options.*flag);
  settings_.Drives = LoadDCDrives();
  FillDrives();
}

TForm_DC_Options::~TForm_DC_Options() = default;

void TForm_DC_Options::BuildLayout() {
  SetCaption(G(L"Form_DC_Options"));
  tag = 1;
  CenterOnScreen();

  auto& list = Make<ui::Panel>(this, L"Panel_Pages", kListArea);
  list.SetBackgroundColor(RGB(0xFF, 0xFF, 0xFF));
  for (int i = 0; i < PageControl1.PageCount(); ++i) {
    const int top = 8 + i * (kSwitchHeight + 2);
    auto& entry = Make<ui::PageSwitchEntry>(&list, L"PageSwitch_" + std::to_wstring(i + 1), PageControl1, i,
                                        RECT{1, top, kListArea.right - kListArea.left - 1, top + kSwitchHeight});
    entry.onClick = [this, i] { ShowPage(i); };
    pageSwitches_.push_back(&entry);
  }
  PageControl1.onChange = [this] {
    for (auto* entry : pageSwitches_) entry->Invalidate();
  };

  const wchar_t* infos[] = {L"Label_Info_Laufwerke", L"Label_Info_Elemente", nullptr, L"Label_Info_Ausnahmen"};
  for (int i = 0; i < PageControl1.PageCount(); ++i) {
    ui::TabSheet& page = PageControl1.Page(i);
    page.tag = 1;
    Make<ui::PageTitle>(&page, L"Label_Title_" + std::to_wstring(i + 1), page, RECT{16, 14, 16 + kInner, 43});
    if (!infos[i]) continue;
    auto& info = Make<ui::Label>(&page, infos[i], G(infos[i]), RECT{16, 52, 16 + kInner, 90});
    info.font.color = kInfoColor;
    info.tag = 1;
  }

  // Drives: check box, the shell's icon, name and root.
  ListView_Drives.checkBoxes = true;
  ListView_Drives.AddColumn(G(L"ListView_Drives"), kInner - 24);
  ListView_Drives.SetDefaultRowHeight(40);
  ListView_Drives.onDrawCell = [this](ui::DrawCellArgs& cell) { return DrawDrive(cell); };
  ListView_Drives.onChecked = [this](int row) {
    const int record = ListView_Drives.Record(row);
    if (record >= 0 && record < static_cast<int>(settings_.Drives.size()))
      settings_.Drives[record].Checked = ListView_Drives.Checked(row);
  };

  // File types: "Aktiv" with the check box and the picture, "Beschreibung" with
  // name and masks.
  const auto columns = SplitLines(G(L"VirtualDrawTree_DC_Filetype"));
  VirtualDrawTree_DC_Filetype.checkBoxes = true;
  VirtualDrawTree_DC_Filetype.AddColumn(columns.at(0), 76);
  VirtualDrawTree_DC_Filetype.AddColumn(columns.at(1), kInner - 76 - 24);
  VirtualDrawTree_DC_Filetype.SetDefaultRowHeight(40);
  VirtualDrawTree_DC_Filetype.onDrawCell = [this](ui::DrawCellArgs& cell) { return DrawFileType(cell); };
  VirtualDrawTree_DC_Filetype.onChecked = [this](int row) {
    const int record = VirtualDrawTree_DC_Filetype.Record(row);
    if (record >= 0 && record < static_cast<int>(settings_.FileTypes.size()))
      settings_.FileTypes[record].Checked = VirtualDrawTree_DC_Filetype.Checked(row);
  };

  VirtualDrawTree_Ausnahmen.AddColumn(G(L"VirtualDrawTree_Ausnahmen"), kInner - 24);
  VirtualDrawTree_Ausnahmen.SetHeaderVisible(false);
  VirtualDrawTree_Ausnahmen.SetDefaultRowHeight(28);
  VirtualDrawTree_Ausnahmen.onDrawCell = [this](ui::DrawCellArgs& cell) { return DrawException(cell); };

  // Options: three groups of check boxes, two with a note under them.
  struct Group {
    ui::GroupBox* box;
    std::vector<std::pair<ui::CheckBox*, bool DCOptions::*>> boxes;
    const wchar_t* note;
    COLORREF noteColor;
  };
  const Group groups[] = {
      {&GroupBox_OrdnerLeeren,
       {{&CheckBox_TMPDir_ALL, &DCOptions::TmpDirAll},
        {&CheckBox_TMPDir_USER, &DCOptions::TmpDirUser},
        {&CheckBox_Minidump, &DCOptions::Minidump}},
       L"Label_Minidump",
       kInfoColor},
      {&GroupBox_Verknuepfungen, {{&CheckBox_DC_LNK, &DCOptions::Lnk}, {&CheckBox_DC_PIF, &DCOptions::Pif}}, nullptr, 0},
      {&GroupBox_Optionen,
       {{&CheckBox_DC_Ignore_InUseOrWriteProtected, &DCOptions::WriteProtected},
        {&CheckBox_DC_NoRecycleBin, &DCOptions::NoRecycleBin}},
       L"Label_Achtung",
       kWarnColor},
  };
  for (const auto& g : groups) {
    g.box->SetBackgroundColor(RGB(0xFF, 0xFF, 0xFF));
    g.box->tag = 1;
    int y = 20;
    for (auto [check, flag] : g.boxes) {
      check->SetBounds(10, y, kInner - 20, 20);
      check->tag = 1;
      optionBoxes_.push_back({check, flag});
      y += 22;
    }
    if (g.note) {
      auto& note = Make<ui::Label>(g.box, g.note, G(g.note), RECT{28, y + 2, kInner - 10, g.box->Height() - 6});
      note.font.color = g.noteColor;
      note.tag = 1;
    }
  }

  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &Button_DC_Filetyp_ADD, &Button_DC_FileTyp_Delete, &Button_Ausnahme_Add, &Button_Ausnahme_Delete,
           &Button_Help, &Button_Ok})
    control->tag = 1;

  Button_Ok.SetDefault(true);
  defaultButton = &Button_Ok;
  Button_Ok.onClick = [this] {
    modalResult = IDOK;
    Close();
  };
  Button_Help.onClick = [] { OpenHelpTopic(L"DC"); };
  onHelp = [] { OpenHelpTopic(L"DC"); };
  // Closing in any way keeps what the user set.
  onClose = [this] { SaveDCSettings(); };
  Button_DC_Filetyp_ADD.onClick = [this] { Button_DC_Filetyp_ADDClick(); };
  Button_DC_FileTyp_Delete.onClick = [this] { Button_DC_FileTyp_DeleteClick(); };
  Button_Ausnahme_Add.onClick = [this] { Button_Ausnahme_AddClick(); };
  Button_Ausnahme_Delete.onClick = [this] { Button_Ausnahme_DeleteClick(); };
}

void TForm_DC_Options::LoadTranslation() {
  ui::Form::LoadTranslation();
  for (auto* entry : pageSwitches_) entry->Invalidate();
}

void TForm_DC_Options::TranslateLists() {
  ui::TranslateColumns(Name(), ListView_Drives);
  ui::TranslateColumns(Name(), VirtualDrawTree_DC_Filetype);
  ui::TranslateColumns(Name(), VirtualDrawTree_Ausnahmen);
}

void TForm_DC_Options::ShowPage(int index) { PageControl1.SetActivePageIndex(index); }

void TForm_DC_Options::PaintContent(HDC dc) { ui::PaintSettingsFrame(dc, kListArea, kPageArea, kSeparatorY); }

void TForm_DC_Options::LoadDCFileTypes() {
  settings_.FileTypes = vt::LoadDCFileTypes();
  FillFileTypes();
  LoadDCExceptions();
}

void TForm_DC_Options::LoadDCExceptions() {
  std::wstring missing;
  auto rows = vt::LoadDCExceptions(appDir_, missing);
  if (!missing.empty()) {
    // Without its lists the cleaner would not know what it must never touch.
    Dialogs().ShowMessage({Handle(),
                           L"Needed File\r" + missing + L"\ris missing! Please do NOT use this module! Reinstall the software!",
                           ProductTitle, MessageIcon::Error, MessageButtons::Ok});
    if (EndProgram) EndProgram();
    // Should the program go on all the same (a test), it runs with the built-in rows only.
    rows = BuiltInDCExceptions();
  }
  settings_.Exceptions = std::move(rows);
  FillExceptions();
}

void TForm_DC_Options::FillFileTypes() {
  auto& list = VirtualDrawTree_DC_Filetype;
  list.BeginUpdate();
  list.Clear();
  for (int i = 0; i < static_cast<int>(settings_.FileTypes.size()); ++i) {
    const int row = list.AddRow(i);
    list.SetChecked(row, settings_.FileTypes[i].Checked, false);
  }
  list.EndUpdate();
}

void TForm_DC_Options::FillExceptions() {
  auto& list = VirtualDrawTree_Ausnahmen;
  list.BeginUpdate();
  list.Clear();
  for (int i = 0; i < static_cast<int>(settings_.Exceptions.size()); ++i) list.AddRow(i);
  list.EndUpdate();
}

void TForm_DC_Options::FillDrives() {
  auto& list = ListView_Drives;
  list.BeginUpdate();
  list.Clear();
  for (int i = 0; i < static_cast<int>(settings_.Drives.size()); ++i) {
    const int row = list.AddRow(i);
    list.SetChecked(row, settings_.Drives[i].Checked, false);
  }
  list.EndUpdate();
}

DCSettings TForm_DC_Options::Settings() const {
  DCSettings settings = settings_;
  for (const auto& [box, flag] : optionBoxes_) settings.Options.*flag = box->Checked();
  return settings;
}

void TForm_DC_Options::SaveDCSettings() { vt::SaveDCSettings(Settings()); }

void TForm_DC_Options::AddException(const std::wstring& path, bool isFolder) {
  settings_.Exceptions.push_back({path, isFolder, isFolder ? 1 : 0, false});
  VirtualDrawTree_Ausnahmen.AddRow(static_cast<int>(settings_.Exceptions.size()) - 1);
}

int TForm_DC_Options::SelectedRecord(const ui::TreeList& list) const {
  const auto rows = list.SelectedRows();
  if (!rows.empty()) return list.Record(rows.front());
  return list.FocusedRow() >= 0 && list.IsValidRow(list.FocusedRow()) && list.Selected(list.FocusedRow())
             ? list.Record(list.FocusedRow())
             : -1;
}

void TForm_DC_Options::Button_DC_Filetyp_ADDClick() {
  TForm_DC_NewTyp dialog;
  if (onDialogShown) dialog.onShown = [this, &dialog] { onDialogShown(dialog); };
  if (!dialog.Execute()) return;
  const std::wstring name = dialog.Edit1.Text();
  const std::wstring masks = dialog.Edit2.Text();
  if (name.empty() || UpperCase(masks).empty()) return;
  settings_.FileTypes.push_back({name, SplitDCMasks(masks), 0, true});
  FillFileTypes();
}

void TForm_DC_Options::Button_DC_FileTyp_DeleteClick() {
  const int record = SelectedRecord(VirtualDrawTree_DC_Filetype);
  if (record < 0) return;
  if (!Dialogs().ShowMessage({Handle(), kDcOptionsTexts.Text(L"MESSAGE_SureToDeleteFileTyp"), ProductTitle,
                              MessageIcon::Warning, MessageButtons::YesNo}))
    return;
  settings_.FileTypes.erase(settings_.FileTypes.begin() + record);
  FillFileTypes();
}

void TForm_DC_Options::Button_Ausnahme_AddClick() {
  TForm_DC_NewExc dialog;
  if (onDialogShown) dialog.onShown = [this, &dialog] { onDialogShown(dialog); };
  if (!dialog.Execute()) return;
  std::wstring path = dialog.Edit_Name.Text();
  if (path.empty()) return;
  const bool folder = dialog.RadioButton_asDir.Checked();
  if (folder && path.back() != L'\\') path += L'\\';
  AddException(path, folder);
}

void TForm_DC_Options::Button_Ausnahme_DeleteClick() {
  const int record = SelectedRecord(VirtualDrawTree_Ausnahmen);
  if (record < 0) return;
  if (settings_.Exceptions[record].BuiltIn) {
    Dialogs().ShowMessage({Handle(), kDcOptionsTexts.Text(L"MESSAGE_CantDeleteThisExc"), ProductTitle,
                           MessageIcon::Warning, MessageButtons::Ok});
    return;
  }
  settings_.Exceptions.erase(settings_.Exceptions.begin() + record);
  FillExceptions();
}

bool TForm_DC_Options::DrawFileType(ui::DrawCellArgs& cell) {
  if (cell.record < 0 || cell.record >= static_cast<int>(settings_.FileTypes.size())) return false;
  const TDCFileType& type = settings_.FileTypes[cell.record];
  if (cell.column == 0) {
    const int icon = ShellIconFor(SampleNameFor(type), FILE_ATTRIBUTE_NORMAL, true);
    if (icon >= 0) ImageList_Draw(ShellImages(true), icon, cell.dc, cell.cell.left + 2, cell.cell.top + 2, ILD_TRANSPARENT);
    return true;
  }
  cell.Text(type.Name, 4, 4, true);
  cell.Text(JoinMasksForDisplay(type.Masks), 4, 20);
  return true;
}

bool TForm_DC_Options::DrawException(ui::DrawCellArgs& cell) {
  if (cell.record < 0 || cell.record >= static_cast<int>(settings_.Exceptions.size())) return false;
  const TDCException& row = settings_.Exceptions[cell.record];
  const int icon = row.IsFolder ? ShellIconFor(L"folder", FILE_ATTRIBUTE_DIRECTORY, false)
                                : ShellIconFor(L"file.txt", FILE_ATTRIBUTE_NORMAL, false);
  if (icon >= 0) ImageList_Draw(ShellImages(false), icon, cell.dc, cell.cell.left + 4, cell.cell.top + 6, ILD_TRANSPARENT);
  cell.Text(row.Path, 28, 7, row.BuiltIn);
  return true;
}

bool TForm_DC_Options::DrawDrive(ui::DrawCellArgs& cell) {
  if (cell.record < 0 || cell.record >= static_cast<int>(settings_.Drives.size())) return false;
  const DCDrive& drive = settings_.Drives[cell.record];
  if (drive.IconIndex >= 0)
    ImageList_Draw(ShellImages(true), drive.IconIndex, cell.dc, cell.cell.left + 2, cell.cell.top + 4, ILD_TRANSPARENT);
  cell.Text(drive.DisplayName, 42, 5, true);
  cell.Text(drive.Root, 42, 21);
  return true;
}

}  // namespace vt
