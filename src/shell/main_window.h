// The launcher: a borderless, skin-drawn window with header buttons, four
// categories of three module slots each, the One-Click-Optimizer button, an About
// page and the Internet menu.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/startup_rules.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace vt {

class MainWindow : public ui::Form {
 public:
  MainWindow();
  ~MainWindow() override;

  // Loads and paints the skin; `status` receives each step's text for the splash.
  void InitSkin(const std::function<void(const std::wstring&)>& status);

  void SelectCategory(Category category);  // the category buttons' click
  void ClickSlot(int slot);                // Module1..Module4
  void ClickOCO();
  void ShowAboutPage();
  void ShowMenuPage();
  void ClickInternetEntry(const std::wstring& targetWord);
  // Runs what the first command-line argument asks for.
  void DispatchSwitch(const std::wstring& firstArgument);

  Category CurrentCategory() const { return category_; }
  bool AboutPageActive() const { return aboutActive_; }
  int SubmenuPaintCount() const { return submenuPaints_; }

  // Creates a module's window; null while that module is not part of this build.
  std::function<std::unique_ptr<ui::Form>(Category category, int slot)> moduleFactory;
  std::function<std::unique_ptr<ui::Form>()> oneClickFactory;
  std::function<void()> showOptions;                         // the settings window
  std::function<void(const std::wstring& address)> openAddress;  // the shell's "open" verb

  ui::ImageShape& ImageShape_Background;
  ui::ThreeStateImage& PardunMouseImage3State_Close;
  ui::ThreeStateImage& PardunMouseImage3State_Minimize;
  ui::ThreeStateImage& PardunMouseImage3State_Help;
  ui::ThreeStateImage& PardunMouseImage3State_Options;
  ui::ThreeStateImage& PardunMouseImage3State_Internetmenu;
  ui::ThreeStateImage& PardunMouseImage3State_About;
  ui::ThreeStateImage& PardunMouseImage3State_Cleaning;
  ui::ThreeStateImage& PardunMouseImage3State_Tuning;
  ui::ThreeStateImage& PardunMouseImage3State_Tools;
  ui::ThreeStateImage& PardunMouseImage3State_New;
  ui::ThreeStateImage& PardunMouseImage3State_OCO;
  ui::Image& Image_Submenu;
  ui::ThreeStateImage& PardunMouseImage3State_Module1;
  ui::ThreeStateImage& PardunMouseImage3State_Module2;
  ui::ThreeStateImage& PardunMouseImage3State_Module3;
  ui::ThreeStateImage& PardunMouseImage3State_Module4;
  ui::ThreeStateImage& PardunMouseImage3State_ModuleDummy;
  ui::Image& Image_Logo;
  ui::Label& Label_About_Back;

 private:
  void OpenModuleWindow(std::unique_ptr<ui::Form> window);
  void PaintGroupButton(ui::ThreeStateImage& button, const std::wstring& iconFile, std::wstring& title,
                        const wchar_t* offsetsSection, int defaultHeader, int defaultText1, int defaultText2);
  void PaintSlot(ui::ThreeStateImage& slot, const std::wstring& captionKey, const std::wstring& iconFile,
                 bool wiperIcon);
  void BuildAboutPage();
  void ResetInternetButton();
  void ShowInternetMenu();
  ui::Picture OverBackground(const ui::Picture& face, const RECT& at) const;

  Category category_ = Category::None;
  bool aboutActive_ = false;
  int submenuPaints_ = 0;
  ui::Picture menuBackground_;
  ui::Picture aboutBackground_;
  ui::Picture submenuClean_;
};

}  // namespace vt
