#include "platform/ui/Notebook.h"

#include <stdexcept>

namespace brimdock {

void NotebookPage::Create(Control& notebook, std::string_view name, const Bounds& bounds,
                          Color color) {
  name_ = name;
  CreateContainer(&notebook, name, 0, 0, bounds, color);
}

void Notebook::Create(Control& parent, const Bounds& bounds, Color color,
                      const std::vector<std::string>& pageNames) {
  CreateContainer(&parent, "", WS_VISIBLE, 0, bounds, color);
  for (const auto& name : pageNames) {
    auto page = std::make_unique<NotebookPage>();
    page->Create(*this, name, Bounds{0, 0, bounds.width, bounds.height}, color);
    pages_.push_back(std::move(page));
  }
  if (!pages_.empty()) SetActivePage(pages_.front()->Name());
}

NotebookPage& Notebook::Page(std::string_view name) {
  for (auto& page : pages_) {
    if (page->Name() == name) return *page;
  }
  throw std::out_of_range("No notebook page " + std::string(name));
}

void Notebook::SetActivePage(std::string_view name) {
  NotebookPage* shown = nullptr;
  for (auto& page : pages_) {
    if (page->Name() == name) shown = page.get();
  }
  if (!shown || shown->Name() == active_) return;
  active_ = shown->Name();
  for (auto& page : pages_) {
    if (page.get() != shown) page->SetVisible(false);
  }
  shown->SetVisible(true);
}

}  // namespace brimdock
