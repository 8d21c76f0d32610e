// A page of a tab widget whose controls are made when the user first turns to it: a start-up
// builds only what it shows.
#pragma once

#include <QObject>
#include <QTabWidget>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

namespace coilspring {

class LazyPage : public QWidget {
 public:
  using QWidget::QWidget;

  void EnsureBuilt() {
    if (built_) return;
    built_ = true;
    Build();
    // Widgets made inside a page already on screen stay hidden until they are shown themselves.
    if (isVisible())
      for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->show();
  }
  bool IsBuilt() const { return built_; }

  // Builds each lazy page of `pages` when it becomes the current page.
  static void BuildOnFirstShow(QTabWidget* pages) {
    QObject::connect(pages, &QTabWidget::currentChanged, pages, [pages](int index) {
      if (auto* page = dynamic_cast<LazyPage*>(pages->widget(index))) page->EnsureBuilt();
    });
  }

 protected:
  virtual void Build() = 0;

 private:
  bool built_ = false;
};

// The pages of a tab widget that show the design: after a change only the page on screen is
// drawn again; each other page is drawn when the user turns to it, and only if it missed a
// change. A calculation then costs what the user sees.
class StalePages final : public QObject {
 public:
  explicit StalePages(QTabWidget* pages) : QObject(pages), pages_(pages) {
    connect(pages, &QTabWidget::currentChanged, this, [this](int) { ShowCurrent(); });
  }

  // `show` draws `page` (a page of the tab widget) from the design.
  void Add(QWidget* page, std::function<void()> show) {
    entries_.push_back({page, std::move(show), true});
  }
  // The design changed: the page on screen shows it now, the others when turned to.
  void DesignChanged() {
    for (Entry& e : entries_) e.stale = true;
    ShowCurrent();
  }

 private:
  struct Entry {
    QWidget* page;
    std::function<void()> show;
    bool stale;
  };

  void ShowCurrent() {
    for (Entry& e : entries_)
      if (e.stale && e.page == pages_->currentWidget()) {
        e.stale = false;
        e.show();
      }
  }

  QTabWidget* pages_;
  std::vector<Entry> entries_;
};

}  // namespace coilspring
