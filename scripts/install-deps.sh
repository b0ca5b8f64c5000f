#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build and the tests need, only
# those missing; with sudo when not root.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang pkg-config
  qt6-base-dev qt6-serialport-dev
  libgtest-dev googletest
  libmodbus-dev mbpoll socat
  xvfb xauth
  poppler-utils fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
