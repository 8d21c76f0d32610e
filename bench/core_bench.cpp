// Core timings: what one press of "計算" computes, and the side view and DXF file of a long
// spring, without any window.
#include <benchmark/benchmark.h>

#include "bench_designs.h"
#include "core/calc/calculate_cycle.h"
#include "core/calc/fatigue.h"
#include "core/calc/spring_calc.h"
#include "core/drawing/dxf_writer.h"
#include "support/recording_canvas.h"
#include "core/drawing/shape_view_sink.h"

namespace coilspring::bench {
namespace {

void BM_CalculateAndValidate(benchmark::State& s) {
  CalculatorState state = ShippedState();
  DeriveInputsFromRecord(state.current(), state.materials);
  const DesignRecord entered = state.current();
  for (auto _ : s) {
    state.current() = entered;
    benchmark::DoNotOptimize(RecalculateDesign(state, 0, DesignInputs::AsEntered));
  }
}
BENCHMARK(BM_CalculateAndValidate);

void BM_LifeClassOf(benchmark::State& s) {
  double x = 0.05;
  for (auto _ : s) {
    benchmark::DoNotOptimize(LifeClassOf(x, 0.38));
    x = x < 0.3 ? x + 0.001 : 0.05;  // walk across the lines, not one cached branch
  }
}
BENCHMARK(BM_LifeClassOf);

void BM_SideView60Turns(benchmark::State& s) {
  CalculatorState state = ShippedState();
  DesignRecord& r = state.current();
  MakeSixtyTurnSpring(r);
  for (auto _ : s) {
    RecordingCanvas canvas(777, 201);
    DrawSpringShape(canvas, EndDrawModeOf(r.EndKind), r.WireDiameter, r.MeanDiameter,
                    BodyTurnsOf(r.TotalTurns), r.FreeLength);
    benchmark::DoNotOptimize(canvas.primitives.data());
  }
}
BENCHMARK(BM_SideView60Turns);

void BM_DxfText60Turns(benchmark::State& s) {
  CalculatorState state = ShippedState();
  MakeSixtyTurnSpring(state.current());
  for (auto _ : s) benchmark::DoNotOptimize(DesignDxfText(state.current()));
}
BENCHMARK(BM_DxfText60Turns);

}  // namespace
}  // namespace coilspring::bench

BENCHMARK_MAIN();
