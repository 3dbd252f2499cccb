#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the window icon's PNG sizes from packaging/rotavionix-control.svg
# into src/ui/icon/ (needs rsvg-convert, Debian package librsvg2-bin). Run it
# after changing the picture, and commit the PNGs.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
for side in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$side" -h "$side" "$root/packaging/rotavionix-control.svg" \
        -o "$root/src/ui/icon/rotavionix-control-$side.png"
done
