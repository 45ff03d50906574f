// Named components in the style the windows are designed in: every component has
// a name, a tag (non-zero marks it for translation), an owner that destroys it,
// and the owner can walk what it owns in creation order.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vt::ui {

class Component {
 public:
  explicit Component(std::wstring name);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::wstring& Name() const { return name_; }
  Component* Owner() const { return owner_; }
  int tag = 0;

  // Owned components, in creation order.
  const std::vector<std::unique_ptr<Component>>& Components() const { return owned_; }
  Component* FindComponent(std::wstring_view name) const;

  // Text that translation replaces; components without one ignore it.
  virtual bool HasCaption() const { return false; }
  virtual std::wstring Caption() const { return {}; }
  virtual void SetCaption(const std::wstring&) {}
  // A labelled edit takes its translated text on its label instead.
  virtual Component* CaptionTarget() { return this; }

  // Creates a component owned by this one (the arguments go to its constructor).
  template <typename T, typename... Args>
  T& Make(Args&&... args) {
    auto component = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *component;
    Adopt(std::move(component));
    return ref;
  }

 protected:
  // Destroys the owned components, last created first. A window calls this before
  // its own window goes, so controls never outlive the container they sit on.
  void DestroyComponents();

 private:
  void Adopt(std::unique_ptr<Component> component);
  Component* owner_ = nullptr;
  std::wstring name_;
  std::vector<std::unique_ptr<Component>> owned_;
};

}  // namespace vt::ui
