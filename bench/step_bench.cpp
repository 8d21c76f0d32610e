// The 3D model: a compression spring with ground ends, swept, cut flat and written as STEP by
// the 3D module, at 10 and at 100 body turns. The cost must grow no faster than the turns.
#include <benchmark/benchmark.h>

#include "core/compression/compression_centre_line.h"
#include "model3d/step_client.h"

namespace {

using namespace coilspring;

void BM_StepExport(benchmark::State& s) {
  DesignRecord r;
  r.EndKind = EndKind::ClosedGround;
  r.WireDiameter = 2;
  r.MeanDiameter = 20;
  r.TotalTurns = static_cast<double>(s.range(0)) + 2;
  r.FreeLength = 4.0 * static_cast<double>(s.range(0)) + 5;
  const CentreLine line = CompressionCentreLine(r, r.FreeLength, false);
  const std::string module = COILSPRING_BIN_DIR "/coilspring-model3d.so";
  model3d::StepText(line, "bench", module);  // the module loaded before timing
  for (auto _ : s) benchmark::DoNotOptimize(model3d::StepText(line, "bench", module));
}
BENCHMARK(BM_StepExport)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
