#!/usr/bin/env bash
# Builds a Release tree and an AddressSanitizer + UndefinedBehaviorSanitizer tree and runs every test in both.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="${ORLEM_JOBS:-2}"
timeout="${ORLEM_TEST_TIMEOUT:-900}"  # seconds per test

run_tree() {
    local dir="$1"
    shift
    cmake -S "$root" -B "$dir" "$@"
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure --timeout "$timeout" -j "$jobs"
}

run_tree "${ORLEM_BUILD_DIR:-$root/build}" -DCMAKE_BUILD_TYPE=Release
run_tree "${ORLEM_ASAN_BUILD_DIR:-$root/build-asan}" -DCMAKE_BUILD_TYPE=Debug -DORLEM_SANITIZE=ON
echo "All tests passed in the Release and sanitizer builds."
