#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang and runs each for
# SECONDS (default 20), with seed corpora made from data/. What a run finds
# is kept in build-fuzz/corpus/, so a later run goes on from there; an input
# that breaks a harness is saved in build-fuzz/artifacts/ and the script
# fails.
#
#   scripts/fuzz.sh [SECONDS [TARGET...]]     targets: comma_text numbers
#       city_index regional_source epw city_files (all when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(comma_text numbers city_index regional_source epw city_files)
fi

launcher=()
if command -v ccache > /dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DCMAKE_CXX_COMPILER=clang++-14 -DZENITA_FUZZ=ON -DZENITA_TESTS=OFF -DZENITA_BENCHMARKS=OFF
cmake --build build-fuzz --target "${targets[@]/#/zenita_fuzz_}"

# Seeds: the bundled database, the EPW sources, and a regional source made
# from an hourly file (its month, day and hour rewritten as a year in order).
seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{comma_text,numbers,city_index,regional_source,epw,city_files}
cp data/Latitudes.csv "$seeds/city_index/"
cp data/cidades/*.csv "$seeds/city_files/"
cp data/sources/epw/*.epw "$seeds/epw/"
n=0
for file in data/Latitudes.csv data/cidades/*.csv; do
    head -n 2 "$file" > "$seeds/comma_text/$n"
    head -n 1 "$file" | tr ',' '\n' | head -n 3 > "$seeds/numbers/$n"
    n=$((n + 1))
done
for hourly in data/cidades/*.csv; do
    case "$hourly" in *.ventos.csv) continue ;; esac
    awk -F, -v OFS=, '
        BEGIN {
            split("31 28 31 30 31 30 31 31 30 31 30 31", days, " ")
            printf "Localização,Latitude,Longitude\r\nCidade Exemplo,-27.6,-48.5\r\n"
            printf "livre\r\nMês,Dia,Hora,TBS\r\n"
        }
        {
            sub(/\r$/, "")
            d = int((NR - 1) / 24)
            m = 1
            while (d >= days[m]) { d -= days[m]; m++ }
            $1 = m; $2 = d + 1; $3 = (NR - 1) % 24 + 1
            printf "%s\r\n", $0
        }' "$hourly" > "$seeds/regional_source/$(basename "$hourly")"
done

mkdir -p build-fuzz/artifacts build-fuzz/logs
failed=()
for target in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    log=build-fuzz/logs/$target.log
    if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        QT_QPA_PLATFORM=offscreen \
        "build-fuzz/tests/fuzz/zenita_fuzz_$target" -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix="build-fuzz/artifacts/$target-" "$corpus" "$seeds/$target" \
        > "$log" 2>&1; then
        echo "fuzz $target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log" | tail -n 1), no fault"
    else
        echo "fuzz $target: FAILED (log: $log)"
        tail -n 40 "$log"
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: harnesses that found a fault: ${failed[*]}"
    exit 1
fi
echo "fuzz: every harness ran without a fault"
