#!/usr/bin/env bash
# Installs the Debian 12 packages coilspring needs to build, run and test, skipping what is
# already there. Runs apt-get as root (directly, or through sudo when available).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  fonts-ipafont-gothic xdg-utils qt6-translations-l10n
  python3 python3-ezdxf poppler-utils
  cups printer-driver-cups-pdf
  librsvg2-bin desktop-file-utils
  nlohmann-json3-dev
  libocct-data-exchange-dev libocct-modeling-algorithms-dev libocct-modeling-data-dev
  libocct-foundation-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
