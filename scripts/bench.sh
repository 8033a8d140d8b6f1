#!/usr/bin/env bash
# Runs every benchmark program of a build with a short minimum time and prints one table: each
# figure, its goal, the ratio measured / goal (over 1 misses the goal) and the machine's load
# average when the program ran, then the derived ratios (stage copy / memcpy, parallel / one
# thread). Figures are real (wall-clock) times, so a loaded machine shows in them: read them with
# the load column.
#
#   scripts/bench.sh [--build DIR] [--min-time SECONDS] [PROGRAM...]
#
# PROGRAM names programs of DIR/bin (default: every benchmark program that was built).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
min_time=0.05
programs=()
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build="$2"; shift 2 ;;
    --min-time) min_time="$2"; shift 2 ;;
    -h|--help) sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) programs+=("$1"); shift ;;
  esac
done
if [ ${#programs[@]} -eq 0 ]; then
  programs=(texture_ops_bench filter_ops_bench texture_bench texture_editor_bench pack_bench mesh_bench
            timeline_bench sample_bench sample_generator_bench render_bench editor_frame_bench)
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for program in "${programs[@]}"; do
  binary="$build/bin/$program"
  if [ ! -x "$binary" ]; then
    echo "$program: not built (cmake --build $build --target $program)" >&2
    continue
  fi
  echo "running $program ..." >&2
  cut -d' ' -f1-3 /proc/loadavg > "$out/$program.load"
  # Qt and GL programs run headless.
  if ! QT_QPA_PLATFORM=offscreen TESSARINE_DATA_DIR="$PWD/$build/data" "$binary" \
      --benchmark_min_time="$min_time" --benchmark_format=json --benchmark_out_format=json \
      --benchmark_out="$out/$program.json" > /dev/null 2> "$out/$program.err"; then
    echo "$program failed:" >&2
    tail -5 "$out/$program.err" >&2
  fi
done

python3 - "$out" <<'EOF'
import json, os, re, sys

out = sys.argv[1]
# (program, name pattern, goal in ms). Texture operations on every core: one 60 Hz frame at 512²,
# four at 1024².
GOALS = [
    (r"texture_ops_bench|filter_ops_bench", r"size:512/.*threads:0", 16.0),
    (r"texture_ops_bench|filter_ops_bench", r"size:1024/.*threads:0", 64.0),
    (r"texture_editor_bench", r"size:512", 16.0),
    (r"pack_bench", r"BM_ParsePackText|BM_WritePackText", 50.0),
    (r"mesh_bench", r"BM_FiftySpheres", 4.0),
    (r"mesh_bench", r"BM_Landscape255", 8.0),
    (r"timeline_bench", r"BM_EvaluateTimeline", 0.2),
    (r"sample_bench", r"BM_RunSampleListTenSecondsTwentyCommands", 100.0),
]
UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}

rows, figures = [], {}
for program in sorted(f[:-5] for f in os.listdir(out) if f.endswith(".json")):
    with open(os.path.join(out, program + ".json")) as f:
        try:
            report = json.load(f)
        except json.JSONDecodeError:
            continue
    with open(os.path.join(out, program + ".load")) as f:
        load = f.read().strip()
    for b in report.get("benchmarks", []):
        if b.get("run_type") == "aggregate" or b.get("error_occurred") or "real_time" not in b:
            continue
        name = b["name"]
        ms = b["real_time"] * UNIT_MS[b.get("time_unit", "ns")]
        cpu = b["cpu_time"] * UNIT_MS[b.get("time_unit", "ns")]
        figures[name] = ms
        goal = next((g for p, n, g in GOALS if re.fullmatch(p, program) and re.search(n, name)), None)
        rows.append((program, name, ms, cpu, goal, load))

def pair(numerator, denominator):
    return (figures[numerator] / figures[denominator]) if numerator in figures and denominator in figures else None

derived = [("stage copy / memcpy, 4 MiB", pair("BM_StageCopy1024", "BM_Memcpy4MiB"), 1.1)]
for name in figures:
    if "threads:0" in name:
        one = name.replace("threads:0", "threads:1")
        if one in figures and ("RegenerateAllTextures" in name):
            derived.append((name.replace("threads:0", "every core / one thread"), pair(name, one), 0.5))

def fmt(ms):
    return f"{ms:.3f}" if ms < 10 else f"{ms:.1f}"

width = max([len(f"{p} {n}") for p, n, *_ in rows] + [40])
# "cpu ms" is the main thread's processor time: on one thread it is what an idle machine would
# take, however loaded this one is.
print(f"{'figure':<{width}}  {'ms':>9}  {'cpu ms':>9}  {'goal':>7}  {'ratio':>6}  load (1, 5, 15 min)")
missed = 0
for program, name, ms, cpu, goal, load in rows:
    ratio = ms / goal if goal else None
    missed += bool(ratio and ratio > 1)
    flag = " *" if ratio and ratio > 1 else ""
    print(f"{program + ' ' + name:<{width}}  {fmt(ms):>9}  {fmt(cpu):>9}  {fmt(goal) if goal else '':>7}  "
          f"{f'{ratio:.2f}' if ratio else '':>6}  {load}{flag}")
print()
print(f"{'ratio':<{width}}  {'value':>9}  {'':>9}  {'goal':>7}  {'ratio':>6}")
for label, value, goal in derived:
    if value is None:
        continue
    missed += value / goal > 1
    print(f"{label:<{width}}  {value:>9.2f}  {'':>9}  {goal:>7.2f}  {value / goal:>6.2f}{' *' if value > goal else ''}")
print(f"\n{missed} figure(s) over their goal (marked *); ratios over 1 miss.")
EOF
