#!/usr/bin/env bash
# Installs what the selector needs (Debian 12 packages), only when something
# is missing, then configures and builds it in build/.
#   scripts/setup.sh                  building, running and testing; builds everything
#   scripts/setup.sh --run-only       building and running; builds without tests and benchmarks
#   scripts/setup.sh --packages-only  building, running and testing; installs only
set -euo pipefail
cd "$(dirname "$0")/.."

# Building and running.
packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libcups2-dev
    fonts-liberation
    librsvg2-bin help2man # the icons and the manual pages, made at build time
)
# Testing, benchmarks and screenshots.
test_packages=(
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils python3 python3-xlib
    dbus-daemon at-spi2-core python3-pyatspi
    # the screen reader for the accessibility test, speaking into a file
    orca speech-dispatcher speech-dispatcher-espeak-ng python3-speechd gir1.2-wnck-3.0
    desktop-file-utils appstream lintian file man-db
    cups printer-driver-cups-pdf poppler-utils
    imagemagick openbox # import and a window manager, for tools/screenshots.sh
)

if [ "${1:-}" = --run-only ]; then
    scripts/install_missing.sh "${packages[@]}"
    cmake -S . -B build -G Ninja -DVELLIMAR_TESTS=OFF -DVELLIMAR_BENCHMARKS=OFF
else
    scripts/install_missing.sh "${packages[@]}" "${test_packages[@]}"
    [ "${1:-}" = --packages-only ] && exit 0
    cmake -S . -B build -G Ninja -DVELLIMAR_TESTS=ON -DVELLIMAR_BENCHMARKS=ON
fi
cmake --build build
