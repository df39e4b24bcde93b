#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer in their own build folder and runs each for
# the given number of seconds, starting from its committed seed corpus (copied, so what a
# run finds stays in the build folder). Skips with a message when clang++ is missing.
# Fails when a target finds a crash, a leak, a timeout or an out-of-memory input; the input
# is kept under <build>/findings/<target>/.
# Usage: run.sh <build folder> <seconds per target> [target...]
set -u
build=$1 seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is not installed; skipping the fuzz targets (scripts/deps installs it)"
    exit 0
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    mkdir -p "$build"
    cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DCMAKE_CXX_COMPILER=clang++ -DBRELLIK_FUZZ=ON -DBRELLIK_E2E=OFF ${CMAKE_FLAGS:-} \
        >"$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=($(sed -n '/^set(FUZZ_TARGETS/,/)/p' "$here/CMakeLists.txt" |
                                      grep -o '[a-z_0-9]*_fuzz'))
cmake --build "$build" -j"${JOBS:-2}" --target "${targets[@]}" || exit 1

# The targets that play screens need the pictures of a game folder the main build made.
export BRELLIK_FUZZ_GAME_DIR=${BRELLIK_FUZZ_GAME_DIR:-$source_dir/${BUILD:-build}/game}
build=$(cd "$build" && pwd)  # some targets change their working folder
status=0
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    findings="$build/findings/$target"
    mkdir -p "$corpus" "$findings"
    cp -n "$here/corpus/${target%_fuzz}/"* "$corpus/" 2>/dev/null
    log="$build/findings/$target.log"
    "$build/tests/fuzz/$target" "$corpus" -max_total_time="$seconds" -timeout=30 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
        -close_fd_mask=3 >"$log" 2>&1
    code=$?
    runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
    if [ $code -eq 0 ]; then
        echo "fuzz: $target: ${runs:-?} runs in ${seconds} s, nothing found"
    else
        echo "fuzz: $target: FOUND a problem after ${runs:-?} runs (see $log, input in $findings)"
        grep -m 3 -E 'ERROR|SUMMARY|property broken|out-of-memory|timeout' "$log"
        status=1
    fi
done
exit $status
