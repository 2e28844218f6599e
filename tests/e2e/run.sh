#!/usr/bin/env bash
# Runs end-to-end tests against the desktop program as a user starts it
# (tools/run-program.sh BUILD): a virtual X server with a window manager, a session bus
# with the accessibility bus, and real X input events (XTest, through xdotool).
#
#   tests/e2e/run.sh BUILD_DIR [unittest names...]     e.g. tests/e2e/run.sh build/ci test_nametest
#
# Screenshots go to $XINGMING_SCREENSHOT_DIR when it is set.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
shift
export XM_ROOT="$root" XM_BUILD="$build"
cd "$here"
# Debian's python3, where python3-xlib and python3-pyatspi live.
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    dbus-run-session -- /usr/bin/python3 -m unittest -v "${@:-discover}"
