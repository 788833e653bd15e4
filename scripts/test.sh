#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the
# optimised build and once under AddressSanitizer and UndefinedBehaviorSanitizer,
# and the viewer's page in Chromium against the optimised build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
for preset in release sanitize; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset tests"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --preset "$preset" -j "$jobs"
  if [ "$preset" = release ]; then
    echo "== browser tests"
    (cd tests/browser && npm ci --no-audit --no-fund && VANTOR_PANEL="$PWD/../../build/release/host/vantor-panel" node --test --test-concurrency=1)
  fi
done
