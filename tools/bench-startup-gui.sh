#!/usr/bin/env bash
# The desktop program's start-up against its floor: bench/hello_probe, a window with one
# Chinese label in the program's Song face, started with the program's application
# settings. bench/startup_probe starts them in turns on a virtual X server (the end-to-end
# suite's screen) and prints for each the median time from the process start to the main
# window shown, the processor time until then and the resident memory 2 s later, then the
# ratios of the program to the floor.
#   tools/bench-startup-gui.sh [BUILD_DIR] [RUNS]     (build/release and 11 runs by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-11}
for f in app/xingming bench/hello_probe bench/startup_probe; do
  if [ ! -x "$build/$f" ]; then
    echo "bench-startup-gui: $build/$f is missing: cmake --build $build --target xingming hello_probe startup_probe" >&2
    exit 1
  fi
done
# A private runtime folder, as a desktop session has.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  "$build/bench/startup_probe" -n "$runs" "$build/app/xingming" "$build/bench/hello_probe"
