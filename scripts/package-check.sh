#!/usr/bin/env bash
# Checks the two packages of scripts/package.sh as Debian would and as a new
# user would: lintian --pedantic and appstreamcli validate (any error or
# warning fails), then installs both with apt-get, opens the manual pages in
# English and German, tries the bash completion, starts the editor from its
# desktop entry on a virtual display, removes both and fails when anything of
# them is left behind. Run scripts/package.sh first. Not part of the test command.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

need=()
for p in lintian appstream bash-completion man-db xvfb xauth locales; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${need[@]}"
fi
DUDODE_WITH_XVFB=1 bash scripts/setup-debian.sh  # the German locale for the German manual pages

tarif=$(ls -1 build-package/dudode-tarif_*.deb | tail -n 1)
editor=$(ls -1 build-package/dudode-editor_*.deb | tail -n 1)
fail() { echo "FAILED: $*" >&2; exit 1; }

echo "== lintian --pedantic"
status=0
report=$(lintian --pedantic --display-info --show-overrides --fail-on error,warning "$tarif" "$editor" 2>&1) ||
  status=$?
report=$(grep -v 'running with root privileges' <<<"$report" || true)
echo "${report:-(no tags)}"
if [ "$status" -ne 0 ] || grep -q '^[EW]:' <<<"$report"; then fail "lintian reports errors or warnings"; fi

echo "== appstreamcli validate"
unpacked=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$unpacked" "$home"' EXIT
dpkg-deb -x "$editor" "$unpacked"
appstreamcli validate --no-net --pedantic --strict "$unpacked"/usr/share/metainfo/*.metainfo.xml
# The metadata together with the desktop entry it names.
appstreamcli validate-tree --no-net --pedantic --strict "$unpacked"

echo "== the command-line tool needs no Qt"
if dpkg-deb -f "$tarif" Depends | grep -qi qt; then fail "dudode-tarif depends on Qt"; fi
dpkg-deb -f "$tarif" Depends

echo "== install"
$sudo apt-get install -y "./$tarif" "./$editor"
trap '$sudo apt-get remove -y dudode-editor dudode-tarif >/dev/null 2>&1 || true; rm -rf "$unpacked" "$home"' EXIT
owned=$(dpkg -L dudode-tarif dudode-editor)
dudode-tarif --version
if ldd /usr/bin/dudode-tarif | grep -qi qt; then fail "dudode-tarif links Qt"; fi

# A new user: a home of its own with Debian's default .bashrc, its own data
# and runtime directories (so that an editor someone else runs does not count
# as "already running").
cp /etc/skel/.bashrc "$home/"
mkdir -m 700 "$home/run"
as_user() {
  env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$home/run" TERM=dumb MANPAGER=cat "$@"
}

echo "== manual pages"
for page in dudode-tarif dudode-editor; do
  en=$(as_user LANG=C.UTF-8 man "$page" 2>&1) || fail "man $page: $en"
  grep -q "^SYNOPSIS" <<<"$en" || fail "man $page shows no English page"
  de=$(as_user LANG=de_DE.UTF-8 man "$page" 2>&1) || fail "German man $page: $de"
  grep -q "^ÜBERSICHT" <<<"$de" || fail "LANG=de_DE.UTF-8 man $page shows no German page"
  grep -q "SIEHE AUCH" <<<"$de" || fail "German man $page lacks SIEHE AUCH"
  echo "$page: $(as_user LANG=C.UTF-8 man -w "$page"), $(as_user LANG=de_DE.UTF-8 man -w "$page")"
done

echo "== bash completion (interactive bash with the default .bashrc)"
# shellcheck disable=SC2016
complete_at() {
  as_user bash -ic '
    _completion_loader dudode-tarif
    complete -p dudode-tarif >/dev/null || exit 1
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _dudode_tarif dudode-tarif "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}"' bash "$@" 2>/dev/null
}
commands=$(complete_at dudode-tarif "")
if ! grep -qx dump <<<"$commands" || ! grep -qx provider <<<"$commands"; then
  fail "no commands completed: $commands"
fi
files=$(complete_at dudode-tarif dump /usr/share/dudode R)
grep -qx RATES.0 <<<"$files" || fail "no tariff files completed: $files"
flags=$(complete_at dudode-tarif resave /usr/share/dudode RATES.0 --)
grep -qx -- --keep-date <<<"$flags" || fail "no options completed: $flags"
echo "commands:" $commands
echo "files of /usr/share/dudode starting with R:" $files
echo "options of resave:" $flags

echo "== the editor from its desktop entry, under Xvfb"
entry=/usr/share/applications/dudode-editor.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry" | head -n 1)
exec_line=${exec_line//%[fFuUick]/}
shot=$PWD/build-package/editor-from-desktop-entry.png
# shellcheck disable=SC2016
as_user LANG=de_DE.UTF-8 xvfb-run -a bash -c '
  read -ra command <<<"$1"
  "${command[@]}" &
  pid=$!
  sleep 6
  kill -0 "$pid" 2>/dev/null || exit 1
  if command -v import >/dev/null; then import -window root "$2" || true; fi
  kill "$pid"
  wait "$pid" || true' bash "$exec_line" "$shot" || fail "the editor did not start from $entry"
echo "started \"$exec_line\"; screenshot: $shot"
compgen -G "$home/.local/share/dudode/[Rr][Aa][Tt][Ee][Ss].*" >/dev/null &&
  echo "sample files copied to the user's data directory"

echo "== remove"
$sudo apt-get remove -y dudode-editor dudode-tarif
trap 'rm -rf "$unpacked" "$home"' EXIT
left=0
while IFS= read -r path; do
  [ -e "$path" ] || [ -L "$path" ] || continue
  # Directories other packages own as well stay, as they should.
  if [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1; then continue; fi
  echo "left behind: $path" >&2
  left=1
done <<<"$owned"
[ "$left" -eq 0 ] || fail "removing the packages left files behind"
echo "both packages removed; nothing of them is left"
