#!/usr/bin/env bash
# Measures the program's start-up against the floor, a bare Qt Widgets program
# with a main window and a menu bar, side by side in one run: instructions
# (callgrind), wall time (hyperfine) and peak resident memory (/usr/bin/time),
# each from process start to the first paint of the window and the end right
# after it. Prints the three ratios program / floor against their bounds.
#
# Usage: scripts/measure-startup.sh
# Environment:
#   BUILD_DIR     release build folder (default build/release, the release preset's);
#                 configured and built here if the benchmark programs are missing or stale
#   RUNS          hyperfine runs of each program (default 40, at least 30)
#   ROUNDS        hyperfine rounds that alternate the two programs (default 4)
#   RSS_RUNS      /usr/bin/time runs of each program (default 9)
#   CALLGRIND_RUNS  callgrind runs of each program (default 5)
#   KEEP          folder that keeps the raw outputs (default: a temporary folder)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build/release}
runs=${RUNS:-40}
rounds=${ROUNDS:-4}
rss_runs=${RSS_RUNS:-9}
callgrind_runs=${CALLGRIND_RUNS:-5}

# Bounds against regressions, program / floor; not targets to chase. The wall
# time has none: it follows the instructions and the machine's load.
goal_instructions=1.60
goal_wall=inf
goal_rss=1.10

for tool in hyperfine valgrind callgrind_annotate /usr/bin/time python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "measure-startup: $tool is missing; run scripts/install-deps.sh" >&2
        exit 1
    fi
done
if [ "$runs" -lt 30 ]; then
    echo "measure-startup: RUNS must be at least 30" >&2
    exit 1
fi

# Build (a no-op when nothing changed). The release preset's folder is made
# with the preset; any other folder gets the same cache variables.
if [ "$build_dir" = build/release ]; then
    [ -f "$build_dir/CMakeCache.txt" ] || cmake --preset release >/dev/null
else
    [ -f "$build_dir/CMakeCache.txt" ] || cmake --preset release -B "$build_dir" >/dev/null
fi
cmake --build "$build_dir" -j "$(nproc)" --target bench_floor bench_startup skyvarre >/dev/null

floor=$(realpath "$build_dir/bench/floor/bench_floor")
startup=$(realpath "$build_dir/bench/startup/bench_startup")

out=${KEEP:-$(mktemp -d)}
mkdir -p "$out"
# Every run gets a fresh per-user configuration and runtime folder, so that the
# program's first start writes its settings file and takes its lock file.
# The runtime folder is on a tmpfs where there is one, as a desktop session's
# is; the configuration folder is on the disk, as the user's is.
fresh="$out/fresh"
runtime_parent=$out
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    runtime_parent=$(mktemp -d /dev/shm/measure-startup.XXXXXX)
    trap 'rm -rf "$runtime_parent"' EXIT
fi
runtime="$runtime_parent/runtime"
prepare="rm -rf '$fresh' '$runtime' && mkdir -p '$fresh/config' && mkdir -m 700 '$runtime'"

export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$fresh/config"
export XDG_RUNTIME_DIR="$runtime"
# Both programs see the same environment; the caller's scale, font and style
# overrides would weigh on the larger window more than on the floor's.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_STYLE_OVERRIDE

run_fresh() {
    bash -c "$prepare"
    "$@"
}

echo "measure-startup: raw outputs in $out"
echo "measure-startup: load before measuring: $(cut -d' ' -f1-3 /proc/loadavg)"

# Instructions: callgrind counts every instruction of the process, the dynamic
# loader included. The program's count varies by about 0.4 million between
# runs: the start-up draws which promotional label lies in front, and the two
# differ in text to lay out and paint. The median is taken.
instructions() {
    local name=$1 program=$2
    run_fresh valgrind --tool=callgrind --callgrind-out-file="$out/$name.callgrind" \
        "$program" >/dev/null 2>"$out/$name.callgrind.log"
    sed -n 's/^summary: \([0-9]*\).*/\1/p' "$out/$name.callgrind"
}
floor_ir=()
startup_ir=()
for i in $(seq "$callgrind_runs"); do
    floor_ir+=("$(instructions "floor.$i" "$floor")")
    startup_ir+=("$(instructions "startup.$i" "$startup")")
done

# Wall time: hyperfine, the two programs alternating round by round; every
# run's time is pooled and the median taken.
per_round=$(((runs + rounds - 1) / rounds))
for round in $(seq "$rounds"); do
    hyperfine --shell=none --warmup 3 --runs "$per_round" \
        --prepare "bash -c \"$prepare\"" --command-name floor "$floor" \
        --prepare "bash -c \"$prepare\"" --command-name startup "$startup" \
        --export-json "$out/hyperfine.$round.json" --style basic >"$out/hyperfine.$round.txt" 2>&1
done

# Peak resident memory: /usr/bin/time -v, the two programs alternating.
peak_rss() {
    run_fresh /usr/bin/time -v "$1" 2>&1 >/dev/null |
        sed -n 's/.*Maximum resident set size (kbytes): \([0-9]*\)/\1/p'
}
floor_rss=()
startup_rss=()
for i in $(seq "$rss_runs"); do
    floor_rss+=("$(peak_rss "$floor")")
    startup_rss+=("$(peak_rss "$startup")")
done

python3 - "$out" "$goal_instructions" "$goal_wall" "$goal_rss" \
    "${floor_ir[*]}" "${startup_ir[*]}" "${floor_rss[*]}" "${startup_rss[*]}" <<'EOF'
import glob, json, statistics, sys

out, goal_ir, goal_wall, goal_rss = sys.argv[1], *map(float, sys.argv[2:5])
floor_ir, startup_ir, floor_rss, startup_rss = (
    [int(value) for value in argument.split()] for argument in sys.argv[5:9])

times = {"floor": [], "startup": []}
for path in sorted(glob.glob(f"{out}/hyperfine.*.json")):
    for result in json.load(open(path))["results"]:
        times[result["command"]] += result["times"]

def line(what, floor, program, unit, goal, scale=1.0):
    ratio = program / floor
    verdict = "met" if ratio <= goal else "NOT met"
    print(f"{what:<22}{floor * scale:>12.{1 if scale != 1 else 0}f}{program * scale:>12.{1 if scale != 1 else 0}f}"
          f"  {unit:<6}{ratio:>7.3f}  <= {goal:.2f}  {verdict}")

print()
print(f"{'':<22}{'floor':>12}{'program':>12}  {'unit':<6}{'ratio':>7}  bound")
line("instructions (median)", statistics.median(floor_ir), statistics.median(startup_ir),
     "Ir", goal_ir)
line("wall time (median)", statistics.median(times["floor"]), statistics.median(times["startup"]),
     "ms", goal_wall, 1000.0)
line("peak RSS (median)", statistics.median(floor_rss), statistics.median(startup_rss),
     "KiB", goal_rss)
print()
print(f"runs: callgrind {len(floor_ir)}+{len(startup_ir)}, hyperfine "
      f"{len(times['floor'])}+{len(times['startup'])}, time -v {len(floor_rss)}+{len(startup_rss)}")
print(f"wall time mean +- sd: floor {statistics.mean(times['floor']) * 1000:.1f} +- "
      f"{statistics.stdev(times['floor']) * 1000:.1f} ms, program "
      f"{statistics.mean(times['startup']) * 1000:.1f} +- {statistics.stdev(times['startup']) * 1000:.1f} ms")
EOF

# Where the program's instructions go beyond the floor's: the inclusive counts
# of the start-up's parts, from the first callgrind run of each.
echo
echo "inclusive instructions of the start-up's parts (callgrind_annotate --inclusive=yes;"
echo "QApplication::exec is the event loop up to the first paint):"
callgrind_annotate --inclusive=yes --threshold=100 "$out/startup.1.callgrind" 2>/dev/null |
    grep -E ' \?\?\?:(void )?(skyvarre::(runProgram|Program::StartUp|frmMain::frmMain|Ui_frmMain::setupUi|frmMain::applyLook|setUpSharedLinks|programIcon|frmMain::Form_Load|UpdateReminder|SingleInstanceGuard::anotherCopyIsRunning|Program::~Program)|QApplication::exec\(\)|QApplication::QApplication|QFontDatabasePrivate::ensureFontDatabase)' |
    sed -E 's/ \[[^]]*\]$//; s/\?\?\?://; s/\(([^()]|\([^()]*\))*\)//g' | head -20 || true
echo "  (the floor spends $(callgrind_annotate --inclusive=yes --threshold=100 "$out/floor.1.callgrind" 2>/dev/null |
    sed -nE 's/^ *([0-9,]+) .*QFontDatabasePrivate::ensureFontDatabase.*/\1/p' | head -1) of its instructions on the same font database)"
echo "measure-startup: load after measuring: $(cut -d' ' -f1-3 /proc/loadavg)"
