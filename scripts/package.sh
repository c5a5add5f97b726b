#!/usr/bin/env bash
# Sets up, builds ZENITA in Release with Debian's hardening flags and makes
# the Debian package build-package/zenita_VERSION_ARCH.deb; install it with
#   sudo apt install ./build-package/zenita_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
eval "$(dpkg-buildflags --export=sh)"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENITA_TESTS=OFF -DZENITA_BENCHMARKS=OFF
cmake --build build-package --target zenita -j "$(nproc)"
(cd build-package && cpack -G DEB)
ls build-package/zenita_*.deb
