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
await "Optionen der Tarifdatei anpassen"
keys Tab  # from the page tabs into the name
typed "Tastaturtarif"
keys Return
typed "0,05"  # Standardpreis pro Gespräch
keys Return
typed "0.12"  # Standardpreis pro Einheit
keys Return
typed "60"  # Standardlänge einer Einheit
keys Return Return Return  # network code, CityWeekend box, to the information
shot 1-options
keys Tab Tab space  # "Übernehmen"
sleep 1

step "a new zone (F2) with connection price, monthly fee and a no-cost window"
keys F2
await "Neue Tarifzone anlegen"
typed "Stadt"
keys Return Return  # the name, then the clock-billing box as it is
typed "0,07"        # Verbindungspreis pro Gespräch
keys Return
typed "5.50"  # Monatliche Grundgebühr
keys Return
keys Tab Tab Tab Tab space  # two boxes, "Internetzugang...", "Kostenlose Zeiten..."
await "Kostenlose Zeiten bearbeiten"
keys Tab Tab space  # the list, "Hinzufügen"
await "Neuer Eintrag"
typed "1800"
keys Return
typed "0759"
keys Return
typed "30,5"
keys Return  # the check enables "Übernehmen", which takes the focus
shot 2-nocost-window
keys Return
sleep 0.5
keys Tab Tab Tab space  # "Ändern", "Löschen", "Übernehmen" of the list
sleep 0.5
shot 3-zone
keys Tab space  # "Übernehmen" of the zone dialog
sleep 1

step "two entries in the Werktag grid (Insert), prices typed with , and ."
add_entry() {
  keys Insert
  await "Tarif zur Tarifzone Stadt"
  keys shift+Tab shift+Tab shift+Tab shift+Tab  # from the price back to "Gültig von"
  typed "$1"
  keys Return
  typed "$2"
  keys Return Return Return  # clock interval and units at the start as they are
  typed "$3"
  keys Return
  typed "$4"
  keys Return Return Return Return Return  # dates, two boxes, to "Übernehmen"
  shot "4-entry-$4"
  keys space
  sleep 1
}
keys Tab Tab  # zone box, Werktag grid
add_entry 0800 1800 "0,15" Tag
add_entry 1800 0000 "0.09" Abend
shot 5-main

step "save (Ctrl+S, Alt+J at the question) and leave (Alt+F4)"
keys ctrl+s
await "Bestätigung"
keys alt+j
sleep 1.5
keys alt+F4
sleep 1.5

step "what the file holds"
"$build/src/cli/dudode-tarif" dump "$work/prog" RATES.0 >"$work/dump.json"
python3 - "$work/dump.json" <<'PY'
import json, sys
doc = json.load(open(sys.argv[1]))
zone = doc["Zones"][0]
found = {
    "BaseConnectPrice": doc["BaseConnectPrice"], "Price": doc["Price"],
    "ConnectPrice": zone["ConnectPrice"], "MonthlyFee": zone["MonthlyFee"],
    "FreeSeconds": zone["WFreeTimes"][0]["FreeSeconds"],
    "Prices": sorted(e["PricePerUnit"] for e in zone["Werktag"]),
}
wanted = {"BaseConnectPrice": 0.05, "Price": 0.12, "ConnectPrice": 0.07, "MonthlyFee": 5.5,
          "FreeSeconds": 30.5, "Prices": [0.09, 0.15]}
for key in wanted:
    print(f"{key}: typed {wanted[key]}, saved {found[key]}")
sys.exit(0 if found == wanted else 1)
PY
echo "keyboard walk: the file holds exactly the typed values"
