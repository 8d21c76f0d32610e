#include "ui/platform/help_window.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/text/user_error.h"
#include "ui/platform/window_place.h"

namespace coilspring {

void OpenHelpDocument(Platform& platform, QWidget* parent, const QString& programFolder) {
  const QString document = programFolder + QStringLiteral("/help/helphelp.htm");
  if (!QFileInfo(document).isFile()) throw UserError(CannotOpenMessage(document.toStdString()));
  if (!platform.OpenDocument(document)) platform.ShowHelpWindow(parent, document);
}

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
  KeepWindowPlace(this);
}

void HelpWindow::ShowDocument(const QString& path) {
  browser_->setSource(QUrl::fromLocalFile(path));
  browser_->home();
  show();
  raise();
  activateWindow();
}

}  // namespace coilspring
