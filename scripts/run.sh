#!/usr/bin/env bash
# Installs what building and running need (through sudo, only when something
# is missing), builds without the tests and benchmarks, and starts the
# selector on the shipped data, as the user who ran this.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --run-only
exec build/vellimar-ups-selector --data-dir "$PWD/data" "$@"
