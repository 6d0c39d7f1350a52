#!/usr/bin/env bash
# Installs every Debian package that building, testing and running need.
# Non-interactive and idempotent: packages already present are not fetched again.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev fonts-crosextra-carlito fonts-liberation fonts-liberation2
  xvfb xauth
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
