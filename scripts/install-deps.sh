#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the panel needs.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config binutils
  libcairo2-dev          # drawing: the art generators and the host renderer
  libstb-dev             # stb_image: BMP decoding in the host
  fonts-dseg             # the seven/fourteen-segment face behind "Quartz"
  fonts-dejavu-core      # plain lettering on the art
  nlohmann-json3-dev     # JSON for dump, console and the viewer
  libcli11-dev           # command line parsing
  libcpp-httplib-dev     # the viewer's HTTP server
  libinih-dev            # panel configuration files (INI)
  libgtest-dev libgmock-dev  # unit tests
  libbenchmark-dev       # frame benchmarks
  chromium               # the browser the viewer's page is tested in
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Node runs the browser tests; a machine may already have its own node and
# npm, which Debian's packages would clash with.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
