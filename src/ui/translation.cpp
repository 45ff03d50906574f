#include "ui/translation.h"

#include "core/globals.h"
#include "ui/form.h"

namespace vt::ui {

namespace {

void ApplyTo(const std::wstring& section, Component& component) {
  if (component.tag != 0) {
    Component* target = component.CaptionTarget();
    if (target && target->HasCaption()) target->SetCaption(LanguageFile.ComponentCaption(section, component.Name()));
  }
  for (const auto& owned : component.Components()) ApplyTo(section, *owned);
}

}  // namespace

void ApplyTranslation(Form& form) {
  if (LanguageFile.Empty() || !LanguageFile.HasSection(form.Name())) return;
  ApplyTo(form.Name(), form);
}

void TranslateColumns(const std::wstring& section, ColumnHost& control) {
  const auto captions = LanguageFile.ColumnCaptions(section, control.ColumnHostName(), control.ColumnCount());
  if (!captions) return;
  for (size_t i = 0; i < captions->size(); ++i) control.SetColumnCaption(static_cast<int>(i), (*captions)[i]);
}

}  // namespace vt::ui
