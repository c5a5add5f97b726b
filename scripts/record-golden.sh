#!/usr/bin/env bash
# Records the golden matrix of exports again (tests/app/golden_exports.txt),
# for when a change of a picture is intended. Review the file's diff before
# committing it: every changed line is a picture that changed.
set -euo pipefail
cd "$(dirname "$0")/.."

export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target zenita_app_tests
ZENITA_RECORD_GOLDEN=1 build/tests/zenita_app_tests --gtest_filter='Matrix/GoldenExports.*'
git --no-pager diff --stat -- tests/app/golden_exports.txt
