#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and builds the Debian package;
# both must hold the executables, the desktop entry, the icon and the neutral
# setup; the installed program must answer its command line without a display
# and find that setup on its first start.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for file in bin/rotavionix-control bin/rotavionix-cli share/applications/invalid.rotavionix.control.desktop \
    share/metainfo/invalid.rotavionix.control.metainfo.xml share/mime/packages/rotavionix-control.xml \
    share/man/man1/rotavionix-control.1.gz share/man/man1/rotavionix-cli.1.gz \
    share/icons/hicolor/scalable/apps/rotavionix-control.svg share/rotavionix-control/Default.rvc; do
    [ -e "$scratch/prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done

# The command-line tool runs without any display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$scratch/prefix/bin/rotavionix-cli" --version)
[ "${version%% *}" = rotavionix-cli ] || { echo "installed rotavionix-cli does not run: $version"; exit 1; }

# The window program answers --help and --version without a display, and
# refuses an unknown option before it writes any setting.
home=$scratch/home
without_display() {
    (cd "$scratch" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" \
        XDG_CONFIG_HOME="$home/config" "$scratch/prefix/bin/rotavionix-control" "$@")
}
help=$(without_display --help) || { echo "rotavionix-control --help failed without a display"; exit 1; }
grep -q '^Usage: rotavionix-control \[options\] \[FILE\]$' <<<"$help" ||
    { echo "rotavionix-control --help: $help"; exit 1; }
# It answers in the language of the locale, as the terminal speaks it.
help=$(LC_ALL=de_DE.UTF-8 without_display --help) || { echo "rotavionix-control --help failed in German"; exit 1; }
grep -q '^Aufruf: rotavionix-control \[Optionen\] \[FILE\]$' <<<"$help" &&
    grep -q 'Diese Hilfe zeigen und beenden' <<<"$help" ||
    { echo "rotavionix-control --help under LC_ALL=de_DE.UTF-8: $help"; exit 1; }
version=$(without_display --version) || { echo "rotavionix-control --version failed"; exit 1; }
grep -q GPL-3.0-or-later <<<"$version" || { echo "rotavionix-control --version names no licence"; exit 1; }
status=0
without_display --frobnicate >"$scratch/out" 2>"$scratch/err" || status=$?
[ "$status" = 2 ] && [ ! -s "$scratch/out" ] && grep -q frobnicate "$scratch/err" ||
    { echo "an unknown option: status $status, $(cat "$scratch/out" "$scratch/err")"; exit 1; }
[ ! -e "$home" ] || { echo "an unknown option wrote into the home folder"; exit 1; }
# A start without a display says so, in the terminal's language.
status=0
LC_ALL=de_DE.UTF-8 without_display >/dev/null 2>"$scratch/err" || status=$?
[ "$status" = 1 ] && grep -q "grafischen Desktop" "$scratch/err" ||
    { echo "a start without a display, in German: status $status, $(cat "$scratch/err")"; exit 1; }

# The installed program, started on a machine it has never run on, in an empty
# folder: it copies the shipped neutral setup to the documents folder and names
# that copy as "LastFile" (it then waits at the language prompt until stopped).
mkdir -p "$home" "$scratch/work" "$scratch/no-data"
run_installed() {
    local status=0
    (cd "$scratch/work" && env HOME="$home" XDG_CONFIG_HOME="$home/config" \
        XDG_DATA_HOME="$home/data" XDG_DATA_DIRS="$scratch/no-data" QT_QPA_PLATFORM=offscreen \
        timeout 5 "$scratch/prefix/bin/rotavionix-control" >/dev/null 2>&1) || status=$?
    [ "$status" = 124 ] || { echo "installed program ended by itself (status $status)"; exit 1; }
}
ini="$home/config/VORANE/Rotavionix Control.ini"
copy="$home/Documents/Rotavionix Control/Default.rvc"
run_installed
cmp -s "$copy" "$scratch/prefix/share/rotavionix-control/Default.rvc" ||
    { echo "first start: no copy of the neutral setup in the documents folder"; exit 1; }
grep -qxF "LastFile=$copy" "$ini" || { echo "first start: LastFile does not name the copy"; exit 1; }
[ -z "$(ls -A "$scratch/work")" ] || { echo "first start wrote into the working folder"; exit 1; }

# With the language chosen and "LastFile" back at the default, a copy the pilot
# has changed is opened as it is, never replaced.
printf '[Startup]\nComPort=1\nLastFile=Default.rvc\nLanguage=1\n' >"$ini"
printf 'tuned' >"$copy"
run_installed
[ "$(cat "$copy")" = tuned ] || { echo "the pilot's copy was overwritten"; exit 1; }
grep -qxF "LastFile=$copy" "$ini" || { echo "later start: LastFile does not name the copy"; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/*.deb)
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/rotavionix-control ./usr/bin/rotavionix-cli ./usr/share/applications/invalid.rotavionix.control.desktop \
    ./usr/share/icons/hicolor/scalable/apps/rotavionix-control.svg \
    ./usr/share/rotavionix-control/Default.rvc; do
    grep -q " $file\$" <<<"$contents" || { echo "missing in package: $file"; exit 1; }
done
echo "install and package: complete ($(basename "$deb"))"
