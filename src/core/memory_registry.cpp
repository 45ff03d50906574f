#include "core/memory_registry.h"

#include <algorithm>

#include "core/text.h"

namespace vt {

struct MemoryRegistry::Node {
  std::vector<std::pair<std::wstring, RegValue>> values;  // in creation order
  std::map<std::wstring, std::shared_ptr<Node>> children;  // keyed by upper-cased name
  std::map<std::wstring, std::wstring> childNames;          // upper-cased -> as created
  bool deleted = false;

  std::pair<std::wstring, RegValue>* FindValue(const std::wstring& name) {
    for (auto& entry : values)
      if (EqualsNoCase(entry.first, name)) return &entry;
    return nullptr;
  }
};

namespace {

std::vector<std::wstring> SplitPath(const std::wstring& path) {
  std::vector<std::wstring> parts;
  std::wstring current;
  for (wchar_t ch : path) {
    if (ch == L'\\') {
      if (!current.empty()) parts.push_back(current);
      current.clear();
    } else {
      current += ch;
    }
  }
  if (!current.empty()) parts.push_back(current);
  return parts;
}

class MemoryKey final : public RegKey {
 public:
  MemoryKey(std::shared_ptr<MemoryRegistry::Node> node, bool writable)
      : node_(std::move(node)), writable_(writable) {}

  bool Query(const std::wstring& name, RegValue& out) const override {
    if (node_->deleted) return false;
    auto* entry = node_->FindValue(name);
    if (!entry) return false;
    out = entry->second;
    return true;
  }

  std::vector<std::wstring> ValueNames() const override {
    std::vector<std::wstring> names;
    if (node_->deleted) return names;
    for (const auto& entry : node_->values) names.push_back(entry.first);
    return names;
  }

  std::vector<std::wstring> SubKeyNames() const override {
    std::vector<std::wstring> names;
    if (node_->deleted) return names;
    for (const auto& entry : node_->childNames) names.push_back(entry.second);
    return names;
  }

  bool Set(const std::wstring& name, std::uint32_t type, const std::vector<std::uint8_t>& data) override {
    if (!writable_ || node_->deleted) return false;
    if (auto* entry = node_->FindValue(name)) {
      entry->second = RegValue{type, data};  // keeps the name's first spelling, as Windows does
    } else {
      node_->values.emplace_back(name, RegValue{type, data});
    }
    return true;
  }

  bool DeleteValue(const std::wstring& name) override {
    if (!writable_ || node_->deleted) return false;
    auto& values = node_->values;
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const auto& entry) { return EqualsNoCase(entry.first, name); });
    if (it == values.end()) return false;
    values.erase(it);
    return true;
  }

 private:
  std::shared_ptr<MemoryRegistry::Node> node_;
  bool writable_;
};

}  // namespace

MemoryRegistry::MemoryRegistry() = default;
MemoryRegistry::~MemoryRegistry() = default;

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::Find(RegRoot root, const std::wstring& path,
                                                           bool create) {
  auto& slot = roots_[root];
  if (!slot) slot = std::make_shared<Node>();
  std::shared_ptr<Node> node = slot;
  for (const auto& part : SplitPath(path)) {
    const std::wstring upper = UpperCase(part);
    auto it = node->children.find(upper);
    if (it == node->children.end()) {
      if (!create) return nullptr;
      it = node->children.emplace(upper, std::make_shared<Node>()).first;
      node->childNames[upper] = part;
    }
    node = it->second;
  }
  return node;
}

std::unique_ptr<RegKey> MemoryRegistry::OpenRead(RegRoot root, const std::wstring& path) {
  auto node = Find(root, path, false);
  if (!node) return nullptr;
  return std::make_unique<MemoryKey>(std::move(node), false);
}

std::unique_ptr<RegKey> MemoryRegistry::OpenWrite(RegRoot root, const std::wstring& path) {
  return std::make_unique<MemoryKey>(Find(root, path, true), true);
}

bool MemoryRegistry::DeleteLeafKey(RegRoot root, const std::wstring& path) {
  auto parts = SplitPath(path);
  if (parts.empty()) return false;
  const std::wstring leaf = parts.back();
  parts.pop_back();
  std::wstring parentPath;
  for (const auto& part : parts) parentPath += part + L"\\";
  auto parent = Find(root, parentPath, false);
  if (!parent) return false;
  const std::wstring upper = UpperCase(leaf);
  auto it = parent->children.find(upper);
  if (it == parent->children.end() || !it->second->children.empty()) return false;
  it->second->deleted = true;
  parent->children.erase(it);
  parent->childNames.erase(upper);
  return true;
}

}  // namespace vt
