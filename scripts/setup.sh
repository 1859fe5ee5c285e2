#!/usr/bin/env bash
# Installs what the selector needs to build and test (Debian 12 packages),
# only when something is missing, then configures and builds it in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
    fonts-liberation
    xvfb xauth xdotool libx11-6 python3
    desktop-file-utils appstream dpkg-dev
    libcups2-dev cups printer-driver-cups-pdf poppler-utils
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja
cmake --build build
