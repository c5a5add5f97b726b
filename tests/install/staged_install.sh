#!/usr/bin/env bash
# Installs ZENITA into a staging folder (DESTDIR) and runs the installed
# program there as a user meets it: the installed database read-only, the
# user's data folder under a temporary XDG_DATA_HOME.
#   staged_install.sh BUILD_DIR SOURCE_DIR APP_ID
set -euo pipefail
build=$1
source=$2
app_id=$3

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
zenita=$stage/usr/bin/zenita
share=$stage/usr/share/zenita

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# ---- What is installed ----
for path in usr/bin/zenita usr/share/zenita/Latitudes.csv \
            usr/share/zenita/cidades/bologna_marconi_ap.ventos.csv \
            "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
            "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
            "usr/share/icons/hicolor/48x48/apps/$app_id.png" usr/share/man/man1/zenita.1.gz; do
    [ -f "$stage/$path" ] || fail "not installed: $path"
done
desktop-file-validate "$stage/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate"

# ---- The installed program, by a user who cannot write the installed database ----
chmod -R a-w "$share"
shipped_sums() { (cd "$share" && find . -type f -exec sha256sum {} + | sort); }
shipped_before=$(shipped_sums)

home=$work/home
mkdir "$home"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    # Root writes through any permission: the program runs as nobody instead.
    chown nobody:nogroup "$home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
data=$home/dados/zenita
user_env=(env HOME="$home" XDG_DATA_HOME="$home/dados" XDG_RUNTIME_DIR= QT_QPA_PLATFORM=)
run() { "${as_user[@]}" "${user_env[@]}" "$zenita" "$@"; }
# A window still open after a few seconds is closed by timeout (status 124).
run_window() { timeout 4 "${as_user[@]}" "${user_env[@]}" "$zenita" "$@"; }

out=$(run --help) || fail "--help: status $?"
[[ $out == "Uso: zenita"* && $out == *"--database DIR"* ]] || fail "--help: $out"
[ "$(run --version)" = "ZENITA 6.2" ] || fail "--version"
[ ! -e "$data" ] || fail "--help or --version made the data folder"

status=0
run_window -platform offscreen 2>/dev/null || status=$?
[ "$status" -eq 124 ] || fail "-platform offscreen: exited with $status instead of showing the window"
cmp -s "$data/Latitudes.csv" "$share/Latitudes.csv" || fail "first start: no copy of the database"
cmp -s "$data/cidades/changi_intl_ap.csv" "$share/cidades/changi_intl_ap.csv" ||
    fail "first start: city files not copied"

# An import writes only in the user's folder.
sed '1s/^LOCATION,Changi Intl AP,/LOCATION,Cidade Teste,/' \
    "$source/data/sources/epw/SGP_SG_Changi.Intl.AP.486980_TMYx.epw" >"$work/teste.epw"
run --import "$work/teste.epw" >/dev/null 2>&1 || fail "--import: status $?"
grep -q '^Cidade_Teste,' "$data/Latitudes.csv" || fail "--import: the city is not in the user's index"
[ -f "$data/cidades/cidade_teste.csv" ] || fail "--import: no hourly file in the user's folder"
[ "$(shipped_sums)" = "$shipped_before" ] || fail "the installed database changed"

# A second start keeps the user's cities.
index_before=$(sha256sum <"$data/Latitudes.csv")
run --export-chart "$home/teste.png" --city Cidade_Teste --overlay temperaturas 2>/dev/null ||
    fail "second start: the imported city cannot be drawn"
[ "$(sha256sum <"$data/Latitudes.csv")" = "$index_before" ] || fail "second start: the user's index changed"

# --database chooses the folder for the command.
mkdir "$work/outra"
cp -r "$share/." "$work/outra/"
chmod -R a+rwX "$work/outra"
run --import "$work/teste.epw" --database "$work/outra" >/dev/null 2>&1 || fail "--database: status $?"
grep -q '^Cidade_Teste,' "$work/outra/Latitudes.csv" || fail "--database: not imported there"

# A climate file opens the window (the import window on it: see the window's tests).
status=0
run_window -platform offscreen "$work/teste.epw" 2>/dev/null || status=$?
[ "$status" -eq 124 ] || fail "a file argument: exited with $status instead of showing the window"
status=0
run notas.txt 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "a file that is not .epw or .csv: status $status"
status=0
run --desconhecida 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "an unknown option: status $status"

if [ "$failures" -gt 0 ]; then
    exit 1
fi
echo "staged install: all checks passed"
