#!/usr/bin/env bash
# Times the editor on a virtual display: from its start to the open dialog
# (start window switched off), and from "Öffnen" to the main window showing
# the largest tariff file the formats allow. Prints both in milliseconds. The
# moment a window shows is the moment the display maps it, as a watcher on the
# display sees it; looking for windows by name (a new X client each time,
# some 30 ms here) only tells which window is which.
#   scripts/startup-time.sh [editor] [runs]
# The editor defaults to build-run/src/app/dudode-editor (bash scripts/run.sh
# builds it); the file is the one the tariff benchmark writes.
set -euo pipefail
cd "$(dirname "$0")/.."
editor="${1:-build-run/src/app/dudode-editor}"
runs="${2:-5}"
for tool in Xvfb xdotool xev stdbuf; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb xdotool x11-utils)"; exit 1; }
done
[ -x "$editor" ] || { echo "no editor at $editor"; exit 1; }

largest="${TMPDIR:-/tmp}/dudode-bench-tarif/RATES.0"
if [ ! -f "$largest" ]; then
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build-bench -j"${DUDODE_JOBS:-2}" --target bench_tariffile >/dev/null
  build-bench/bench/bench_tariffile --benchmark_filter=BM_PlainRead --benchmark_min_time=0.01 >/dev/null
fi

work="$(mktemp -d)"
display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY="$display"
sleep 1

# Own settings with the start window off, and a program directory holding
# only the largest file.
mkdir -p "$work/config/Vizorazod Software" "$work/dir"
printf '[Initialization]\nPROGPARAMS\\SHOWSTARTWND=NO\n' >"$work/config/Vizorazod Software/Dudode.conf"
cp "$largest" "$work/dir/RATES.0"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
wait_for() {  # window name pattern; gives up after ten seconds
  local until=$(($(now_ms) + 10000))
  until xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
    [ "$(now_ms)" -lt "$until" ] || return 1
    sleep 0.002
  done
}
# Each window the display maps, with the moment it was seen: "<ms> <window>".
events="$work/maps"
stdbuf -oL xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
  case "$line" in
    MapNotify*)
      IFS= read -r detail
      window="${detail#*window }"
      echo "$(now_ms) ${window%%,*}"
      ;;
  esac
done >"$events" &
sleep 0.5
mapped_at() {  # window (decimal, as xdotool gives it); its first map since line $from
  local hex
  hex=$(printf '0x%x' "$1")
  awk -v w="$hex" -v from="$from" 'NR > from && $2 == w { print $1; exit }' "$events"
}

echo "run  start-to-open-dialog  open-to-main-window (ms)"
for run in $(seq 1 "$runs"); do
  from=$(wc -l <"$events")
  start=$(now_ms)
  XDG_CONFIG_HOME="$work/config" DUDODE_DIR="$work/dir" "$editor" >/dev/null 2>&1 &
  pid=$!
  wait_for "Tarifdatei öffnen" || { echo "no open dialog"; kill "$pid"; exit 1; }
  dialog=$(xdotool search --onlyvisible --name "Tarifdatei öffnen" | head -1)
  shown=$(mapped_at "$dialog")
  # Typing selects the only file; Return presses "Öffnen".
  xdotool windowfocus --sync "$dialog" type G
  sleep 0.2
  pressed=$(now_ms)
  xdotool key Return
  wait_for "mögliche Tarifdatei\]" || { echo "no main window"; kill "$pid"; exit 1; }
  window=$(xdotool search --onlyvisible --name "mögliche Tarifdatei\]" | head -1)
  opened=$(mapped_at "$window")
  echo "$run    $((shown - start))                   $((opened - pressed))"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
