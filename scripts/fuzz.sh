#!/bin/sh
# Builds the libFuzzer targets of tests/fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) in build-fuzz/ and runs each in turn for
# SECONDS (default 60), starting from its seed corpus and the reproducers of
# past findings. New inputs collect in build-fuzz/corpus/<target>/, findings
# in build-fuzz/findings/. Exits non-zero when any target found something.
#   scripts/fuzz.sh [SECONDS]     (FUZZ_TARGETS="wav tga" picks targets)
# FUZZ_TIMEOUT (default 10) is the seconds one input may take before it counts
# as a hang; raise it when the fuzzers run at low priority on a busy machine.
set -e
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
FUZZ_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
ROOT=$(pwd)
if ! command -v clang++ >/dev/null 2>&1; then
    echo "scripts/fuzz.sh needs clang: apt-get install clang" >&2
    exit 1
fi
if [ ! -f "$FUZZ_DIR/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVRELS_FUZZ=ON -DVRELS_SKIP_TOOLS="artgen;musicgen;sfxgen;storygen;art;music;sfx;story"
fi
cmake --build "$FUZZ_DIR" --target fuzz-targets

mkdir -p "$FUZZ_DIR/findings"
# Leaks inside the system's libraries are listed there, not ours.
export LSAN_OPTIONS="suppressions=$ROOT/tests/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
failed=0
summary=""
for target in ${FUZZ_TARGETS:-map_reader map_dump map_source wav ini ranking replay tga ogg}; do
    # Absolute paths: the replay target moves into a folder of its own.
    corpus="$ROOT/$FUZZ_DIR/corpus/$target"
    mkdir -p "$corpus"
    inputs="$ROOT/tests/fuzz/corpus/$target"
    [ -d "tests/fuzz/reproducers/$target" ] && inputs="$inputs $ROOT/tests/fuzz/reproducers/$target"
    log="$FUZZ_DIR/findings/$target.log"
    echo "== $target: $SECONDS_EACH s"
    status=0
    # shellcheck disable=SC2086
    "$FUZZ_DIR/fuzz/vrels-fuzz-$target" "$corpus" $inputs -max_total_time="$SECONDS_EACH" \
        -timeout="${FUZZ_TIMEOUT:-10}" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$ROOT/$FUZZ_DIR/findings/$target-" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ "$status" -ne 0 ]; then
        failed=1
        tail -n 30 "$log"
        summary="$summary$target: FINDING after ${runs:-?} runs (see $log)\n"
    else
        summary="$summary$target: ${runs:-?} runs, no finding\n"
    fi
done
printf "%b" "$summary"
exit $failed
