// Core timings: what one press of "計算" computes, and the side view and DXF file of a long
// spring, without any window.
#include <benchmark/benchmark.h>

#include "bench_designs.h"
#include "core/calc/fatigue.h"
#include "core/compression/calculate_cycle.h"
#include "core/compression/compression_search.h"
#include "core/compression/design_dxf.h"
#include "core/compression/design_fatigue.h"
#include "core/compression/shape_view.h"
#include "core/compression/spring_calc.h"
#include "core/conical/conical_calc.h"
#include "core/drawing/dxf_writer.h"
#include "core/drawing/shape_view_sink.h"
#include "core/extension/extension_search.h"
#include "core/extension/extension_shape.h"
#include "core/torsion/torsion_search.h"
#include "support/extension_example.h"
#include "support/recording_canvas.h"
#include "support/torsion_example.h"

namespace coilspring::bench {
namespace {

// The free lengths the calculation benchmarks walk through, so that no two calls in a row
// calculate the same design.
double NextFreeLength(double length) { return length < 30 ? length + 0.1 : 25; }

// What one press of "計算" computes on the start-up design: RecalculateDesign with its check
// lines, on a state whose materials have not changed since the last press.
void BM_CalculateAndValidate(benchmark::State& s) {
  CalculatorState state = ShippedState();
  DesignRecord& r = state.current();
  DeriveInputsFromRecord(r, state.materials());
  for (auto _ : s) {
    benchmark::DoNotOptimize(RecalculateDesign(state, 0, DesignInputs::AsEntered));
    r.FreeLength = NextFreeLength(r.FreeLength);
  }
}
BENCHMARK(BM_CalculateAndValidate);

// The other kinds' "計算" on their worked examples, the material prepared once as the compression
// spring's is: the calculation with its checks. Each should stay within a small multiple of
// BM_CalculateAndValidate.
void BM_ExtensionCalculation(benchmark::State& s) {
  ExtensionExample x;
  const PreparedMaterial material = PrepareMaterial(x.material);
  for (auto _ : s) {
    benchmark::DoNotOptimize(CalculateExtension(x.design, material, x.settings).faults);
    x.design.FreeLength = NextFreeLength(x.design.FreeLength);
  }
}
BENCHMARK(BM_ExtensionCalculation);

void BM_TorsionCalculation(benchmark::State& s) {
  MaterialTable materials;
  TorsionDesign t;
  SetUpTorsionExample(materials, t);
  const PreparedMaterial material = PrepareMaterial(materials[0]);
  for (auto _ : s) {
    CalculateTorsion(t, material);
    benchmark::DoNotOptimize(CheckTorsion(t, material).failed);
    t.Angle2 = t.Angle2 < 70 ? t.Angle2 + 0.1 : 60;
  }
}
BENCHMARK(BM_TorsionCalculation);

// The conical spring's start-up design (material 0 of the shipped database), its L2 in the
// progressive part, so that every press finds one load on the curve by bisection.
void BM_ConicalCalculation(benchmark::State& s) {
  const CalculatorState state = ShippedState();
  ConicalDesign r;
  const PreparedMaterial material = PrepareMaterial(state.materials()[0]);
  for (auto _ : s) {
    benchmark::DoNotOptimize(CalculateConical(r, material, state.settings).faults);
    r.FreeLength = NextFreeLength(r.FreeLength);
  }
}
BENCHMARK(BM_ConicalCalculation);

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
    DrawSpringShape(canvas, ShapeInputsOf(r, r.FreeLength));
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
    DrawSpringShape(canvas, ShapeInputsOf(r, r.FreeLength));
    benchmark::DoNotOptimize(canvas.count);
  }
  s.SetItemsProcessed(s.iterations() * s.range(0));
}
BENCHMARK(BM_SideViewPerTurn)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000);

// The extension spring's side view the same way: the cost per body turn must stay flat.
void BM_ExtensionShapePerTurn(benchmark::State& s) {
  ExtensionExample x;
  x.design.TotalTurns = static_cast<double>(s.range(0));
  x.Calculate();
  x.design.FreeLength = StandardFreeLength(x.design);
  for (auto _ : s) {
    CountingCanvas canvas;
    DrawExtensionShape(canvas, x.design, x.design.FreeLength);
    benchmark::DoNotOptimize(canvas.count);
  }
  s.SetItemsProcessed(s.iterations() * s.range(0));
}
BENCHMARK(BM_ExtensionShapePerTurn)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000);

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

// One design as the search calculates it: the material's stress table built once beforehand,
// then the calculation, the checks (as fault bits, no text) and the life class.
void BM_DesignCalculation(benchmark::State& s) {
  CalculatorState state = ShippedState();
  DeriveInputsFromRecord(state.current(), state.materials());
  PreparedMaterial prepared = PrepareMaterial(state.currentMaterial());
  PrepareCompressionAllowable(prepared, state.settings);
  DesignRecord r = state.current();
  for (auto _ : s) {
    CalculateSpring(r, prepared, state.settings);
    benchmark::DoNotOptimize(CheckDesign(r, PreparedCovers(prepared, r)));
    DetermineLifeClass(r, state.materials());
    benchmark::DoNotOptimize(r.LifeClass);
    r.FreeLength = NextFreeLength(r.FreeLength);
  }
}
BENCHMARK(BM_DesignCalculation);

// The whole shipped database, every end form, mean diameters 1 to 100 mm, on every core.
void BM_SearchWholeDatabase(benchmark::State& s) {
  const CalculatorState state = ShippedState();
  SearchRequirements q;
  q.P1 = 20;
  q.L1 = 40;
  q.P2 = 60;
  q.L2 = 30;
  q.meanDiameter = ValueRange{1, 100};
  std::int64_t evaluated = 0;
  for (auto _ : s) {
    const SearchResult result = SearchDesigns(q, state.materials(), state.settings);
    evaluated = result.evaluated;
    benchmark::DoNotOptimize(result.candidates.data());
  }
  s.counters["candidates"] = static_cast<double>(evaluated);
}
BENCHMARK(BM_SearchWholeDatabase)->Unit(benchmark::kMillisecond)->UseRealTime();

// The other kinds' searches over the whole shipped database, default index range, the same
// loads over the same stroke: one hook form; given legs. "per_candidate" compares them with the
// compression search's time per candidate.
template <class Search>
void SearchBenchmark(benchmark::State& s, Search&& search) {
  std::int64_t evaluated = 0;
  for (auto _ : s) {
    const auto result = search();
    evaluated = result.evaluated;
    benchmark::DoNotOptimize(result.candidates.data());
  }
  s.counters["candidates"] = static_cast<double>(evaluated);
  s.counters["per_candidate"] = benchmark::Counter(
      static_cast<double>(evaluated),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_SearchExtensionWholeDatabase(benchmark::State& s) {
  const CalculatorState state = ShippedState();
  ExtensionRequirements q;
  q.P1 = 20;
  q.L1 = 40;
  q.P2 = 60;
  q.L2 = 50;
  SearchBenchmark(s, [&] { return SearchDesigns(q, state.materials(), state.settings); });
}
BENCHMARK(BM_SearchExtensionWholeDatabase)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SearchTorsionWholeDatabase(benchmark::State& s) {
  const CalculatorState state = ShippedState();
  TorsionRequirements q;
  q.M1 = 200;
  q.M2 = 800;
  q.stroke = 60;
  q.Leg1 = 25;
  q.Leg2 = 25;
  SearchBenchmark(s, [&] { return SearchDesigns(q, state.materials()); });
}
BENCHMARK(BM_SearchTorsionWholeDatabase)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace coilspring::bench

BENCHMARK_MAIN();
