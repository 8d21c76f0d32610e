// A page of a tab widget whose controls are made when the user first turns to it: a start-up
// builds only what it shows.
#pragma once

#include <QTabWidget>
#include <QWidget>

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

}  // namespace coilspring
