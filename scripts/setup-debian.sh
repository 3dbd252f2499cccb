#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need,
# only those that are missing. Safe to run again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-qpa-plugins libgl-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    clang libclang-rt-14-dev clang-tidy clang-format
    xvfb xauth fonts-dejavu-core libxcb-damage0-dev poppler-utils
    g++-mingw-w64-x86-64-posix python3
    dpkg-dev lintian appstream desktop-file-utils man-db
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
