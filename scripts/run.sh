#!/usr/bin/env bash
# Installs what is missing, builds, and starts the selector on the shipped data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cd data
exec ../build/vellimar-ups-selector
