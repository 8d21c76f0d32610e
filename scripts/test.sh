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

# A real printer queue for the printing test: CUPS with a PDF printer as the default, as root
# only (lpadmin needs it). Anything missing leaves no queue, and that test is skipped.
setup_printer_queue() {
  [ "$(id -u)" -eq 0 ] && [ -x /usr/sbin/cupsd ] && command -v lpadmin >/dev/null || return 0
  if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    /usr/sbin/cupsd || return 0
    # A scheduler started here is stopped again when the tests are over.
    trap 'kill "$(cat /run/cups/cupsd.pid 2>/dev/null)" 2>/dev/null || true' EXIT
  fi
  for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.2; done
  # The queue turns the job into PostScript before cups-pdf makes a PDF of it again. Cairo keeps
  # the text readable there; the default renderers make every glyph a Type 3 picture.
  lpadmin -p coilspring-test -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
    -o pdftops-renderer-default=pdftocairo 2>/dev/null &&
    lpadmin -d coilspring-test 2>/dev/null || return 0
  # cups-pdf writes into the PDF folder of the user's home as the system knows it.
  local home
  home=$(getent passwd "$(id -un)" | cut -d: -f6)
  mkdir -p "$home/PDF"
  export COILSPRING_PRINTED_PDF_DIR="$home/PDF"
}
setup_printer_queue

echo "== tests =="
run_suite "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== tests under AddressSanitizer + UndefinedBehaviorSanitizer =="
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DCOILSPRING_SANITIZE=ON -DCOILSPRING_BENCH=OFF
if [ -x "$top/fuzz/run.sh" ]; then
  echo "== fuzzing =="
  "$top/fuzz/run.sh"
fi
