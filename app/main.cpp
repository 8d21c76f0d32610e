// coilspring: the compression coil spring calculator.
#include <QApplication>
#include <QElapsedTimer>
#include <QFont>

#include "core/compression/calculator_state.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/first_paint_watch.h"
#include "ui/platform/platform.h"
#include "ui/widgets/widgets.h"

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  coilspring::StartDesktopApplication(app);
  // All state lives for the whole run, as the windows expect.
  static coilspring::CalculatorState state;
  coilspring::MainWindow mainWindow(state, coilspring::DesktopPlatform(),
                                    QCoreApplication::applicationDirPath());
  coilspring::FirstPaintWatch watch(mainWindow, sinceStart);
  watch.InstallIfAsked(app);
  mainWindow.show();
  return QApplication::exec();
}
