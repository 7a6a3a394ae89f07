#!/usr/bin/env bash
# Fuzzes every reader of outside data (history, office, budget, colours and counter files, number
# and date texts, backup archives, the database beside the files, the folder lock, the seats' hour
# journals) with libFuzzer under the address and undefined-behaviour checks.
#
#   scripts/fuzz.sh [seconds per target]     default 300
#
# Builds only the core and the fuzz targets with clang-14 in build-fuzz (or $FUZZ_BUILD_DIR),
# writes the seeds with the program's own writers, then runs each target for the given time. The
# corpus grows in <build>/fuzz-corpus between runs; an input that breaks a reader is kept in
# <build>/fuzz-findings. Exits non-zero when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  echo "uso: scripts/fuzz.sh [segundos por alvo, maior que 0]" >&2
  exit 2
fi
scripts/setup-deps.sh

build=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-g -O2" -DBELVANE_FUZZ=ON -DBELVANE_TESTS=OFF -DBELVANE_WERROR=ON \
  >/dev/null
cmake --build "$build" --target belvane_fuzzers -j"$(nproc)"

bin="$build/tests/fuzz"
seeds="$build/fuzz-seeds"
rm -rf "$seeds"
"$bin/belvane_fuzz_seeds" "$seeds"
mkdir -p "$build/fuzz-findings" "$build/fuzz-logs"

# The targets are those tests/fuzz/CMakeLists.txt declares, listed by the build.
mapfile -t targets < "$bin/fuzz-targets.txt"
failed=()
summary=()
for target in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$target"
  log="$build/fuzz-logs/$target.log"
  mkdir -p "$corpus"
  echo "== $target: ${seconds} s"
  start=$SECONDS
  rc=0
  "$bin/belvane_fuzz_$target" "$corpus" "$seeds/$target" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-findings/$target-" >"$log" 2>&1 || rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  line=$(printf '%-20s %12s executions in %4d s' "$target" "${runs:-?}" $((SECONDS - start)))
  if [ "$rc" -ne 0 ]; then
    failed+=("$target")
    line+="  FINDING (exit $rc, see $log)"
    grep -E -A40 'ERROR: |runtime error|fuzz property broken|deadly signal|timeout' "$log" | head -60 || true
  fi
  summary+=("$line")
  echo "$line"
done

echo
echo "Fuzzing, ${seconds} s per target:"
printf '  %s\n' "${summary[@]}"
if [ ${#failed[@]} -ne 0 ]; then
  echo "Achados em: ${failed[*]} (entradas em $build/fuzz-findings)" >&2
  exit 1
fi
