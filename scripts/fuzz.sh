#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a set time, one after the other, with its
# dictionary fuzz/<name>.dict when there is one.
#   scripts/fuzz.sh BUILD_DIR SECONDS [SEED]
# With a SEED every target starts from that seed, so that a run (CI's) can be repeated input
# for input; without one each run explores afresh.
# New inputs a target finds go to BUILD_DIR/fuzz-corpus/<name>/, never into fuzz/corpus/ (the
# seeds); a crash, a hang or a failed check leaves its input in BUILD_DIR/fuzz-findings/ and
# makes the script fail once every target has had its turn.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:?build folder}
seconds=${2:?seconds per target}
seed=()
[ -n "${3:-}" ] && seed=(-seed="$3")
findings="$build/fuzz-findings"
mkdir -p "$findings"

failed=()
count=0
for target in "$build"/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=${target##*/fuzz_}
    corpus="$build/fuzz-corpus/$name"
    log="$build/fuzz-$name.log"
    mkdir -p "$corpus"
    count=$((count + 1))
    started="$build/fuzz-$name.started"
    touch "$started"
    dictionary=()
    [ -f "fuzz/$name.dict" ] && dictionary=(-dict="fuzz/$name.dict")
    "$target" "${dictionary[@]}" "${seed[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/$name-" "$corpus" "fuzz/corpus/$name" \
        >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    if [ "$status" -eq 0 ]; then
        echo "fuzz_$name: ${runs:-?} runs, ${speed:-?}/s, no finding"
    else
        echo "fuzz_$name: FAILED after ${runs:-?} runs (exit $status); see $log"
        grep -m1 -A1 -E "check failed|ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|runtime error" \
            "$log"
        # The input itself, so that a CI log alone is enough to replay the finding.
        find "$findings" -name "$name-*" -newer "$started" | while read -r input; do
            echo "  $input (base64): $(head -c 4096 "$input" | base64 -w0)"
        done
        failed+=("$name")
    fi
done
echo "fuzz: $((count - ${#failed[@]})) passed, ${#failed[@]} failed"
if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzz findings in: ${failed[*]} (inputs in $findings/)"
    exit 1
fi
