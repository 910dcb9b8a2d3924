#!/usr/bin/env bash
# Runs a Windows test program under Wine on a private headless X server of 1024 x 768, which is
# then the one monitor the program sees:
#   run_on_screen.sh [--dpi DPI] WINE_PREFIX PROGRAM.exe [ARGUMENTS...]
# With --dpi, the prefix's monitor has that density (see tools/wine/run).
set -euo pipefail
source "$(dirname "$0")/../../../tools/headless-display.sh"
here=$(cd "$(dirname "$0")" && pwd)
density=()
if [ "${1:-}" = --dpi ]; then
    density=(--dpi "$2")
    shift 2
fi
prefix=$1
shift
scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
start_headless_display "$scratch" || exit 1
# The program ends by itself; its own time limit is the test's. Its output goes through a file:
# Wine's background processes inherit it and stay until the Wine server ends, and a test runner
# reading a pipe would wait for them.
status=0
bash "$here/../../../tools/wine/run" "${density[@]}" "$prefix" "$@" >"$scratch/output" 2>&1 || status=$?
cat "$scratch/output"
exit $status
