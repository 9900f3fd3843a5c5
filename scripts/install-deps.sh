#!/bin/sh
# Installs the Debian packages Lanthorn needs to build and test, if any are missing.
# Works as root and through sudo.
set -eu

packages="cmake ninja-build g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev"
if [ "${1:-}" = "--tests" ]; then
  # clang with libFuzzer for the fuzz targets, a font for the offscreen window tests.
  packages="$packages clang libclang-rt-dev fonts-dejavu-core"
fi

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
else
  SUDO="sudo"
fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
