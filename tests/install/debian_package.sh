#!/usr/bin/env bash
# Builds the Debian package of a build folder with CPack and checks what it
# holds, what it depends on, and what lintian says of it.
#   debian_package.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    exit 1
}
deb=$(echo "$work"/zenita_*.deb)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/zenita ./usr/share/zenita/Latitudes.csv \
            ./usr/share/zenita/cidades/los_angeles_intl_arpt.csv \
            ./usr/share/zenita/cidades/los_angeles_intl_arpt.ventos.csv \
            "./usr/share/applications/$app_id.desktop" \
            "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
            "./usr/share/icons/hicolor/16x16/apps/$app_id.png" \
            "./usr/share/icons/hicolor/256x256/apps/$app_id.png" \
            "./usr/share/metainfo/$app_id.metainfo.xml" \
            "./usr/share/mime/packages/$app_id.xml" \
            ./usr/share/man/man1/zenita.1.gz ./usr/share/doc/zenita/copyright; do
    grep -qxF "$path" <<<"$contents" || fail "not in the package: $path"
done

# The libraries come from the binary (dpkg-shlibdeps), the font is added.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6printsupport6 libc6 fonts-liberation2; do
    [[ $depends == *"$package"* ]] || fail "Depends lacks $package: $depends"
done

if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" 2>/dev/null || fail "lintian reports errors"
else
    echo "lintian is not installed: not run"
fi

if [ "$failures" -gt 0 ]; then
    exit 1
fi
echo "Debian package: all checks passed"
