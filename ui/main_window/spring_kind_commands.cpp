// The menu "ばね": the windows of the spring kinds beside the compression spring, which stays
// the main window.
#include <QMenuBar>

#include "ui/dialogs/extension_window.h"
#include "ui/dialogs/torsion_window.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/handler_guard.h"

namespace coilspring {

void MainWindow::BuildSpringMenu() {
  QMenu* springs = menuBar()->addMenu(QStringLiteral("ばね(&S)"));
  springs->setObjectName("SpringMenu");
  QAction* extension = springs->addAction(QStringLiteral("引張コイルばね"));
  extension->setObjectName("ExtensionMenu");
  ConnectGuarded(platform_, this, extension, &QAction::triggered, &MainWindow::OpenExtensionWindow);
  QAction* torsion = springs->addAction(QStringLiteral("ねじりコイルばね"));
  torsion->setObjectName("TorsionMenu");
  ConnectGuarded(platform_, this, torsion, &QAction::triggered, &MainWindow::OpenTorsionWindow);
  // Without the data files there are no materials to design with.
  connect(springs, &QMenu::aboutToShow, this, [this, extension, torsion] {
    extension->setEnabled(StartupCompleted());
    torsion->setEnabled(StartupCompleted());
  });
}

ExtensionWindow* MainWindow::ExtensionSpringWindow() {
  if (extensionWindow_ == nullptr)
    extensionWindow_ = new ExtensionWindow(state_, platform_, units_, this);
  return extensionWindow_;
}

// Made once, on the materials the main window holds; it keeps its design and history while
// it is closed.
TorsionWindow* MainWindow::TorsionSpringWindow() {
  if (torsionWindow_ != nullptr) return torsionWindow_;
  torsionWindow_ = new TorsionWindow(state_.materials(), state_.kinds, platform_, units_, this);
  torsionWindow_->setWindowFlag(Qt::Window);
  return torsionWindow_;
}

std::vector<SpringKindWindowBase*> MainWindow::SpringKindWindows() const {
  std::vector<SpringKindWindowBase*> made;
  if (extensionWindow_ != nullptr) made.push_back(extensionWindow_);
  if (torsionWindow_ != nullptr) made.push_back(torsionWindow_);
  return made;
}

namespace {

// Not modal, like the design search: the designer keeps the kinds open side by side.
void BringUp(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

void MainWindow::OpenExtensionWindow() {
  if (StartupCompleted()) BringUp(ExtensionSpringWindow());
}

void MainWindow::OpenTorsionWindow() {
  if (StartupCompleted()) BringUp(TorsionSpringWindow());
}

}  // namespace coilspring
