#!/usr/bin/env bash
# Starts the desktop program from the release build (or the build named in $1).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
# The browser engine refuses to run as root with its sandbox on.
if [ "$(id -u)" = 0 ]; then
  export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --no-sandbox"
fi
exec "$build/app/xingming"
