#!/usr/bin/env bash
# The Wine runner passes the program's exit status on and, once the program has ended, leaves the
# prefix's lock free for the next run, although the Wine server and its services stay for it:
#   wine_run_test.sh RUNNER PREFIX
set -euo pipefail
runner=$1
prefix=$2
status=0
bash "$runner" "$prefix" cmd.exe /c exit 3 </dev/null >/dev/null 2>&1 || status=$?
if [ "$status" -ne 3 ]; then
    echo "the program ended with 3, the runner with $status"
    exit 1
fi
# A run that starts the server holds the lock for a few seconds; the server stays for 30 s.
if ! flock -w 20 "$prefix.lock" true; then
    echo "the lock is still taken 20 s after the run: the next run would wait for the Wine server to end"
    exit 1
fi
echo "exit status passed on, lock free"
