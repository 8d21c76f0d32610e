// Core timings: what one press of "計算" computes, and the side view and DXF file of a long
// spring, without any window.
#include <benchmark/benchmark.h>

#include "bench_designs.h"
#include "calc/fatigue.h"
#include "calc/spring_calc.h"
#include "drawing/dxf_writer.h"
#include "drawing/recording_canvas.h"
#include "drawing/shape_view_sink.h"

namespace coilspring::bench {
namespace {

void BM_CalculateAndValidate(benchmark::State& s) {
  CalculatorState state = ShippedState();
  DeriveInputsFromRecord(state.current(), state.materials);
  for (auto _ : s) {
    DesignRecord r = state.current();
    CalculateSpring(r, state.materials, state.settings, state.allowable);
    benchmark::DoNotOptimize(ValidateDesign(r, state.allowable));
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
