#include "ui/platform/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace coilspring {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("ヘルプ"));
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  // Links to other sites go to the desktop's browser; the document's own links stay here.
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(720, 640);
}

void HelpWindow::ShowDocument(const QString& path) {
  browser_->setSource(QUrl::fromLocalFile(path));
  browser_->home();
  show();
  raise();
  activateWindow();
}

}  // namespace coilspring
