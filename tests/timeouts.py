#!/usr/bin/env python3
"""Usage: timeouts.py CTEST BUILD_DIR LIMIT: every test has a TIMEOUT of at most LIMIT seconds."""
import json
import subprocess
import sys

ctest, build, limit = sys.argv[1], sys.argv[2], float(sys.argv[3])
listing = subprocess.run([ctest, "--show-only=json-v1"], cwd=build, check=True, capture_output=True, text=True)
tests = json.loads(listing.stdout)["tests"]
timeouts = {t["name"]: next((p["value"] for p in t.get("properties", []) if p["name"] == "TIMEOUT"), 0)
            for t in tests}
wrong = [f"{name}: TIMEOUT {timeout}, expected at most {limit:g} s"
         for name, timeout in timeouts.items() if not 0 < timeout <= limit]
print("\n".join(wrong) or f"{len(tests)} tests, each with a TIMEOUT of at most {limit:g} s")
sys.exit(1 if wrong else 0)
