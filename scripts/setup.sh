#!/usr/bin/env bash
# Installs the Debian 12 packages ZENITA needs to build, run and test.
# Safe to run again: it only calls apt-get when a package is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libqt6printsupport6
    fonts-liberation2
    poppler-utils
    libgtest-dev libgmock-dev libbenchmark-dev
    dpkg-dev desktop-file-utils appstream lintian
    clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
