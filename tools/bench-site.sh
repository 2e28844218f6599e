#!/usr/bin/env bash
# Requests per second of the built-in site under 8 clients (wrk, 2 threads, 5 s each):
# the naming page asked again (kept), naming pages each asked once (made by the engine),
# and a static page of the same site as the floor.
#   tools/bench-site.sh [BUILD_DIR]        (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
port=18$((RANDOM % 900 + 100))
"$build/site/xingming-site" --port "$port" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null' EXIT
sleep 0.5
base="http://127.0.0.1:$port"
naming=$("$build/cli/xingming-cli" naming --surname 王 --sex 男 --calendar 公历 --year 1990 --month 5 --day 17 \
    --hour 18 --json | python3 -c "import json,sys; a=json.load(sys.stdin)['yxy_str']; print(a[a.index('/', 7):])")
script=$(mktemp --suffix=.lua)
trap 'kill $server 2>/dev/null; rm -f "$script"' EXIT
# Every request a new one: the birth year and the minimum score change with a counter.
cat > "$script" <<LUA
local n = 0
request = function()
  n = n + 1
  local path = "${naming}"
  path = path:gsub("nian=1990", "nian=" .. (1930 + n % 100)):gsub("zf=80", "zf=" .. (50 + math.floor(n / 100) % 40))
  return wrk.format("GET", path)
end
LUA
rate() { wrk -t2 -c8 -d5s "$@" | awk '/Requests\/sec/ {print $2}'; }
echo "naming page, asked again:      $(rate "$base$naming") requests/s"
echo "naming pages, each a new one:  $(rate -s "$script" "$base$naming") requests/s"
echo "static page (/contact.html):   $(rate "$base/contact.html") requests/s"
