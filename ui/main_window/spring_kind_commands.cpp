// The menu "ばね": the windows of the spring kinds beside the compression spring, which stays
// the main window, one entry per kind of the UI list of kinds.
#include <QMenuBar>

#include "ui/kinds/kind_windows.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/handler_guard.h"

namespace coilspring {

void MainWindow::BuildSpringMenu() {
  QMenu* springs = menuBar()->addMenu(QStringLiteral("ばね(&S)"));
  springs->setObjectName("SpringMenu");
  std::vector<QAction*> entries;
  for (const KindWindowEntry& entry : KindWindowEntries()) {
    QAction* action = springs->addAction(QString::fromUtf8(InfoOf(entry.kind).japaneseName));
    action->setObjectName(QLatin1String(entry.menuName));
    const SpringKind kind = entry.kind;
    ConnectGuarded(platform_, this, action, &QAction::triggered,
                   [kind](MainWindow* w) { w->OpenKindWindow(kind); });
    entries.push_back(action);
  }
  // Without the data files there are no materials to design with.
  connect(springs, &QMenu::aboutToShow, this, [this, entries] {
    for (QAction* action : entries) action->setEnabled(StartupCompleted());
  });
}

// Made once, on the materials the main window holds; it keeps its design and history while
// it is closed.
SpringKindWindowBase* MainWindow::KindWindow(SpringKind kind) {
  for (const auto& [made, window] : kindWindows_)
    if (made == kind) return window;
  for (const KindWindowEntry& entry : KindWindowEntries()) {
    if (entry.kind != kind) continue;
    SpringKindWindowBase* window = entry.make({state_, platform_, programFolder_}, this);
    kindWindows_.emplace_back(kind, window);
    return window;
  }
  return nullptr;
}

std::vector<SpringKindWindowBase*> MainWindow::SpringKindWindows() const {
  std::vector<SpringKindWindowBase*> made;
  for (const auto& [kind, window] : kindWindows_) made.push_back(window);
  return made;
}

// Not modal, like the design search: the designer keeps the kinds open side by side.
void MainWindow::OpenKindWindow(SpringKind kind) {
  if (!StartupCompleted()) return;
  SpringKindWindowBase* window = KindWindow(kind);
  if (window == nullptr) return;
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace coilspring
