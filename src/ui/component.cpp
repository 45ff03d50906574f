#include "ui/component.h"

namespace vt::ui {

Component::Component(std::wstring name) : name_(std::move(name)) {}

// Owned components go in reverse creation order, so later ones (which may refer
// to earlier ones) are gone first.
Component::~Component() { DestroyComponents(); }

void Component::DestroyComponents() {
  while (!owned_.empty()) owned_.pop_back();
}

void Component::Adopt(std::unique_ptr<Component> component) {
  component->owner_ = this;
  owned_.push_back(std::move(component));
}

Component* Component::FindComponent(std::wstring_view name) const {
  for (const auto& component : owned_) {
    if (component->Name() == name) return component.get();
    if (Component* inner = component->FindComponent(name)) return inner;
  }
  return nullptr;
}

}  // namespace vt::ui
