// The window half of the language files: captions of a window and its tagged
// components, and column captions of its lists.
#pragma once

#include <string>

namespace vt::ui {

class Form;
class Component;

// Sets the captions of the window and of every owned component with a non-zero
// tag from the window's section ("Missing Translation" where an entry is
// missing). Nothing changes without a language file or without that section.
void ApplyTranslation(Form& form);

// A control with columns (a tree list) takes its captions from the entry named
// after it; see LanguageText::ColumnCaptions.
class ColumnHost {
 public:
  virtual ~ColumnHost() = default;
  virtual int ColumnCount() const = 0;
  virtual void SetColumnCaption(int index, const std::wstring& caption) = 0;
  virtual const std::wstring& ColumnHostName() const = 0;
};
void TranslateColumns(const std::wstring& section, ColumnHost& control);

}  // namespace vt::ui
