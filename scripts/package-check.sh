#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a release build and checks it as a
# distribution would: lintian (no errors, no warnings), the AppStream
# metainfo, the desktop entry, the manual pages, and that installing and
# removing it leaves nothing behind. A check whose tool is missing is skipped
# with the reason; any other failure ends the script with status 1.
#   scripts/package-check.sh [BUILD-DIR]     (default build/release)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/release}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}
skip() {
    echo "skipped: $*"
}
have() {
    command -v "$1" >/dev/null 2>&1
}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRV_BUILD_TESTS=OFF \
        -DRV_BUILD_BENCH=OFF >/dev/null
fi
grep -q '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt" ||
    { echo "$build is not a release build"; exit 1; }
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/*.deb)
echo "package: $(basename "$deb")"
dpkg-deb -x "$deb" "$scratch/tree"
share=$scratch/tree/usr/share

depends=$(dpkg-deb -f "$deb" Depends)
grep -qE '(^|, )libc6( |,|$)' <<<"$depends" || fail "Depends does not come from the libraries: $depends"

for file in usr/bin/rotavionix-control usr/bin/rotavionix-cli \
    usr/share/applications/invalid.rotavionix.control.desktop \
    usr/share/metainfo/invalid.rotavionix.control.metainfo.xml \
    usr/share/mime/packages/rotavionix-control.xml \
    usr/share/man/man1/rotavionix-control.1.gz usr/share/man/man1/rotavionix-cli.1.gz \
    usr/share/doc/rotavionix-control/copyright usr/share/doc/rotavionix-control/changelog.gz \
    usr/share/icons/hicolor/scalable/apps/rotavionix-control.svg \
    usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/rotavionix-control.png; do
    [ -f "$scratch/tree/$file" ] || fail "missing in the package: $file"
done

echo "== lintian"
if have lintian; then
    lintian --fail-on error,warning "$deb" || fail "lintian"
else
    skip "lintian is not installed (apt-get install lintian)"
fi

echo "== AppStream metainfo"
metainfo=$share/metainfo/invalid.rotavionix.control.metainfo.xml
if have appstreamcli; then
    report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || true
    echo "$report"
    if grep -qE '^[EW]:' <<<"$report" || ! grep -q 'Validation was successful' <<<"$report"; then
        fail "appstreamcli validate"
    fi
else
    skip "appstreamcli is not installed (apt-get install appstream)"
fi
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ -f "$share/applications/$launchable" ] ||
    fail "the metainfo launches \"$launchable\", which the package does not hold"

echo "== desktop entry"
desktop=$share/applications/invalid.rotavionix.control.desktop
if have desktop-file-validate; then
    report=$(desktop-file-validate "$desktop" 2>&1) || true
    [ -z "$report" ] || fail "desktop-file-validate: $report"
else
    skip "desktop-file-validate is not installed (apt-get install desktop-file-utils)"
fi
grep -qx 'Exec=rotavionix-control %f' "$desktop" || fail "the desktop entry does not pass the file"
grep -qx 'MimeType=application/x-rotavionix-setup;' "$desktop" || fail "the desktop entry lists no MIME type"
grep -q '<glob pattern="\*\.rvc"/>' "$share/mime/packages/rotavionix-control.xml" ||
    fail "the MIME type has no *.rvc glob"

echo "== manual pages"
if have man; then
    for page in "$share"/man/man1/*.1.gz; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || true
        [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
    done
else
    skip "man is not installed (apt-get install man-db)"
fi

echo "== install and remove"
if have dpkg; then
    # A scratch root with a dpkg database of its own; the dependencies are
    # the real system's business, not this root's.
    target=$scratch/root
    mkdir -p "$target/var/lib/dpkg/info" "$target/var/lib/dpkg/updates"
    touch "$target/var/lib/dpkg/status"
    dpkg_root=(dpkg --root="$target" --log=/dev/null --force-not-root --force-depends)
    before=$(cd "$target" && find . -not -path './var/lib/dpkg*' | sort)
    "${dpkg_root[@]}" -i "$deb" >/dev/null 2>&1 || fail "dpkg -i"
    [ -x "$target/usr/bin/rotavionix-control" ] || fail "dpkg -i installed no program"
    "${dpkg_root[@]}" -r rotavionix-control >/dev/null 2>&1 || fail "dpkg -r"
    after=$(cd "$target" && find . -not -path './var/lib/dpkg*' | sort)
    [ "$before" = "$after" ] || fail "left behind after dpkg -r: $(comm -13 <(echo "$before") <(echo "$after") | tr '\n' ' ')"
else
    skip "dpkg is not installed"
fi

if [ "$failed" != 0 ]; then
    exit 1
fi
echo "package check: passed ($(basename "$deb"))"
