#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: unit tables and scenario files.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "${VELMOR_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
