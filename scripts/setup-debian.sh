#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the editor need,
# when any of them is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev ccache pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
)
if [ "${DUDODE_WITH_XVFB:-0}" = 1 ]; then
  packages+=(xvfb xauth)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
