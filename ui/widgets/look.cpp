#include "ui/widgets/look.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace coilspring {

void ApplyApplicationLook(QApplication& app) {
  QApplication::setStyle(QStringLiteral("Fusion"));
  app.setFont(GothicFont(12));
}

bool InstallJapaneseQtTexts(QApplication& app) {
  static QTranslator qtTexts;
  if (!qtTexts.isEmpty()) return true;
  if (!qtTexts.load(QStringLiteral("qtbase_ja"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  return app.installTranslator(&qtTexts);
}

void StartDesktopApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("バネ計算"));
  ApplyApplicationLook(app);
  InstallJapaneseQtTexts(app);
}

QFont GothicFont(int pixelSize) {
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(pixelSize);
  return font;
}

void SetBoxColour(QWidget* box, const QColor& colour) {
  QPalette p = box->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Base, colour);
    p.setColor(group, QPalette::Button, colour);
  }
  box->setPalette(p);
}

void ShowAsInput(QWidget* box, bool entered) {
  box->setEnabled(entered);
  SetBoxColour(box, entered ? kAqua : QColor(Qt::white));
}

qreal ScreenPixelRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1; }

}  // namespace coilspring
