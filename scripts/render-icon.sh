#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the icon's PNG sizes from packaging/rotavionix-control.svg into
# packaging/icons/ (needs rsvg-convert, Debian package librsvg2-bin): the window
# shows them and the package installs them for menus. Run it after changing
# the picture, and commit the PNGs.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
for side in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$side" -h "$side" "$root/packaging/rotavionix-control.svg" \
        -o "$root/packaging/icons/rotavionix-control-$side.png"
done
