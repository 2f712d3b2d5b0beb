#!/usr/bin/env bash
# The main job: installs what is missing, builds Release and renders the embedded sample menus
# to PNG pictures, printing their paths. Arguments go to vellum-render (see --help); without
# any, the pictures go to build/release/render.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLUM_DEMO_BUILD_DIR:-$root/build/release}"

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELLUM_BUILD_TESTS=OFF \
  -DVELLUM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target vellum-render >/dev/null
if [ $# -eq 0 ]; then
  set -- --out "$build/render"
fi
"$build/tools/vellum-render/vellum-render" "$@"
