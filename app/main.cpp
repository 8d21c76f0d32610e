// coilspring: the compression coil spring calculator.
#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <cstdio>

#include "core/calc/calculator_state.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/platform.h"
#include "ui/widgets/widgets.h"

namespace {

// Start-up measurement (bench/run.sh): with COILSPRING_QUIT_AFTER_FIRST_PAINT set, the program
// reports the time from main() to the first paint of the main window on stderr and quits as
// soon as that paint is done. The program itself has no options; this is for measuring only.
class QuitAfterFirstPaint : public QObject {
 public:
  QuitAfterFirstPaint(QWidget* window, const QElapsedTimer& sinceStart)
      : window_(window), sinceStart_(sinceStart) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_ && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_) {
      done_ = true;
      QMetaObject::invokeMethod(
          qApp,
          [this] {
            std::fprintf(stderr, "first paint after %lld ms\n",
                         static_cast<long long>(sinceStart_.elapsed()));
            QCoreApplication::quit();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QWidget* window_;
  const QElapsedTimer& sinceStart_;
  bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("バネ計算"));
  coilspring::ApplyApplicationLook(app);
  coilspring::InstallJapaneseQtTexts(app);
  // All state lives for the whole run, as the windows expect.
  static coilspring::CalculatorState state;
  coilspring::MainWindow mainWindow(state, coilspring::DesktopPlatform(),
                                    QCoreApplication::applicationDirPath());
  QuitAfterFirstPaint quitter(&mainWindow, sinceStart);
  if (qEnvironmentVariableIsSet("COILSPRING_QUIT_AFTER_FIRST_PAINT"))
    app.installEventFilter(&quitter);
  mainWindow.show();
  return QApplication::exec();
}
