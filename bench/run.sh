#!/usr/bin/env bash
# Builds and runs the benchmarks and measures start-up; prints one short table.
#   bench/run.sh [BUILD_DIR]      (default: build-bench in the source tree, a Release build)
# Start-up: the calculator is started offscreen with COILSPRING_QUIT_AFTER_FIRST_PAINT=1, which
# makes it quit right after the first paint of its main window; wall time and peak RSS come
# from /usr/bin/time, the median of 7 runs. Then the start-up comparison with a plain Qt window
# (startup_comparison below).
# Whole process of the CLI: `coilspring-cli calc` on the start-up design and `coilspring-cli
# --version`, each against /bin/true, timed by the shell's clock from fork to exit; the median
# of 101 runs, the three commands taking turns so that a busy moment hits them alike.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-bench}
runs=7

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCOILSPRING_BENCH=ON >/dev/null
cmake --build "$build" -j 2 --target core_bench window_bench step_bench coilspring coilspring-cli \
  program_data >/dev/null

export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
# Qt wants a runtime folder; one made here goes again with the measurements.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="$out/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
trap 'rm -rf "$out"' EXIT
for b in core_bench window_bench step_bench; do
  "$build/bench/$b" --benchmark_repetitions=$runs --benchmark_report_aggregates_only=true \
    --benchmark_format=json >"$out/$b.json" 2>/dev/null
done
for i in $(seq $runs); do
  COILSPRING_QUIT_AFTER_FIRST_PAINT=1 /usr/bin/time -f "%e %M" -o "$out/time.$i" \
    "$build/bin/coilspring" 2>>"$out/paint.log"
done

# Microseconds from before the fork to after the exit of a command, its output thrown away.
process_time() {
  local start=$EPOCHREALTIME end
  "$@" >/dev/null 2>&1 || true
  end=$EPOCHREALTIME
  echo $((${end//[.,]/} - ${start//[.,]/}))
}
design=$top/fuzz/corpus/design_file/startup_history
for i in $(seq 101); do
  process_time "$build/bin/coilspring-cli" calc "$design" >>"$out/process.calc"
  process_time "$build/bin/coilspring-cli" --version >>"$out/process.version"
  process_time /bin/true >>"$out/process.true"
done

/usr/bin/python3 - "$out" <<'PY'
import glob, json, statistics, sys
out = sys.argv[1]
rows = []
for path in sorted(glob.glob(out + "/*.json")):
    for b in json.load(open(path))["benchmarks"]:
        if b.get("aggregate_name") == "median":
            ns = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]] * b["real_time"]
            text = ("%.1f ns" % ns if ns < 1e3 else "%.2f us" % (ns / 1e3) if ns < 1e5
                    else "%.3f ms" % (ns / 1e6))
            rows.append((b["run_name"], text))
times = [open(p).read().split() for p in glob.glob(out + "/time.*")]
wall = statistics.median(float(t[0]) for t in times)
rss = statistics.median(int(t[1]) for t in times)
paints = [int(l.split()[3]) for l in open(out + "/paint.log") if l.startswith("first paint after")]
rows.append(("start-up to first paint (wall, process)", "%.0f ms" % (wall * 1000)))
if paints:
    rows.append(("start-up to first paint (from main)", "%.0f ms" % statistics.median(paints)))
rows.append(("peak RSS at first paint", "%.1f MB" % (rss / 1024)))
process = {name: statistics.median(int(l) for l in open(out + "/process." + name))
           for name in ("calc", "version", "true")}
for name, label in (("calc", "coilspring-cli calc"), ("version", "coilspring-cli --version")):
    rows.append((label + " (whole process)", "%.2f ms (%.1fx /bin/true)"
                 % (process[name] / 1000, process[name] / process["true"])))
rows.append(("/bin/true (whole process)", "%.2f ms" % (process["true"] / 1000)))
width = max(len(r[0]) for r in rows)
print("%-*s  %s" % (width, "benchmark", "median"))
for name, value in rows:
    print("%-*s  %s" % (width, name, value))
PY

# ---- Start-up against a plain Qt window ---------------------------------------------------------
# The calculator and bench/hello_window (a window of the same size and look and nothing else) are
# started in turn, offscreen with COILSPRING_QUIT_AFTER_FIRST_PAINT=1, each once unmeasured and
# then $runs times. CPU (user + sys, every thread) is what each program reports having used when
# its first paint is done, to the microsecond, so the quitting after it is not counted as start-up;
# wall time and peak RSS are each child's own resource usage from wait4(), where /usr/bin/time
# takes them too. Prints the medians and the ratios calculator / hello window.
startup_comparison() {
  cmake --build "$build" -j 2 --target hello_window coilspring program_data >/dev/null
  /usr/bin/python3 - "$build/bin/coilspring" "$build/bench/hello_window" "$runs" <<'PY'
import os, re, statistics, subprocess, sys, threading, time

calculator, hello, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
env = dict(os.environ, COILSPRING_QUIT_AFTER_FIRST_PAINT="1")


def start(program):
    """CPU seconds, wall seconds and peak RSS in KiB of one start up to the first paint."""
    began = time.monotonic()
    child = subprocess.Popen([program], env=env, stdin=subprocess.DEVNULL,
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    # A modal message box never closes offscreen: such a start is stopped, not waited for.
    watchdog = threading.Timer(60, child.kill)
    watchdog.start()
    err = child.stderr.read().decode(errors="replace")
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.monotonic() - began
    watchdog.cancel()
    child.returncode = status
    report = re.search(r"first paint after \d+ ms, CPU ([0-9.]+) ms", err)
    if status != 0 or not report:
        sys.exit("%s did not paint and quit (status %d):\n%s" % (program, status, err))
    return float(report.group(1)) / 1000, wall, usage.ru_maxrss


samples = {calculator: [], hello: []}
for program in samples:
    start(program)
for _ in range(runs):
    for program in samples:
        samples[program].append(start(program))


def median(program, field):
    return statistics.median(s[field] for s in samples[program])


rows = []
for field, what, unit, scale, fmt in ((0, "CPU user+sys", "ms", 1000, "%.1f"),
                                      (1, "wall", "ms", 1000, "%.1f"),
                                      (2, "peak RSS", "MB", 1 / 1024, "%.1f")):
    mine, base = median(calculator, field), median(hello, field)
    rows.append(("start-up %s, calculator" % what, fmt % (mine * scale) + " " + unit))
    rows.append(("start-up %s, hello window" % what, fmt % (base * scale) + " " + unit))
    rows.append(("start-up %s, calculator / hello window" % what, "%.2f" % (mine / base)))
width = max(len(r[0]) for r in rows)
print()
print("%-*s  %s" % (width, "start-up against a plain Qt window", "median"))
for name, value in rows:
    print("%-*s  %s" % (width, name, value))
PY
}
startup_comparison
