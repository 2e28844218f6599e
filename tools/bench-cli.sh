#!/usr/bin/env bash
# Times `xingming-cli score --batch --json` over 200 000 random names (release build).
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/release/cli/xingming-cli}
file=$(mktemp)
trap 'rm -f "$file"' EXIT
python3 tools/make-batch.py 200000 "$cli" > "$file"
start=$(date +%s.%N)
"$cli" score --batch "$file" --json > /dev/null
end=$(date +%s.%N)
python3 -c "import sys; s=float(sys.argv[2])-float(sys.argv[1]); print(f'200000 names in {s:.2f} s: {200000/s:,.0f} names per second')" "$start" "$end"
