#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz and runs each for a bounded time.
# Usage: fuzz/run-fuzzers.sh [SECONDS_PER_TARGET] [TARGET...]   (default 60 s, all targets)
# The corpus in fuzz/corpus/<name> is copied, never grown in place; findings go to
# build-fuzz/findings/<name>/. Exit status 1 when a target found a crash, a leak or a hang.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(rtf shapefile paramlist registry jpeg replace decode colourpass)
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DHTML_EDITOR_FUZZ=ON -DHTML_EDITOR_BUILD_TESTS=OFF -DHTML_EDITOR_BUILD_BENCH=OFF >/dev/null
ninja -C build-fuzz -j2 "${targets[@]/#/fuzz_}"

failed=0
for name in "${targets[@]}"; do
    work=build-fuzz/findings/$name
    rm -rf "$work" && mkdir -p "$work/corpus"
    cp fuzz/corpus/"$name"/* "$work/corpus/"
    echo "== fuzz_$name for $seconds s"
    if ! QT_QPA_PLATFORM=offscreen build-fuzz/fuzz/fuzz_"$name" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$work/" -print_final_stats=1 \
        "$work/corpus" >"$work/log.txt" 2>&1; then
        failed=1
        echo "   FOUND: see $work/log.txt and the crash-*, leak-*, timeout-* files beside it"
    fi
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$work/log.txt" | tail -2 || true
done
exit $failed
