// The program's own help window: the help document in a browser of its own, for a desktop that
// cannot open it in a viewer.
#pragma once

#include <QDialog>
#include <QString>

#include "ui/platform/platform.h"

class QTextBrowser;

namespace coilspring {

// Opens help/helphelp.htm of `programFolder` in the desktop's viewer, or where the desktop has
// none, in the program's own help window; never silent: a missing document throws UserError.
void OpenHelpDocument(Platform& platform, QWidget* parent, const QString& programFolder);

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Shows the document (an HTML file) from its beginning; its links and anchors work.
  void ShowDocument(const QString& path);

 private:
  QTextBrowser* browser_;  // HelpBrowser
};

}  // namespace coilspring
