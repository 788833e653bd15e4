#!/usr/bin/env bash
# Installs what is missing, builds, and serves the panel on its built-in
# default panel and flight: open the address it prints in a browser.
# Extra arguments go to serve (e.g. --port 9000, --dpi 110).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target vantor-panel
exec build/release/host/vantor-panel serve "$@"
