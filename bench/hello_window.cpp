// The yardstick for the calculator's start-up (bench/run.sh): the least a Qt Widgets program with
// the calculator's look has to do to show a window of the calculator's size. It starts as
// app/main.cpp does (application name, font, style, Qt's Japanese texts) and shows one main
// window with a menu bar and one Japanese label, so what the calculator spends beyond this
// program is its own.
//
// With COILSPRING_QUIT_AFTER_FIRST_PAINT set it behaves as the calculator does: it reports the
// time from main() to the first paint of its main window on stderr and quits after that paint.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

#include "ui/platform/first_paint_watch.h"
#include "ui/widgets/look.h"

namespace {

// The calculator's client area.
constexpr int kClientWidth = 817;
constexpr int kClientHeight = 721;

void BuildWindow(QMainWindow& window) {
  window.setWindowTitle(QStringLiteral("圧縮コイルバネ計算"));
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("ファイル"));
  file->addAction(QStringLiteral("読み取り"));
  auto* client = new QWidget(&window);
  client->setFixedSize(kClientWidth, kClientHeight);
  window.setCentralWidget(client);
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);
  auto* label = new QLabel(QStringLiteral("圧縮コイルバネの設計計算"), client);
  label->move(8, 8);
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  coilspring::StartDesktopApplication(app);
  QMainWindow window;
  BuildWindow(window);
  coilspring::FirstPaintWatch watch(window, clock);
  watch.InstallIfAsked(app);
  window.show();
  return QApplication::exec();
}
