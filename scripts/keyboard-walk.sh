#!/usr/bin/env bash
# A keyboard-only walk through the editor on a virtual display under a German
# locale: a new tariff file with one zone and two entries, decimal prices typed
# with "," and ".", saved; then dudode-tarif must show exactly those prices.
# Needs xvfb, openbox and xdotool; uses the editor and dudode-tarif of BUILD.
# Not part of the test command. Usage: scripts/keyboard-walk.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
display=":${DUDODE_WALK_DISPLAY:-41}"
shots="${DUDODE_WALK_SHOTS:-}"

work="$(mktemp -d)"
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# An empty program directory of its own: the editor takes the directory of its
# executable when it is writable.
mkdir -p "$work/prog" "$work/config" "$work/data" "$work/run"
chmod 700 "$work/run"
cp "$build/src/app/dudode-editor" "$work/prog/"
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 DISPLAY="$display"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"

Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
"$work/prog/dudode-editor" >"$work/editor.log" 2>&1 &
pids+=($!)

step() { echo "-- $*"; }
# Waits for a window whose title matches, then gives it a moment to settle.
await() {
  if ! timeout 20 xdotool search --sync --name "$1" >/dev/null; then
    echo "window \"$1\" did not appear" >&2
    exit 1
  fi
  sleep 0.6
}
keys() {
  xdotool key --delay 120 "$@"
  sleep 0.4
}
typed() {
  xdotool type --delay 90 "$1"
  sleep 0.3
}
shot() { if [ -n "$shots" ]; then import -window root "$shots/$1.png"; fi; }

step "no file yet: cancel the open dialog, name the new file in its options"
await "Tarifdatei öffnen"
keys Escape
await "Optionen der Tarifdatei"
typed "Tastaturtarif"
keys Return
typed "0,05"    # Standardpreis pro Gespräch
keys Return
typed "0.12"    # Standardpreis pro Einheit
keys Return
typed "60"      # Standardlänge einer Einheit
keys Return
shot options
keys alt+u      # Übernehmen
sleep 1

step "a new zone with its connection price and monthly fee"
keys F2
await "Neue Tarifzone anlegen"
typed "Stadt"
keys Tab space   # Taktbasierte Abrechnung stays; next field by Tab
shot zone
keys Escape
sleep 1

echo "walk stopped early: the steps after the zone dialog are not written yet" >&2
exit 1
