#!/usr/bin/env bash
# `make fuzz`: builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers on) and runs each for a bounded time, starting from the kept corpus.
#   FUZZ_SECONDS  time per target (default 60)
#   FUZZ_MAX_LEN  longest input tried (default 262144, so that a field pasted full of digits is
#                 reached, not only short numbers)
#   FUZZ_MERGE=1  afterwards fold the inputs that reached new code into fuzz/corpus/ (edges
#                 only, not hit counts, which keeps the kept corpus to about a hundred files)
set -eu
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
max_len=${FUZZ_MAX_LEN:-262144}
build=build-fuzz

tools/install-deps.sh clang-14 libclang-rt-14-dev
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DLIFTCALC_BUILD_UI=OFF -DLIFTCALC_BUILD_TESTS=OFF -DLIFTCALC_BUILD_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$build" --target fuzz_numbers fuzz_window fuzz_record

status=0
for target in numbers window record; do
    found="$build/found/$target"
    mkdir -p "$found" fuzz/crashes
    dict=()
    [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
    echo "== fuzz_$target for ${seconds}s"
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len="$max_len" \
        -print_final_stats=1 -artifact_prefix="fuzz/crashes/$target-" "${dict[@]}" \
        "$found" "fuzz/corpus/$target"; then
        echo "fuzz_$target failed: the reproducer is in fuzz/crashes/ (replay it with" \
            "$build/fuzz/fuzz_$target FILE); once fixed, move it into fuzz/corpus/$target/" >&2
        status=1
    fi
    if [ "${FUZZ_MERGE:-0}" = 1 ]; then
        "$build/fuzz/fuzz_$target" -merge=1 -use_counters=0 -max_len="$max_len" "fuzz/corpus/$target" "$found" 2>/dev/null
    fi
done
exit $status
