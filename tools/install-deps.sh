#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running xingming need.
# Run as root or with sudo; packages already present are left as they are.
set -euo pipefail
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
packages=(
  build-essential cmake ninja-build pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  clang clang-format libclang-rt-14-dev
  qt6-base-dev qt6-webengine-dev qt6-svg-dev libqt6svg6
  fonts-noto-cjk xvfb xauth imagemagick dpkg-dev file
  # the end-to-end suite: a window manager, X input and selections, the accessibility bus
  openbox wmctrl xdotool xclip x11-xserver-utils x11-utils dbus at-spi2-core python3-pyatspi python3-xlib
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
