// A registry tree held in memory. It follows the Windows rules that callers can
// observe: key and value names compare without regard to letter case, subkeys
// enumerate in sorted order, values in the order they were first written, and a
// key with subkeys cannot be deleted in one step.
#pragma once

#include <map>
#include <memory>

#include "core/registry.h"

namespace vt {

class MemoryRegistry final : public Registry {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;

  std::unique_ptr<RegKey> OpenRead(RegRoot root, const std::wstring& path) override;
  std::unique_ptr<RegKey> OpenWrite(RegRoot root, const std::wstring& path) override;
  bool DeleteLeafKey(RegRoot root, const std::wstring& path) override;

  struct Node;

 private:
  std::shared_ptr<Node> Find(RegRoot root, const std::wstring& path, bool create);
  std::map<RegRoot, std::shared_ptr<Node>> roots_;  // open keys share their node
};

}  // namespace vt
