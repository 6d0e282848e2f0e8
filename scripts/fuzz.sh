#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan) in
# build/fuzz and runs one of them for a given time, single-process, from the
# seed files and a working corpus kept in build/fuzz/corpus/<target>.
#
#   scripts/fuzz.sh [target] [seconds] [more libFuzzer options...]
#
# target: fuzz_session (default; also feeds the bytes to the two settings
# readers), fuzz_prefs, fuzz_recent, fuzz_sbml (the SBML import) or
# fuzz_measurements (the measurement tables). Seeds:
# fuzz/corpus-seeds, the hostile files and past findings of tests/data, and
# the presets when there are any; for fuzz_sbml the SBML documents of
# fuzz/sbml-seeds (the forms the import tests use), the hostile and past
# SBML documents and the SBML export of every preset, made here.
# A finding is written to build/fuzz/findings/; reduce it, fix the fault and
# add the file to tests/data/fuzz-regressions, which the test suite replays.
# The last lines print the executions and the coverage of the run.
set -euo pipefail
cd "$(dirname "$0")/.."

target=${1:-fuzz_session}
seconds=${2:-600}
shift $(($# < 2 ? $# : 2))

# Named here only: the normal build and tests do not need clang.
bash scripts/install-deps.sh clang libclang-rt-dev

cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELUMBRA_FUZZ=ON -DVELUMBRA_BUILD_GUI=OFF -DVELUMBRA_BUILD_TESTS=OFF >/dev/null
cmake --build build/fuzz -j2 --target "$target"

corpus=build/fuzz/corpus/$target
mkdir -p "$corpus" build/fuzz/findings build/fuzz/logs
seeds=()
dict=fuzz/session.dict
if [ "$target" = fuzz_sbml ]; then
    dict=fuzz/sbml.dict
    made=build/fuzz/seeds/$target
    rm -rf "$made"
    mkdir -p "$made"
    cmake --build build/fuzz -j2 --target sbml_seeds
    shopt -s nullglob
    build/fuzz/bin/sbml_seeds "$made" presets/*.vsn
    cp fuzz/sbml-seeds/*.xml tests/data/hostile/*.xml tests/data/fuzz-regressions/*.xml "$made"
    shopt -u nullglob
    seeds+=("$made")
elif [ "$target" = fuzz_measurements ]; then
    # Tables as the import meets them: the kinetics exports of the presets,
    # the presets' own measurements written out as tables, the hostile and
    # past tables.
    dict=fuzz/table.dict
    made=build/fuzz/seeds/$target
    rm -rf "$made"
    mkdir -p "$made"
    cmake --build build/fuzz -j2 --target velumbra-batch
    n=0
    for preset in presets/*.vsn; do
        n=$((n + 1))
        build/fuzz/bin/velumbra-batch kinetics "$preset" -o "$made/export-$n.txt" 2>/dev/null || true
        awk -F= '/<measurements>/ { on = 1 } /<\/measurements>/ { on = 0 }
                 on && /columns=|row=/ { sub(/^[ \t]*[a-z]+=/, ""); sub(/\r$/, ""); print }' \
            "$preset" >"$made/measured-$n.txt"
        [ -s "$made/measured-$n.txt" ] || rm "$made/measured-$n.txt"
    done
    shopt -s nullglob
    cp tests/data/hostile/*.txt tests/data/fuzz-regressions/*.txt "$made"
    shopt -u nullglob
    seeds+=("$made")
else
    for d in fuzz/corpus-seeds tests/data/hostile tests/data/fuzz-regressions presets; do
        [ -d "$d" ] && seeds+=("$d")
    done
fi
log=build/fuzz/logs/$target-$(date +%Y%m%d-%H%M%S).log

# A smaller quarantine than the default 256 MB keeps freed memory in use
# instead of touching fresh pages at every input; a third faster here.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=0:quarantine_size_mb=32}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# One input must stay fast (timeout) and small in memory (malloc and RSS
# limits), so that a hang or an unbounded allocation is a finding too.
set +e
"build/fuzz/bin/$target" "$corpus" "${seeds[@]}" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
    -max_len=65536 -dict="$dict" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/findings/ "$@" >"$log" 2>&1
status=$?
set -e
grep -E 'ERROR|broken rule|SUMMARY|Test unit written|^stat::' "$log" || true
grep -E '^#[0-9]+' "$log" | grep -E 'INITED' | tail -1 || true
grep -E '^#[0-9]+' "$log" | tail -1 || true
echo "log: $log"
exit "$status"
