#!/usr/bin/env bash
# The start-up benchmark's measuring program counts only starts that showed their window: a
# program that cannot be started or ends before its window is shown is recorded as a failed
# start, not as a start-up time and memory figure, and the starts after it are still measured.
#   startup_bench_test.sh STARTUP_BENCH.exe PROGRAM.exe PROGRAM_CLASS ENDS_AT_ONCE.exe WINE_PREFIX
#                         SCRATCH_DIR
# PROGRAM shows a window of class PROGRAM_CLASS with a caption; ENDS_AT_ONCE shows none.
set -euo pipefail
source "$(dirname "$0")/../../tools/headless-display.sh"

bench=$(realpath "$1")
program=$(realpath "$2")
class=$3
ends_at_once=$(realpath "$4")
prefix=$(realpath -m "$5")
scratch=$(realpath -m "$6")
here=$(cd "$(dirname "$0")" && pwd)

rm -rf "$scratch"
mkdir -p "$scratch"
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT
start_headless_display "$scratch" || exit 1

to_windows() { printf 'Z:%s' "${1//\//\\}"; }
missing=$scratch/no-such-program.exe
# The bench program has time-outs of its own; the run ends when it does.
bash "$here/../../tools/wine/run" "$prefix" explorer "/desktop=bench-test-$$,1024x768" "$bench" \
    "$(to_windows "$scratch/results")" 1 \
    "$(to_windows "$missing")" "$class" \
    "$(to_windows "$ends_at_once")" "$class" \
    "$(to_windows "$program")" "$class" >"$scratch/wine.log" 2>&1 || true
for _ in $(seq 300); do [ -s "$scratch/results" ] && break; sleep 0.1; done

fail() {
    echo "startup_bench_test: $*" >&2
    [ -f "$scratch/results" ] && { echo "--- results ---" >&2; cat "$scratch/results" >&2; }
    exit 1
}
[ -s "$scratch/results" ] || fail "no results file"
[ ! -e "$scratch/results.part" ] || fail "the partial results file was left behind"
mapfile -t lines < <(tr -d '\r' <"$scratch/results")
[ ${#lines[@]} -eq 3 ] || fail "${#lines[@]} lines, 3 expected (one per start)"
[[ ${lines[0]} == *'\no-such-program.exe failed not-started' ]] ||
    fail "a program that cannot be started is not reported as such: ${lines[0]}"
[[ ${lines[1]} == *"\\$(basename "$ends_at_once") failed ended-before-shown" ]] ||
    fail "a program that ends without a window is not reported as such: ${lines[1]}"
# PROGRAM shown-ms ready-ms working-set-KiB private-KiB, the memory figures above zero.
[[ ${lines[2]} =~ \\$(basename "$program")\ ([0-9]+)\.[0-9]\ [0-9]+\.[0-9]\ [1-9][0-9]*\ [1-9][0-9]*$ ]] ||
    fail "the shown program's start is not measured: ${lines[2]}"
[ "${BASH_REMATCH[1]}" -gt 0 ] || fail "a start-up time of 0 ms: ${lines[2]}"
echo "startup_bench_test: failed starts reported, the shown window measured"
