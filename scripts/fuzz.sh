#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang and libFuzzer (under AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-fuzz/) and runs each on its seed inputs.
#   scripts/fuzz.sh           short run: each target a few thousand inputs (part of make test)
#   scripts/fuzz.sh SECONDS   each target for SECONDS seconds (make fuzz FUZZ_SECONDS=600)
# New inputs found on the way go to a scratch folder, never into the committed seeds; an input
# that breaks a target is kept in build-fuzz/findings/ (copy it into the target's corpus folder
# once the fault is mended, so that every later run tries it again).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-}
build=build-fuzz
short_runs=4000

skip() {
    echo "fuzz: SKIPPED - $*"
    exit 0
}

command -v clang++ >/dev/null 2>&1 || skip "clang++ is not installed (Debian packages clang, libclang-rt-14-dev)"
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf '#include <cstddef>\n#include <cstdint>\nextern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n' \
    >"$probe/probe.cpp"
clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1 ||
    skip "clang++ cannot link libFuzzer (Debian package libclang-rt-14-dev)"

export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DPALVO_FUZZ=ON -DPALVO_BUILD_TESTS=OFF -DPALVO_BUILD_BENCHMARKS=OFF -DPALVO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" --target palvo_fuzz_targets

targets=(ini_file_fuzz input_validation_fuzz bmp_decoder_fuzz journal_fuzz web_request_fuzz)
if [ -x "$build/tests/fuzz/qt_picture_fuzz" ]; then
    targets+=(qt_picture_fuzz)
else
    echo "fuzz: qt_picture_fuzz not built (no Qt 6), skipped"
fi

mkdir -p "$build/findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=0}
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
failed=()
for target in "${targets[@]}"; do
    seeds=tests/fuzz/corpus/$target
    scratch=$(mktemp -d)
    log=$build/findings/$target.log
    case $target in
        ini_file_fuzz | input_validation_fuzz) max_len=4096 ;;
        journal_fuzz | web_request_fuzz) max_len=16384 ;;
        *) max_len=65536 ;;
    esac
    if [ -n "$seconds" ]; then
        limit=(-max_total_time="$seconds")
    else
        limit=(-runs="$short_runs" -seed=1)
    fi
    if "$build/tests/fuzz/$target" "${limit[@]}" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" "$scratch" "$seeds" >"$log" 2>&1; then
        inputs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
        elapsed=$(sed -n 's/.*Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
        echo "fuzz: $target: ${inputs:-?} inputs in ${elapsed:-?} s, nothing found"
    else
        echo "fuzz: $target: FOUND A FAULT (log $log, input in $build/findings/):"
        grep -E "ERROR|SUMMARY|runtime error|deadly signal|Test unit written" "$log" | head -10 || tail -20 "$log"
        failed+=("$target")
    fi
    rm -rf "$scratch"
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: faults found by: ${failed[*]}"
    exit 1
fi
