#!/usr/bin/env bash
# The one test command: installs what is missing, builds Debug with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLUM_TEST_BUILD_DIR:-$root/build/test}"

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVELLUM_SANITIZE=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)"
