#include <gtest/gtest.h>

#include "core/globals.h"
#include "support/test_support.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/translation.h"

namespace vt::testing {

namespace {

class TaggedForm : public ui::Form {
 public:
  TaggedForm()
      : ui::Form(L"Form_Tagged", 300, 200, ui::FormBorder::Dialog),
        page(Make<ui::PageControl>(this, L"PageControl1", RECT{0, 0, 300, 150})),
        sheet(page.AddPage(*this, L"TabSheet1", L"Seite")),
        Button_Weiter(Make<ui::Button>(&sheet, L"Button_Weiter", L"&Weiter >", RECT{10, 10, 100, 34})),
        Button_Untagged(Make<ui::Button>(&sheet, L"Button_Untagged", L"Bleibt", RECT{10, 40, 100, 64})),
        CheckBox_Option(Make<ui::CheckBox>(this, L"CheckBox_Option", L"Option", RECT{10, 160, 200, 180})),
        LabeledEdit_Name(
            Make<ui::LabeledEdit>(this, L"LabeledEdit_Name", L"Name", RECT{120, 100, 280, 122}, ui::EditStyle{})) {
    tag = 1;
    Button_Weiter.tag = 1;
    CheckBox_Option.tag = 1;
    LabeledEdit_Name.tag = 1;
  }
  ui::PageControl& page;
  ui::TabSheet& sheet;
  ui::Button& Button_Weiter;
  ui::Button& Button_Untagged;
  ui::CheckBox& CheckBox_Option;
  ui::LabeledEdit& LabeledEdit_Name;
};

}  // namespace

TEST(WindowTranslation, TaggedComponentsTakeTheirEntries) {
  struct Case {
    const char* what;
    const wchar_t* file;
    const wchar_t* path;
    std::wstring title, next, option, label;
  };
  const Case cases[] = {
      {"no language file: German stays", L"", L"", L"Veltrano Tidewright 2007", L"&Weiter >", L"Option", L"Name"},
      {"no section for the window: German stays", L"[Form_Other]\r\n||Button_Weiter=&Next >\r\n||\r\n", L"x.ini",
       L"Veltrano Tidewright 2007", L"&Weiter >", L"Option", L"Name"},
      {"entries applied, a missing one says so",
       L"[form_tagged]\r\n||Form_Tagged=Tagged window\r\n||Button_Weiter=&Next >\r\n||LabeledEdit_Name=Your name\r\n||\r\n",
       L"x.ini", L"Tagged window", L"&Next >", L"Missing Translation", L"Your name"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    LanguageFile = LanguageText::FromText(c.file);
    LanguageFilePath = c.path;
    TaggedForm form;
    form.Button_LoadTranslation.Click();
    EXPECT_EQ(WindowText(form.Handle()), c.title);
    EXPECT_EQ(WindowText(form.Button_Weiter.Handle()), c.next);
    EXPECT_EQ(WindowText(form.CheckBox_Option.Handle()), c.option);
    EXPECT_EQ(form.LabeledEdit_Name.EditLabel().Caption(), c.label);
    EXPECT_EQ(WindowText(form.Button_Untagged.Handle()), L"Bleibt") << "untagged components keep their text";
  }
  LanguageFile = LanguageText();
  LanguageFilePath.clear();
}

}  // namespace vt::testing
