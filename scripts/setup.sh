#!/usr/bin/env bash
# Installs what the selector needs to build and test (Debian 12 packages),
# only when something is missing, then configures and builds it in build/.
# With --packages-only it stops after installing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
    fonts-liberation
    xvfb xauth xdotool x11-utils libx11-6 python3
    dbus-daemon at-spi2-core python3-pyatspi
    desktop-file-utils appstream dpkg-dev
    libcups2-dev cups printer-driver-cups-pdf poppler-utils
    imagemagick openbox # import and a window manager, for tools/screenshots.sh
)

scripts/install_missing.sh "${packages[@]}"
[ "${1:-}" = --packages-only ] && exit 0

cmake -S . -B build -G Ninja
cmake --build build
