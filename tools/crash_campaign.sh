#!/usr/bin/env bash
# A manual fault-injection campaign on `zenita --import` with strace: the
# import is killed at each call of each file-system system call it makes
# (and, in a second round, that call fails), for a new city and a replace;
# after the next start (any command) the database must be byte for byte as
# before or as after the import, with no stray file; a failed import (status
# 2) must leave it as before, a successful one (0) as after. Needs strace.
# A failure injected into Qt's own start (its platform plugin) aborts before
# the database is looked at.
#
#   tools/crash_campaign.sh [ZENITA [EPW]]    (default: build/src/zenita and
#                                              the Bologna EPW file of data/)
set -euo pipefail
cd "$(dirname "$0")/.."
zenita=$(realpath "${1:-build/src/zenita}")
source=$(realpath "${2:-data/sources/epw/ITA_ER_Bologna-Marconi.AP.161400_TMYx.2004-2018.epw}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
app=$work/app
export QT_QPA_PLATFORM=offscreen

snapshot() { (cd "$app" && find . ! -name zenita ! -name '*.png' -print0 | sort -z |
    xargs -0 -I{} sh -c 'if [ -d "{}" ]; then echo "{} dir"; else sha256sum "{}"; fi'); }
reset() {
    rm -rf "$app"
    mkdir -p "$app/cidades"
    cp "$zenita" "$app/"
    grep -av '^Bologna' data/Latitudes.csv > "$app/Latitudes.csv"
    if [ "$1" = replace ]; then
        # The city as an import with other season starts wrote it.
        "$app/zenita" --import "$source" --spring 1/1/1 > /dev/null
    fi
}

total=0
bad=0
for scenario in new replace; do
    reset "$scenario"
    before=$(snapshot)
    "$app/zenita" --import "$source" --replace > /dev/null
    after=$(snapshot)
    for injection in signal=SIGKILL error=EIO; do
        for call in openat write fsync rename link unlink; do
            for ((n = 1; ; n++)); do
                reset "$scenario"
                status=0
                strace -f -qq -o "$work/trace" -e trace="$call" \
                    -e inject="$call:$injection:when=$n" \
                    "$app/zenita" --import "$source" --replace > "$work/out" 2>&1 || status=$?
                # Past the last such call nothing is injected: the next call.
                [ "$status" = 137 ] || grep -q INJECTED "$work/trace" || break
                "$app/zenita" --export-chart "$app/x.png" --latitude 0 > /dev/null 2>&1
                now=$(snapshot)
                total=$((total + 1))
                if [ "$now" != "$before" ] && [ "$now" != "$after" ]; then
                    bad=$((bad + 1))
                    echo "$scenario, $call #$n ($injection, status $status): neither before nor after"
                elif [ "$status" = 0 ] && [ "$now" != "$after" ]; then
                    bad=$((bad + 1))
                    echo "$scenario, $call #$n ($injection): status 0 but the import is not there"
                elif [ "$status" = 2 ] && [ "$now" != "$before" ]; then
                    bad=$((bad + 1))
                    echo "$scenario, $call #$n ($injection): status 2 but the database changed"
                fi
            done
        done
    done
done
echo "crash campaign: $total runs, $bad inconsistent"
[ "$bad" = 0 ]
