#!/usr/bin/env bash
# Installs the built package with apt-get, runs dudode-tarif --version, starts
# the editor on a virtual display for a few seconds and removes the package
# again. Run scripts/package.sh first. Not part of the test command.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(ls -1 build-package/dudode_*.deb | tail -n 1)
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"

echo "== install $deb"
$sudo apt-get install -y "./$deb"
trap '$sudo apt-get remove -y dudode >/dev/null || true' EXIT

echo "== dudode-tarif --version"
dudode-tarif --version
man -w dudode-tarif >/dev/null && echo "manual page installed"

echo "== editor under Xvfb"
home=$(mktemp -d)
mkdir -m 700 "$home/run"
status=0
# A fresh user: own data directory, and a runtime directory of its own so
# that an editor someone else runs does not count as "already running".
HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run" \
  timeout 8 xvfb-run -a /usr/bin/dudode-editor || status=$?
# timeout ends an editor that is still running with 124: it started fine.
if [ "$status" -ne 124 ]; then
  echo "the editor ended by itself with status $status" >&2
  exit 1
fi
ls "$home/.local/share/dudode" | grep -qi '^rates\.' && echo "sample files copied to the user's data directory"
rm -rf "$home"

echo "== remove"
$sudo apt-get remove -y dudode
trap - EXIT
if [ -e /usr/bin/dudode-tarif ] || [ -e /usr/bin/dudode-editor ]; then
  echo "the programs are still installed" >&2
  exit 1
fi
echo "package removed cleanly"
