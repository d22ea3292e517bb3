#!/usr/bin/env bash
# Kills dudode-tarif with SIGKILL at random moments while it rewrites files
# (resave, vat, provider resave, templates resave on the sample files) and
# checks after every kill that each file is either complete old or complete
# new and that no temporary file outlives the next save. Not part of the
# test suite.
#   scripts/kill-loop.sh [runs] [path to dudode-tarif]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-400}"
cli="${2:-build/src/cli/dudode-tarif}"
[ -x "$cli" ] || { echo "no $cli: build the target dudode-tarif first" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
live="$work/live"
scratch="$work/scratch"
mkdir -p "$live"
cp data/* "$live/"

commands=(
  "resave RATES.0 --keep-date"
  "vat RATES.0 16 19 --keep-date"
  "vat RATES.0 19 16 --keep-date"
  "provider resave Provider.ini"
  "templates resave"
)
files=(RATES.0 RATES.1 Provider.ini ConnTemp.dat ConnTempEx.dat PhoneTemp.dat)

# The arguments of a command on a directory, in args.
arguments() {  # dir command...
  local dir="$1"
  shift
  case "$1" in
    provider | templates) args=("$1" "$2" "$dir" "${@:3}") ;;
    *) args=("$1" "$dir" "${@:2}") ;;
  esac
}
run_command() {
  arguments "$@"
  "$cli" "${args[@]}"
}

# How long one run takes, to spread the kills over it.
start=$(date +%s%N)
for _ in 1 2 3 4 5; do run_command "$live" resave RATES.0 --keep-date >/dev/null 2>&1; done
span_us=$(( ($(date +%s%N) - start) / 5000 * 2 ))
[ "$span_us" -lt 1000 ] && span_us=1000

old=0 new=0 torn=0 named=0 stray=0
for ((i = 0; i < runs; i++)); do
  read -r -a cmd <<<"${commands[$((i % ${#commands[@]}))]}"
  # The complete new state: the same command run to its end on a copy.
  rm -rf "$scratch" && cp -a "$live" "$scratch"
  run_command "$scratch" "${cmd[@]}" >/dev/null 2>&1 || true
  rm -rf "$work/old" && cp -a "$live" "$work/old"

  # Started directly, so that the kill hits the program itself.
  arguments "$live" "${cmd[@]}"
  "$cli" "${args[@]}" >/dev/null 2>&1 &
  pid=$!
  sleep "$(printf '0.%06d' $(( (RANDOM * 32768 + RANDOM) % span_us )))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true

  state=same
  for f in "${files[@]}"; do
    if cmp -s "$live/$f" "$work/old/$f"; then
      :
    elif cmp -s "$live/$f" "$scratch/$f"; then
      state=changed
    else
      state=torn
      echo "run $i (${cmd[*]}): $f is neither old nor new" >&2
      break
    fi
  done
  case "$state" in
    same) old=$((old + 1)) ;;
    changed) new=$((new + 1)) ;;
    torn) torn=$((torn + 1)) ;;
  esac
  # A kill between naming the new file and renaming it may leave it; the
  # next save of that file must remove it.
  if ls -A "$live" | grep -q '^\.'; then
    named=$((named + 1))
    echo "run $i (${cmd[*]}): left $(ls -A "$live" | grep '^\.' | tr '\n' ' ')" >&2
    run_command "$live" "${cmd[@]}" >/dev/null 2>&1 || true
    if ls -A "$live" | grep -q '^\.'; then
      stray=$((stray + 1))
      echo "run $i: still there after the next save" >&2
      find "$live" -name '.*' -type f -delete
    fi
  fi
done

echo "runs: $runs  killed before a change: $old  changed completely: $new  torn: $torn" \
  " temporary files left by a kill: $named  still there after the next save: $stray"
[ "$torn" -eq 0 ] && [ "$stray" -eq 0 ]
