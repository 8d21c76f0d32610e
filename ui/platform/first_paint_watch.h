// Start-up measurement (bench/run.sh): with COILSPRING_QUIT_AFTER_FIRST_PAINT set, a program
// reports the time from main() to the first paint of its main window, and the CPU time the
// process has used by then, on stderr and quits as soon as that paint is done. The CPU is taken
// at the paint, so the quitting that follows is not counted as start-up. The calculator and the plain window it is measured against share it,
// so both are timed alike. Header only: the plain window links no part of the calculator.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <sys/resource.h>

#include <cstdio>

namespace coilspring {

class FirstPaintWatch : public QObject {
 public:
  FirstPaintWatch(const QWidget& window, const QElapsedTimer& sinceStart)
      : window_(window), sinceStart_(sinceStart) {}

  // Watches the application's paints, when the environment asks for the measurement.
  void InstallIfAsked(QApplication& app) {
    if (qEnvironmentVariableIsSet("COILSPRING_QUIT_AFTER_FIRST_PAINT")) app.installEventFilter(this);
  }

  bool eventFilter(QObject* target, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Paint && target->isWidgetType() &&
        static_cast<QWidget*>(target)->window() == &window_) {
      seen_ = true;
      // Once the paint itself has finished.
      QMetaObject::invokeMethod(qApp, [this] { ReportAndQuit(); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void ReportAndQuit() const {
    std::fprintf(stderr, "first paint after %lld ms, CPU %.3f ms\n",
                 static_cast<long long>(sinceStart_.elapsed()), ProcessCpuMilliseconds());
    QCoreApplication::quit();
  }

  // User and system time of every thread of the process so far.
  static double ProcessCpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
  }

  const QWidget& window_;
  const QElapsedTimer& sinceStart_;
  bool seen_ = false;
};

}  // namespace coilspring
