#!/usr/bin/env bash
# Sets up, builds and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec "${VELMOR_BUILD_DIR:-build}/bin/velmor-calculator" "$@"
