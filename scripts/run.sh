#!/usr/bin/env bash
# Installs what is missing, builds, and starts the panel host on its
# built-in default panel. Extra arguments go to the host.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target vantor-panel
exec build/release/host/vantor-panel "${@:-list}"
