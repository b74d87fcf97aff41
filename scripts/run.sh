#!/usr/bin/env bash
# Builds the module (no sanitizers) and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVN_SANITIZE=OFF -DVN_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)"

echo "Built. The module's window does not exist yet; only the libraries were built."
