#!/usr/bin/env bash
# Builds the fuzz targets with clang + libFuzzer + ASan + UBSan and runs each over its seed
# corpus for a bounded time. Any crash, sanitizer report, leak, timeout or broken property
# fails the run; libFuzzer leaves the input as <build>/artifacts/<target>-crash-*.
#   COILSPRING_FUZZ_SECONDS  time per target (default 50)
#   COILSPRING_FUZZ_BUILD    build folder (default build-fuzz in the source tree)
#   COILSPRING_FUZZ_TARGETS  targets to run (default all), e.g. "pipeline number_format"
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=${COILSPRING_FUZZ_BUILD:-$top/build-fuzz}
seconds=${COILSPRING_FUZZ_SECONDS:-50}
targets=${COILSPRING_FUZZ_TARGETS:-"design_file material_file settings_file pipeline number_format text_table requirements_json design_json design_validation extension_json torsion_json conical_json"}

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build" -j "$(nproc)"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/artifacts"
status=0
for t in $targets; do
  # New inputs go to the build folder's corpus; the committed seeds are only read.
  work="$build/corpus/$t"
  mkdir -p "$work"
  echo "-- fuzzing $t for ${seconds}s"
  if ! "$build/${t}_fuzz" "$work" "$here/corpus/$t" -max_total_time="$seconds" -timeout=10 \
       -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
       -artifact_prefix="$build/artifacts/$t-" >"$build/$t.log" 2>&1; then
    echo "FAILED: $t (log $build/$t.log)"
    tail -40 "$build/$t.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|cov:" "$build/$t.log" | tail -2
  fi
done
exit $status
