#!/usr/bin/env bash
# Kills the editor with SIGKILL at random moments while it writes its
# recovery copy, and checks after every kill that the copy is either absent
# or complete and that no temporary file is left in its directory. Every
# start after a kill is answered "Ja" to the recovery question, so the editor
# writes the copy anew about a second later; half of the kills wait for that
# write to be under way (a file of the state directory open in the process).
# Needs Xvfb, openbox and xdotool. Not part of the test suite.
#   scripts/kill-loop-recovery.sh [runs] [path to dudode-editor] [display]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-60}"
editor="$(realpath "${2:-build/src/app/dudode-editor}")"
display="${3:-:87}"
[ -x "$editor" ] || { echo "no $editor: build the target dudode-editor first" >&2; exit 2; }

work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/prog" "$work/home/.config/Vizorazod Software" "$work/state" "$work/run"
chmod 700 "$work/run"
cp data/* "$work/prog/"
cp "$editor" "$work/dudode-editor"  # a rebuild meanwhile does not disturb the runs
editor="$work/dudode-editor"
printf '[Initialization]\nPROGPARAMS\\SHOWSTARTWND=NO\n' >"$work/home/.config/Vizorazod Software/Dudode.conf"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_STATE_HOME="$work/state" \
  XDG_RUNTIME_DIR="$work/run" DISPLAY="$display" QT_QPA_PLATFORM=xcb LANG=de_DE.UTF-8
copy=""  # its name is known once the first copy is there

Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

start_editor() {
  "$editor" --dir "$work/prog" >/dev/null 2>&1 &
  pid=$!
}
window() {  # name: waits up to 30 s for a window whose name contains it
  timeout 30 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1 || true
}

# The first copy: open the sample file and change a price, as a user would.
start_editor
window "Tarifdatei" >/dev/null
sleep 0.5
xdotool type --delay 50 "Nord"
xdotool key Return
main=$(window "Dudode - Editor 3")
sleep 1
xdotool mousemove --window "$main" 259 155 click --repeat 2 --delay 80 1
dialog=$(window "bearbeiten")
sleep 0.5
xdotool type --delay 50 "0,0123"
xdotool mousemove --window "$dialog" 339 273 click 1
for _ in $(seq 40); do
  copy=$(ls "$work"/state/dudode/Wiederherstellung-*.dat 2>/dev/null | head -1 || true)
  [ -n "$copy" ] && break
  sleep 0.1
done
kill -9 "$pid"; wait "$pid" 2>/dev/null || true
[ -n "$copy" ] || { echo "no first copy was written" >&2; exit 1; }
cp "$copy" "$work/reference"
grep -qa "0.0123" "$work/reference" || { echo "the first copy lacks the change" >&2; exit 1; }

unreadable=0 stray=0 during=0 absent=0 nostart=0
for ((i = 0; i < runs; i++)); do
  start_editor
  if [ -z "$(window "Dudode - Editor")" ]; then
    nostart=$((nostart + 1))
    echo "run $i: no window" >&2
  fi
  sleep 0.3
  xdotool key Return  # "Ja": the copy comes back and is written again
  if ((i % 2)); then
    # Wait for the write to be under way, then kill within a few milliseconds.
    for _ in $(seq 3000); do
      if ls -l "/proc/$pid/fd" 2>/dev/null | grep -q "$work/state"; then
        during=$((during + 1))
        break
      fi
    done
  else
    sleep "$(printf '0.%03d' $((RANDOM % 1000 + 500)))"
  fi
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true

  if [ ! -f "$copy" ]; then
    absent=$((absent + 1))
    echo "run $i: no copy left" >&2
    cp "$work/reference" "$copy"
  elif ! cmp -s "$copy" "$work/reference"; then
    unreadable=$((unreadable + 1))
    echo "run $i: the copy differs from a complete one" >&2
    cp "$work/reference" "$copy"
  fi
  left=$(ls -A "$work/state/dudode" | grep -vx "$(basename "$copy")" || true)
  if [ -n "$left" ]; then
    stray=$((stray + 1))
    echo "run $i: left $left" >&2
    find "$work/state/dudode" -mindepth 1 ! -name "$(basename "$copy")" -delete
  fi
done

echo "runs: $runs  no window: $nostart  killed while a copy was being written: $during  copy missing: $absent" \
  " unreadable copies: $unreadable  stray temporary files: $stray"
[ "$unreadable" -eq 0 ] && [ "$stray" -eq 0 ] && [ "$absent" -eq 0 ]
