// The menu "ばね": the windows of the spring kinds beside the compression spring, which stays
// the main window.
#include <QMenuBar>

#include "ui/dialogs/extension_window.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/handler_guard.h"

namespace coilspring {

void MainWindow::BuildSpringMenu() {
  QMenu* springs = menuBar()->addMenu(QStringLiteral("ばね(&S)"));
  springs->setObjectName("SpringMenu");
  QAction* extension = springs->addAction(QStringLiteral("引張コイルばね"));
  extension->setObjectName("ExtensionMenu");
  ConnectGuarded(platform_, this, extension, &QAction::triggered, &MainWindow::OpenExtensionWindow);
  // Without the data files there are no materials to design with.
  connect(springs, &QMenu::aboutToShow, this,
          [this, extension] { extension->setEnabled(StartupCompleted()); });
}

ExtensionWindow* MainWindow::ExtensionSpringWindow() {
  if (extensionWindow_ == nullptr)
    extensionWindow_ = new ExtensionWindow(state_, platform_, units_, this);
  return extensionWindow_;
}

// Not modal, like the design search: the designer keeps both kinds open side by side.
void MainWindow::OpenExtensionWindow() {
  if (!StartupCompleted()) return;
  ExtensionWindow* window = ExtensionSpringWindow();
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace coilspring
