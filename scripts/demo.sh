#!/usr/bin/env bash
# The main job: installs what is missing, builds Release and runs the demo.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLUM_DEMO_BUILD_DIR:-$root/build/release}"

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELLUM_BUILD_TESTS=OFF \
  -DVELLUM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target vellum-demo
"$build/tools/vellum-demo" "${@:-$build/vellum-demo.json}"
