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

// A canvas that only counts what reaches it: the construction and the mapping alone, without
// the memory a recording of 60,000 primitives would take.
class CountingCanvas final : public Canvas {
 public:
  int Width() const override { return 777; }
  int Height() const override { return 201; }
  void SetPenColour(Rgb) override {}
  void SetPenWidth(int) override {}
  void SetPenStyle(PenStyle) override {}
  void SetBrushColour(Rgb) override {}
  void SetFontColour(Rgb) override {}
  void FillRect(int, int, int, int) override { ++count; }
  void Rectangle(int, int, int, int) override { ++count; }
  void MoveTo(int, int) override {}
  void LineTo(int, int) override { ++count; }
  void Arc(int, int, int, int, int, int, int, int) override { ++count; }
  void Polygon(std::span<const PixelPoint>) override { ++count; }
  void TextOut(int, int, std::string_view) override { ++count; }
  long count = 0;
};

// The cost per body turn (items per second) must not grow with the length of the spring.
void BM_SideViewPerTurn(benchmark::State& s) {
  CalculatorState state = ShippedState();
  DesignRecord& r = state.current();
  MakeLongSpring(r, static_cast<int>(s.range(0)));
  for (auto _ : s) {
    CountingCanvas canvas;
    DrawSpringShape(canvas, EndDrawModeOf(r.EndKind), r.WireDiameter, r.MeanDiameter,
                    BodyTurnsOf(r.TotalTurns), r.FreeLength);
    benchmark::DoNotOptimize(canvas.count);
  }
  s.SetItemsProcessed(s.iterations() * s.range(0));
}
BENCHMARK(BM_SideViewPerTurn)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000);

void BM_DxfTextPerTurn(benchmark::State& s) {
  CalculatorState state = ShippedState();
  MakeLongSpring(state.current(), static_cast<int>(s.range(0)));
  for (auto _ : s) benchmark::DoNotOptimize(DesignDxfText(state.current()));
  s.SetItemsProcessed(s.iterations() * s.range(0));
}
BENCHMARK(BM_DxfTextPerTurn)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000);

void BM_ReadMaterialFile(benchmark::State& s) {
  const std::string path = kProgramFolder + "/" + kMaterialFileName;
  MaterialTable table;
  for (auto _ : s) {
    ReadRecordFile(path, table);
    benchmark::DoNotOptimize(table.records.data());
  }
}
BENCHMARK(BM_ReadMaterialFile);

}  // namespace
}  // namespace coilspring::bench

BENCHMARK_MAIN();
