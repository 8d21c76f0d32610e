// The menu "ばね" → "ねじりコイルばね": the torsion spring window beside the main window.
#include "ui/dialogs/torsion_window.h"
#include "ui/main_window/main_window.h"

namespace coilspring {

// Made once, on the materials the main window holds; it keeps its design and history while
// it is closed.
TorsionWindow* MainWindow::TorsionSpringWindow() {
  if (torsionWindow_ != nullptr) return torsionWindow_;
  torsionWindow_ = new TorsionWindow(state_.materials(), state_.kinds, platform_, units_, this);
  torsionWindow_->setWindowFlag(Qt::Window);
  return torsionWindow_;
}

void MainWindow::OpenTorsionWindow() {
  TorsionWindow* window = TorsionSpringWindow();
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace coilspring
