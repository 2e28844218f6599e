#!/usr/bin/env bash
# Builds xingming with warnings as errors and runs every test: the unit tests, the core
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and the sample of
# command-line cases beside the checkout when it is there.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

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
