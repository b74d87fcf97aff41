#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UBSan, and runs
# every test. This is what CI runs.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

BUILD=${BUILD_DIR:-build-asan}
JOBS=$(nproc)

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DVN_SANITIZE=ON >/dev/null
cmake --build "$BUILD" -j "$JOBS"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd "$BUILD"
ctest -j "$JOBS" --output-on-failure --timeout 300
