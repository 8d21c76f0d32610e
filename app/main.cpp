// coilspring: the compression coil spring calculator.
#include <QApplication>
#include <QFont>

#include "app/calculator_state.h"
#include "app/platform.h"
#include "app/tf_atu_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("バネ計算"));
  coilspring::ApplyApplicationLook(app);
  // All state lives for the whole run, as the windows expect.
  static coilspring::CalculatorState state;
  coilspring::Tf_atu mainWindow(state, coilspring::DesktopPlatform(),
                                QCoreApplication::applicationDirPath());
  mainWindow.CreateSecondaryWindows();
  mainWindow.show();
  return QApplication::exec();
}
