#!/usr/bin/env bash
# Builds Belvane in Release with its benchmarks and prints, in one table, the measures of start-up,
# saving, reading and sorting at the largest history (65,535 rows), each beside its yardstick:
# a bare Qt window, the same bytes written by dd with fsync, Python's csv module reading the same
# history, and the time budget a sort or the office's hours (500,000 entries of 20 seats) must keep. "Ready" is the start-up until the data are read
# and the splash box goes, on an empty folder, the largest history, a grown folder (the history,
# a file per budget and a database holding a revision of each) and 4,000 lower-case file names. Medians of five runs, of eleven for the short
# start-ups, which take turns. Start-ups are measured on an X server (Xvfb) when there is one,
# else on Qt's offscreen platform, and end as soon as the window is shown. Benchmarks, not tests:
# nothing fails on a slow machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BENCH_BUILD_DIR:-build-bench}
runs=5

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBELVANE_BENCH=ON -DBELVANE_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target belvane belvane_bench belvane_bare_window belvane_largest_history \
  belvane_grown_folder >/dev/null

work=$(mktemp -d)
xvfb=
trap 'rm -rf "$work"; [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true' EXIT
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"
if command -v Xvfb >/dev/null; then
  display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 1400x900x24 >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  on_screen=(env DISPLAY="$display" QT_QPA_PLATFORM=xcb)
  platform="Xvfb"
else
  on_screen=(env QT_QPA_PLATFORM=offscreen)
  platform="offscreen"
fi

# Milliseconds a command takes, the median of $runs runs.
median_ms() {
  local times=()
  for _ in $(seq "$runs"); do
    times+=("$(ms_of "$@")")
  done
  median "${times[@]}"
}
ms_of() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
median() {
  printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"
}

# A fresh program folder per start: the data live beside the program.
program_in() {
  mkdir -p "$1"
  cp "$build/belvane" "$1/belvane"
}
start_in() {
  rm -f "$1/Belvane.lock"
  "${on_screen[@]}" BELVANE_QUIT_WHEN_SHOWN=1 "$1/belvane"
}
# Until the data are read and the splash box goes.
ready_in() {
  rm -f "$1/Belvane.lock"
  "${on_screen[@]}" BELVANE_QUIT_WHEN_READY=1 "$1/belvane"
}

program_in "$work/empty"
program_in "$work/full"
"$build/belvane_largest_history" "$work/full/Projetos"
history="$work/full/Projetos/Hist.bvh"
# Years of work: the largest history, a file for each budget and a database holding a revision
# of each; and a folder copied from another system, its 4,000 budget files named in lower case.
program_in "$work/grown"
"$build/belvane_largest_history" "$work/grown/Projetos"
"$build/belvane_grown_folder" maiusculas "$work/grown/Projetos" 65535
program_in "$work/lower"
"$build/belvane_grown_folder" minusculas "$work/lower/Projetos" 4000
grown_size=$(du -sm "$work/grown/Projetos" | cut -f1)

# The three start-ups take turns, so that a slow moment of the machine weighs on each alike; they
# are short, so each is started $starts times.
starts=$((runs * 2 + 1))
bare_times=()
empty_times=()
full_times=()
for _ in $(seq "$starts"); do
  bare_times+=("$(ms_of "${on_screen[@]}" "$build/belvane_bare_window")")
  empty_times+=("$(ms_of start_in "$work/empty")")
  full_times+=("$(ms_of start_in "$work/full")")
done
ready_empty_times=()
ready_full_times=()
ready_grown_times=()
ready_lower_times=()
for _ in $(seq "$starts"); do
  ready_empty_times+=("$(ms_of ready_in "$work/empty")")
  ready_full_times+=("$(ms_of ready_in "$work/full")")
  ready_grown_times+=("$(ms_of ready_in "$work/grown")")
  ready_lower_times+=("$(ms_of ready_in "$work/lower")")
done
ready_empty=$(median "${ready_empty_times[@]}")
ready_full=$(median "${ready_full_times[@]}")
ready_grown=$(median "${ready_grown_times[@]}")
ready_lower=$(median "${ready_lower_times[@]}")
bare=$(median "${bare_times[@]}")
empty=$(median "${empty_times[@]}")
full=$(median "${full_times[@]}")
dd_fsync=$(median_ms dd if="$history" of="$work/copy.bvh" bs=1M conv=fsync)
python_csv=$(median_ms python3 -c "import csv,sys; rows=list(csv.reader(open(sys.argv[1], encoding='utf-16', newline='')))" "$history")

# The core measures, medians of the benchmark's own repetitions.
bench_ms() {
  "$build/belvane_bench" --benchmark_filter="^$1\$" --benchmark_repetitions=$runs \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
    awk -F, -v name="\"$1_median\"" '$1 == name { printf "%.0f", $3 }'
}
save=$(bench_ms BM_SaveWithOneRowChanged)
first_save=$(bench_ms BM_SaveWithEveryRowEncoded)
read_history=$(bench_ms BM_ReadHistory)

row() { # measure, value, yardstick name, yardstick value, goal (largest ratio)
  awk -v m="$1" -v v="$2" -v yn="$3" -v y="$4" -v g="$5" 'BEGIN {
    if (y <= 0) { printf "%-34s %8d ms\n", m, v; exit }
    r = v / y
    printf "%-34s %8d ms   %-26s %8d ms   %6.2f   %-6s %s\n", m, v, yn, y, r, (g == "" ? "" : "<= " g),
           (g == "" ? "" : (r <= g ? "ok" : "OVER"))
  }'
}
echo "Start-ups on $platform, medians of $starts taking turns; the rest medians of $runs runs."
printf "%-34s %11s   %-26s %11s   %6s   %s\n" "Measure" "Belvane" "Yardstick" "" "Ratio" "Goal"
row "Start-up, empty folder" "$empty" "bare Qt window" "$bare" 2.0
row "Start-up, 65,535 rows" "$full" "start-up, empty folder" "$empty" 1.1
row "Ready, empty folder" "$ready_empty" "" 0 ""
row "Ready, 65,535 rows" "$ready_full" "ready, empty folder" "$ready_empty" 1.1
row "Ready, grown folder (${grown_size} MB)" "$ready_grown" "ready, empty folder" "$ready_empty" 1.1
row "Ready, 4,000 lower-case names" "$ready_lower" "ready, empty folder" "$ready_empty" 1.1
row "Save, 65,535 rows (one changed)" "$save" "dd conv=fsync, same bytes" "$dd_fsync" 1.5
row "First save after start (cold)" "$first_save" "dd conv=fsync, same bytes" "$dd_fsync" ""
row "Read the history" "$read_history" "Python csv, same file" "$python_csv" ""
row "Hours, 500,000 entries: first read" "$(bench_ms BM_ReadHourJournalsCold)" "time budget" 100 1.0
row "Hours: refresh, nothing new" "$(bench_ms BM_RefreshHourJournalsNothingNew)" "" 0 ""
row "Hours: every job's total" "$(bench_ms BM_HoursOfEveryJob)" "" 0 ""
row "Hours: record one entry (fsync)" "$(bench_ms BM_RecordHourEntry)" "time budget" 20 1.0
for column in number client date status; do
  row "Sort by $column" "$(bench_ms "BM_SortHistory/by_$column")" "time budget" 50 1.0
done
row "Jobs list, 2,000 jobs" "$(bench_ms BM_JobsPage)" "time budget" 100 1.0
row "Man-hours learning, 500,000 h entries" "$(bench_ms BM_HxhLearning)" "time budget" 100 1.0
