#!/usr/bin/env bash
# Builds the two Debian packages with CPack from one build:
#   build-package/dudode-tarif_<version>_<arch>.deb   the command-line tool (no Qt)
#   build-package/dudode-editor_<version>_<arch>.deb  the editor
# The compiler and linker flags are Debian's own (dpkg-buildflags, all
# hardening features); dependencies are found by dpkg-shlibdeps.
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

export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# Release only for NDEBUG: the optimisation level is dpkg-buildflags' choice.
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DDUDODE_WITH_BENCH=OFF
cmake --build build-package -j"${DUDODE_JOBS:-2}" --target dudode-editor dudode-tarif dudode-package-files
rm -f build-package/dudode*.deb
(cd build-package && cpack -G DEB)
ls -1 build-package/*.deb
