#!/usr/bin/env bash
# Installs clang and its fuzzer runtime when missing, builds the fuzz targets
# in build-fuzz/ and runs each for SECONDS seconds (default 45); fails on any
# finding. Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install_missing.sh clang libclang-rt-14-dev cmake ninja-build
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVELLIMAR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz
fuzz/run.sh build-fuzz "${1:-45}"
