#!/usr/bin/env bash
# Installs the build into a scratch prefix and builds the Debian package;
# both must hold the executable, the desktop entry and the icon.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for file in bin/rotavionix-control share/applications/rotavionix-control.desktop \
    share/icons/hicolor/scalable/apps/rotavionix-control.svg share/rotavionix-control/Default.rvc; do
    [ -e "$scratch/prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/*.deb)
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/rotavionix-control ./usr/share/applications/rotavionix-control.desktop \
    ./usr/share/icons/hicolor/scalable/apps/rotavionix-control.svg; do
    grep -q " $file\$" <<<"$contents" || { echo "missing in package: $file"; exit 1; }
done
echo "install and package: complete ($(basename "$deb"))"
