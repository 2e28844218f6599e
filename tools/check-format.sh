#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it with the
# project's .clang-format; `tools/check-format.sh --fix` rewrites the files instead.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --fix ]; then
  git ls-files '*.cpp' '*.h' | xargs clang-format -i
  exit 0
fi
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "format: 1 passed, 0 failed"
