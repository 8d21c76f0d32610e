#!/usr/bin/env bash
# Builds coilspring (installing what is missing) and runs every test headless: the unit, window,
# CLI and DXF read-back tests in a normal build, the same again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the fuzz targets over their corpora for a bounded time.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/coilspring-runtime-XXXXXX)}
chmod 700 "$XDG_RUNTIME_DIR"
jobs=$(nproc)

run_suite() {  # build folder, extra cmake options...
  local dir=$1; shift
  cmake -S "$top" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "== tests =="
run_suite "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== tests under AddressSanitizer + UndefinedBehaviorSanitizer =="
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DCOILSPRING_SANITIZE=ON -DCOILSPRING_BENCH=OFF
if [ -x "$top/fuzz/run.sh" ]; then
  echo "== fuzzing =="
  "$top/fuzz/run.sh"
fi
