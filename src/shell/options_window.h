// The global settings window "Einstellungen zur Software": language and skin,
// two display options of the result windows, the start-up password, resetting
// every setting, and the news channels. Opened modally from the main window;
// language and skin changes take effect at the next start.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "ui/form.h"

namespace vt {

class OptionsWindow : public ui::Form {
 public:
  OptionsWindow();
  ~OptionsWindow() override;

  ui::PageControl& PageControl1;
  ui::TabSheet& TabSheet_Language;
  ui::TabSheet& TabSheet_Results;
  ui::TabSheet& TabSheet_Password;
  ui::TabSheet& TabSheet_Other;
  ui::ComboBox& ComboBox_Languages;
  ui::ComboBox& ComboBox_Skins;
  ui::CheckBox& CheckBox_HideEmpty;
  ui::CheckBox& CheckBox_OpenMaximized;
  ui::LabeledEdit& LabeledEdit_Pass1;
  ui::LabeledEdit& LabeledEdit_Pass2;
  ui::Button& Button_PassSet;
  ui::Button& Button_PassDelete;
  ui::GroupBox& GroupBox_Reset;
  ui::Button& Button_Reset;
  ui::GroupBox& GroupBox_NewsChannel;
  ui::Button& Button_Config_Channels;
  ui::CheckBox& CheckBox_NewsChannel;  // kept hidden; has no effect
  ui::Button& Button_Help;
  ui::Button& Button_Ok;

  // The page-switch entries on the left, one per page, in page order.
  ui::GraphicControl& PageSwitch(int index) const { return *pageSwitches_[index]; }

  void Button_OkClick();
  void Button_HelpClick();
  void Button_ResetClick();
  void Button_PassSetClick();
  void Button_PassDeleteClick();
  void Button_Config_ChannelsClick();

 protected:
  void LoadTranslation() override;
  void PaintContent(HDC dc) override;

 private:
  void BuildLayout();
  void FormCreate();
  void ShowPage(int index);
  void Tell(std::wstring_view key, MessageIcon icon) const;

  std::vector<ui::GraphicControl*> pageSwitches_;
  std::vector<int> languageNumbers_;  // the number behind each item of ComboBox_Languages
  int openedLanguageIndex_ = -1;
  int openedSkinIndex_ = -1;
};

// Creates the settings window, shows it modally and destroys it.
void ShowOptionsWindow();

}  // namespace vt
