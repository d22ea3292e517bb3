#!/usr/bin/env bash
# Sets everything up, builds the editor, puts the sample data into the program
# directory when it holds no tariff file, and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then export DUDODE_WITH_XVFB=1; fi
bash scripts/setup-debian.sh

cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUDODE_WITH_BENCH=OFF
cmake --build build-run -j"${DUDODE_JOBS:-2}" --target dudode-editor dudode-tarif

progdir=build-run/src/app
if ! ls "$progdir" | grep -qi '^rates\.'; then
  cp -n data/* "$progdir"/
fi

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the editor on a virtual display (xvfb-run)."
  exec xvfb-run -a "$progdir/dudode-editor"
fi
exec "$progdir/dudode-editor"
