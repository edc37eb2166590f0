#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Container.h"

namespace brimdock {

// One page of a notebook: a container that fills it.
class NotebookPage : public Container {
 public:
  void Create(Control& notebook, std::string_view name, const Bounds& bounds, Color color);
  [[nodiscard]] const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

// A set of pages, addressed by fixed names, of which one shows at a time.
class Notebook : public Container {
 public:
  void Create(Control& parent, const Bounds& bounds, Color color,
              const std::vector<std::string>& pageNames);
  [[nodiscard]] NotebookPage& Page(std::string_view name);
  [[nodiscard]] const std::string& ActivePage() const { return active_; }
  // Shows the named page; an unknown name changes nothing.
  void SetActivePage(std::string_view name);

 private:
  std::vector<std::unique_ptr<NotebookPage>> pages_;
  std::string active_;
};

}  // namespace brimdock
