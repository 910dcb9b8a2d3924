#!/usr/bin/env bash
# Sits a whole exam (run_exam.sh) with the program and every process it starts under strace, and
# fails if any of them changes the file system or reaches beyond the local sockets a desktop
# program needs:
#   - opens a file with O_WRONLY, O_RDWR, O_CREAT, O_TRUNC or O_TMPFILE, or calls creat;
#   - creates, renames, links, unlinks or truncates a file, makes or removes a directory, or
#     changes a file's mode, owner, times or extended attributes;
#   - opens a socket other than AF_UNIX, binds or listens on one, or connects anywhere but to
#     the X display and the session and accessibility buses.
# Attempts count even when they fail. The only exceptions are the toolkit's own, listed below,
# and they lie inside the scratch folder.
#   writes_nothing.sh PROGRAM SCRATCH_DIR
set -euo pipefail

here=$(dirname "$(realpath "$0")")
program=$1
scratch=$(realpath -m "$2")
trace=$(dirname "$scratch")/$(basename "$scratch").strace

command -v strace >/dev/null || { echo "strace is missing (bash tools/install-deps)" >&2; exit 1; }
rm -f "$trace"
# -y prints the path behind each descriptor, so a name relative to a directory descriptor
# (openat(7</dir>, "name", ...)) is judged by its full path.
bash "$here/run_exam.sh" "$program" "$scratch" \
    strace -f -qq -y -s 4096 -o "$trace" -e trace=%file,%network

[ -s "$trace" ] || { echo "strace wrote no trace to $trace" >&2; exit 1; }

awk -v scratch="$scratch" -v display="$(cat "$scratch/display")" -f "$here/trace_rules.awk" \
    "$trace" >"$scratch/changes.txt"

if [ -s "$scratch/changes.txt" ]; then
    echo "$(basename "$program") changed the file system or reached beyond the local sockets" \
        "(trace: $trace):" >&2
    cat "$scratch/changes.txt" >&2
    exit 1
fi
echo "$(basename "$program"): no file written, created, renamed or removed; only local sockets" \
    "($(grep -c . "$trace") calls traced)"
