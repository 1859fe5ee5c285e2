#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; as a user other than
# root, every test but those labelled root (they need it: apt, the print service).
# A test that hangs fails after two minutes at most instead of holding up the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cd build
if [ "$(id -u)" -eq 0 ]; then
    ctest --output-on-failure --timeout 120 --parallel "$(nproc)"
else
    status=0
    ctest --output-on-failure --timeout 120 --parallel "$(nproc)" --label-exclude root || status=$?
    echo "Not run: the $(ctest -N -L root | sed -n 's/^Total Tests: //p') tests labelled root (they install the" \
         "package and print through the print service); run scripts/test.sh as root for them too."
    exit $status
fi
