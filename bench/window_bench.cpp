// Window timings, offscreen: the fatigue diagram and the side view painted on a QImage, and the
// whole "計算" handler of the main window including the repaint it causes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <cstdlib>
#include <memory>

#include "bench_designs.h"
#include "core/compression/shape_view.h"
#include "core/drawing/fatigue_diagram.h"
#include "core/drawing/shape_view_sink.h"
#include "ui/kinds/kind_windows.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/platform.h"
#include "ui/render/qt_canvas.h"
#include "ui/widgets/widgets.h"

namespace coilspring::bench {
namespace {

void BM_FatigueDiagramOnQImage(benchmark::State& s) {
  QImage image(kFatigueDiagramWidth, kFatigueDiagramHeight, QImage::Format_RGB32);
  for (auto _ : s) {
    QtCanvas canvas(image);
    benchmark::DoNotOptimize(DrawFatigueDiagram(canvas, true, 0.2, 0.38));
  }
}
BENCHMARK(BM_FatigueDiagramOnQImage)->Unit(benchmark::kMicrosecond);

void BM_SideView60TurnsOnQImage(benchmark::State& s) {
  CalculatorState state = ShippedState();
  DesignRecord& r = state.current();
  MakeSixtyTurnSpring(r);
  QImage image(777, 201, QImage::Format_RGB32);
  for (auto _ : s) {
    QtCanvas canvas(image);
    DrawSpringShape(canvas, ShapeInputsOf(r, r.FreeLength));
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_SideView60TurnsOnQImage)->Unit(benchmark::kMicrosecond);

// The main window on the shipped program folder, shown offscreen, and its "計算" button.
class CalculatorWindow {
 public:
  CalculatorWindow() : window_(state_, DesktopPlatform(), QString::fromStdString(kProgramFolder)) {
    window_.show();
    QApplication::processEvents();
    calculateButton_ = window_.findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    if (calculateButton_ == nullptr) std::abort();
  }
  MainWindow& window() { return window_; }
  // Runs the handler as a click does, without the mouse events around it.
  void Calculate() { calculateButton_->click(); }
  // Types a number of total turns as the user would before pressing "計算".
  void EnterTotalTurns(const QString& turns) {
    window_.findChild<QLineEdit*>(QStringLiteral("Edit19"))->setText(turns);
  }

 private:
  CalculatorState state_;
  MainWindow window_;
  QPushButton* calculateButton_ = nullptr;
};

void BM_CalculateHandler(benchmark::State& s) {
  CalculatorWindow w;
  for (auto _ : s) w.Calculate();
}
BENCHMARK(BM_CalculateHandler)->Unit(benchmark::kMillisecond);

// The same with a design that changes on every press, so the side view, the marker and the
// results are all drawn anew.
void BM_CalculateHandlerChangedDesign(benchmark::State& s) {
  CalculatorWindow w;
  bool odd = false;
  for (auto _ : s) {
    w.EnterTotalTurns((odd = !odd) ? QStringLiteral("10") : QStringLiteral("12"));
    w.Calculate();
  }
}
BENCHMARK(BM_CalculateHandlerChangedDesign)->Unit(benchmark::kMillisecond);

void BM_CalculateHandlerWithRepaint(benchmark::State& s) {
  CalculatorWindow w;
  for (auto _ : s) {
    w.Calculate();
    w.window().repaint();  // what the user waits for: the window painted with the results
  }
}
BENCHMARK(BM_CalculateHandlerWithRepaint)->Unit(benchmark::kMillisecond);

// The "計算" handler of each further kind's window (the argument: its place in the UI list of
// kinds, 0 the extension spring, 1 the torsion spring, 2 the conical spring) on its start-up
// design, to set beside the main window's.
void BM_KindWindowCalculateHandler(benchmark::State& s) {
  const CalculatorState state = ShippedState();
  const KindWindowEntry& entry = KindWindowEntries()[static_cast<std::size_t>(s.range(0))];
  const std::unique_ptr<SpringKindWindowBase> window(
      entry.make({state, DesktopPlatform(), QString::fromStdString(kProgramFolder)}, nullptr));
  window->show();
  QApplication::processEvents();
  auto* calculate = window->findChild<QPushButton*>(QStringLiteral("calculateButton"));
  if (calculate == nullptr) std::abort();
  for (auto _ : s) calculate->click();
}
BENCHMARK(BM_KindWindowCalculateHandler)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace coilspring::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  coilspring::ApplyApplicationLook(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
