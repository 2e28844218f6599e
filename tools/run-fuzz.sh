#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer; every library instrumented) and runs each
# target for a bounded time from the committed seed corpus in fuzz/corpus/. A crash, a
# leak or a broken invariant fails the script. New inputs go to a scratch directory, so
# the committed corpus changes only by hand.
#   FUZZ_SECONDS   seconds per target (default 30)
#   FUZZ_BUILD_DIR build directory (default build/fuzz)
#   FUZZ_TARGETS   targets to run (default all)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
build=${FUZZ_BUILD_DIR:-build/fuzz}
read -r -a targets <<<"${FUZZ_TARGETS:-fuzz_request_head fuzz_query fuzz_router fuzz_nametest fuzz_calendar fuzz_naming_request fuzz_poetry}"

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
for t in "${targets[@]}"; do
  mkdir -p "$scratch/$t"
  log="$scratch/$t.log"
  if ! "$build/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$scratch/$t-" \
      "$scratch/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
    echo "fuzz: $t FAILED"
    tail -n 60 "$log"
    mkdir -p "$build/fuzz-artifacts"
    cp "$scratch/$t"-* "$build/fuzz-artifacts/" 2>/dev/null || true
    failed=1
    continue
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
  echo "fuzz: $t ${seconds}s, $runs executions, $cov edges"
done
exit "$failed"
