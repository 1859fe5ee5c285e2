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
    xvfb xauth xdotool libx11-6 python3
    dbus-daemon at-spi2-core python3-pyatspi
    # the screen reader for the accessibility test, speaking into a file
    orca speech-dispatcher speech-dispatcher-espeak-ng python3-speechd gir1.2-wnck-3.0 openbox
    desktop-file-utils appstream dpkg-dev
    libcups2-dev cups printer-driver-cups-pdf poppler-utils
    imagemagick # import, for tools/screenshots.sh
)

scripts/install_missing.sh "${packages[@]}"
[ "${1:-}" = --packages-only ] && exit 0

cmake -S . -B build -G Ninja
cmake --build build
