#!/usr/bin/env bash
# The start-up benchmark's summary: numeric medians (odd and even counts) in the programs' order,
# varnel's ratios, and a run with failed or missing starts ends with status 1 and names them.
#   bench_summary_test.sh SUMMARY.awk
set -euo pipefail
summary=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fail() {
    echo "bench_summary_test: $*" >&2
    status=1
}

# summarise EXPECTED_STARTS: the summary of $scratch/results into $scratch/out and $scratch/err,
# its exit status in $code.
summarise() {
    code=0
    awk -v expected="$1" -v order="varnel floor" -f "$summary" "$scratch/results" \
        >"$scratch/out" 2>"$scratch/err" || code=$?
}
expect_line() {
    grep -qxF -- "$1" "$scratch/out" || fail "$2: no line '$1' in:"$'\n'"$(cat "$scratch/out")"
}

# Figures whose order as text differs from their order as numbers; floor's lines come first.
cat >"$scratch/results" <<'EOF'
Z:\b\floor.exe 100.0 110.0 20000 4000
Z:\b\floor.exe 300.0 330.0 22000 4200
Z:\b\varnel.exe 2000.0 2200.0 9000 900
Z:\b\varnel.exe 1000.0 1100.0 10000 1000
Z:\b\varnel.exe 50.0 60.0 25000 5000
EOF
summarise 5
[ "$code" -eq 0 ] || fail "all starts measured, yet exit status $code: $(cat "$scratch/err")"
expect_line "varnel         starts  3  median until shown  1000.0 ms  until ready  1100.0 ms  peak working set   10000 KiB  peak private    1000 KiB" \
    "odd count"
expect_line "floor          starts  2  median until shown   200.0 ms  until ready   220.0 ms  peak working set   21000 KiB  peak private    4100 KiB" \
    "even count"
expect_line "ratio varnel/floor:           until shown 5.00, until ready 5.00, peak working set 0.48, peak private 0.24" \
    "ratios"
[ "$(head -n 1 "$scratch/out" | cut -c1-6)" = varnel ] || fail "varnel is not listed first"

cat >"$scratch/results" <<'EOF'
Z:\b\varnel.exe 250.0 400.0 25000 6000
Z:\b\floor.exe failed ended-before-shown
Z:\b\varnel.exe 260.0 410.0 25000 6000
Z:\b\floor.exe 200.0 220.0 21000 4100
EOF
summarise 4
[ "$code" -eq 1 ] || fail "a failed start, yet exit status $code"
grep -qxF "FAILED starts of floor: ended-before-shown" "$scratch/err" ||
    fail "the failed start is not named: $(cat "$scratch/err")"
expect_line "floor          starts  1  median until shown   200.0 ms  until ready   220.0 ms  peak working set   21000 KiB  peak private    4100 KiB" \
    "the measured starts beside a failed one"

cat >"$scratch/results" <<'EOF'
Z:\b\varnel.exe 250.0 400.0 25000 6000
Z:\b\floor.exe 200.0 220.0 21000 4100
EOF
summarise 4
[ "$code" -eq 1 ] || fail "starts missing, yet exit status $code"
grep -qxF "FAILED: 2 starts recorded, 4 expected" "$scratch/err" ||
    fail "the missing starts are not reported: $(cat "$scratch/err")"

[ "$status" -eq 0 ] && echo "bench_summary_test: medians, ratios and failures as expected"
exit "$status"
