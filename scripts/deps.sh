#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the screenshots need, when missing.
# Further package names given as arguments are installed too (for the package build).
set -euo pipefail
packages=(qt6-base-dev qt6-svg-dev libqt6svg6 cmake g++ ninja-build fonts-dejavu-core xdg-utils
          poppler-utils "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
