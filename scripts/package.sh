#!/usr/bin/env bash
# Builds the Debian package with CPack: build-package/dudode_<version>_<arch>.deb.
# Its dependencies are found by dpkg-shlibdeps from the programs' libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
need=()
for p in dpkg-dev file; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get install -y --no-install-recommends "${need[@]}"
fi
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DDUDODE_WITH_BENCH=OFF
cmake --build build-package -j"${DUDODE_JOBS:-2}" --target dudode-editor dudode-tarif dudode-tarif-man
(cd build-package && cpack -G DEB)
ls -1 build-package/*.deb
