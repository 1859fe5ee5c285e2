#!/usr/bin/env python3
"""Checks that every test of a build folder has a TIMEOUT of at most LIMIT
seconds, so that a hang fails the test instead of holding up the run.
Usage: timeouts.py CTEST BUILD_DIR LIMIT"""
import json
import subprocess
import sys

ctest, build, limit = sys.argv[1], sys.argv[2], float(sys.argv[3])
listing = subprocess.run([ctest, "--show-only=json-v1"], cwd=build, check=True, capture_output=True, text=True)
tests = json.loads(listing.stdout)["tests"]
wrong = []
for test in tests:
    timeout = next((p["value"] for p in test.get("properties", []) if p["name"] == "TIMEOUT"), None)
    if timeout is None or not 0 < timeout <= limit:
        wrong.append(f"{test['name']}: TIMEOUT {timeout}, expected at most {limit:g} s")
print("\n".join(wrong) or f"{len(tests)} tests, each with a TIMEOUT of at most {limit:g} s")
sys.exit(1 if wrong else 0)
