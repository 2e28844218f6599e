#!/usr/bin/env bash
# Builds xingming with warnings as errors and runs every test: the unit tests, the core
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and the sample of
# command-line cases beside the checkout when it is there.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

# The code as clang-format writes it.
tools/check-format.sh

cmake --preset ci
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"

cmake --preset asan
cmake --build --preset asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan -j "$jobs"

conformance=../shared/conformance/check.py
if [ -f "$conformance" ]; then
  python3 "$conformance" build/ci/cli/xingming-cli
fi

# The Debian package: what it installs, and the installed command line on the worked example.
if [ "$(id -u)" = 0 ] && command -v dpkg-deb >/dev/null; then
  (cd build/ci && cpack -G DEB -B pkg >/dev/null)
  deb=$(ls build/ci/pkg/xingming_*.deb)
  dpkg-deb --contents "$deb" | grep -E 'usr/bin/xingming(-cli)?$|xingming.desktop|xingming.svg'
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$deb" >/dev/null
  /usr/bin/xingming-cli score --surname 李 --given 明 --sex 男 --calendar 公历 \
      --year 1990 --month 5 --day 17 --hour 18 --json | grep -q '"score_text":"80.5"'
  echo "package: 1 passed, 0 failed"
fi

# Fuzzing: every libFuzzer target (the byte parsers of the site, the core entry points)
# for a bounded time from the committed corpus; FUZZ_SECONDS=0 leaves it out.
if [ "${FUZZ_SECONDS:-30}" != 0 ] && command -v clang++ >/dev/null; then
  FUZZ_SECONDS=${FUZZ_SECONDS:-30} tools/run-fuzz.sh
fi
