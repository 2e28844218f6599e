#!/usr/bin/env bash
# Times `xingming-cli score --batch --json` over 200 000 random names (release build) and,
# in the same run, its floor: the name test and its JSON object in the process, without
# reading, splitting or writing lines (bench/jsonwriter_bench, BM_NameTestAndJson).
#
#   tools/bench-cli.sh [CLI [BENCH_DIR]]     RUNS=5 by default; the best run counts
#
# The machine is shared, so the figure is the processor time (user + system) of the best
# of RUNS runs; the wall time of that run is printed beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/release/cli/xingming-cli}
bench=${2:-$(dirname "$cli")/../bench}
runs=${RUNS:-5}
file=$(mktemp)
times=$(mktemp)
trap 'rm -f "$file" "$times"' EXIT
python3 tools/make-batch.py 200000 "$cli" > "$file"
TIMEFORMAT='%R %U %S'
for _ in $(seq "$runs"); do
  { time "$cli" score --batch "$file" --json > /dev/null; } 2>> "$times"
done
python3 - "$times" <<'PY'
import sys
rows = [tuple(map(float, line.split())) for line in open(sys.argv[1]) if line.strip()]
wall, cpu = min(((r[0], r[1] + r[2]) for r in rows), key=lambda r: r[1])
print(f'score --batch --json: 200000 names in {cpu:.2f} s of processor time ({wall:.2f} s wall): '
      f'{200000 / cpu:,.0f} names per second (best of {len(rows)})')
PY
if [ -x "$bench/jsonwriter_bench" ]; then
  "$bench/jsonwriter_bench" --benchmark_filter=BM_NameTestAndJson --benchmark_repetitions="$runs" \
      --benchmark_format=json 2>/dev/null | python3 -c '
import json, sys
rows = [b for b in json.load(sys.stdin)["benchmarks"] if b.get("run_type") == "iteration"]
best = min(rows, key=lambda b: b["cpu_time"])
ns, rate = best["cpu_time"], best["items_per_second"]
print(f"floor, the name test and its object in the process: {ns:.0f} ns a name, "
      f"{rate:,.0f} names per second (best of {len(rows)})")'
fi
