// Window timings, offscreen: the fatigue diagram and the side view painted on a QImage, and the
// whole "計算" handler of the main window including the repaint it causes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "ui/platform/platform.h"
#include "ui/platform/widgets.h"
#include "ui/main_window/main_window.h"
#include "bench_designs.h"
#include "core/drawing/fatigue_diagram.h"
#include "ui/platform/qt_canvas.h"
#include "core/drawing/shape_view_sink.h"

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
    DrawSpringShape(canvas, EndDrawModeOf(r.EndKind), r.WireDiameter, r.MeanDiameter,
                    BodyTurnsOf(r.TotalTurns), r.FreeLength);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_SideView60TurnsOnQImage)->Unit(benchmark::kMicrosecond);

// The main window on the shipped program folder, shown offscreen.
class CalculatorWindow {
 public:
  CalculatorWindow() : window_(state_, DesktopPlatform(), QString::fromStdString(kProgramFolder)) {
    window_.CreateSecondaryWindows();
    window_.show();
    QApplication::processEvents();
  }
  Tf_atu& window() { return window_; }

 private:
  CalculatorState state_;
  Tf_atu window_;
};

void BM_CalculateHandler(benchmark::State& s) {
  CalculatorWindow w;
  for (auto _ : s) w.window().BitBtn2Click();
}
BENCHMARK(BM_CalculateHandler)->Unit(benchmark::kMillisecond);

void BM_CalculateHandlerWithRepaint(benchmark::State& s) {
  CalculatorWindow w;
  for (auto _ : s) {
    w.window().BitBtn2Click();
    w.window().repaint();  // what the user waits for: the window painted with the results
  }
}
BENCHMARK(BM_CalculateHandlerWithRepaint)->Unit(benchmark::kMillisecond);

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
