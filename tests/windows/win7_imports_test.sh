#!/usr/bin/env bash
# Checks that each Windows executable imports only functions that Windows 7 SP1 has, so that it
# starts there at all (Windows refuses to start a program one of whose imports is missing):
#   win7_imports_test.sh OBJDUMP LIST PROGRAM.exe...
# LIST holds one DLL!Function a line (# starts a comment); the DLL's name is compared without
# regard to case. A function that newer Windows added is loaded at run time instead
# (GetProcAddress), with a fallback for Windows 7.
set -euo pipefail
objdump=$1
list=$2
shift 2

known=$(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$list" |
    awk -F'!' '{ print tolower($1) "!" $2 }' | sort -u)
[ -n "$known" ] || { echo "$list lists no functions"; exit 1; }

status=0
for program in "$@"; do
    name=$(basename "$program")
    # objdump's import table: "DLL Name: X", then one line per function (hint, name) or ordinal.
    imports=$("$objdump" -p "$program" | awk '
        /^[[:space:]]*DLL Name:/ { dll = tolower($3); next }
        /^[[:space:]]*$/ { dll = "" }
        dll != "" && /^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[^[:space:]]+$/ {
            print dll "!" $3; next
        }
        dll != "" && /Ordinal/ { print dll "!<ordinal " $NF ">" }' | sort -u)
    [ -n "$imports" ] || { echo "$name: no imported functions found"; status=1; continue; }
    unknown=$(comm -23 <(echo "$imports") <(echo "$known"))
    if [ -n "$unknown" ]; then
        echo "$name imports functions not in $(basename "$list") (newer than Windows 7 SP1, or" \
            "not yet checked against it):"
        sed 's/^/    /' <<<"$unknown"
        status=1
    else
        echo "$name: $(wc -l <<<"$imports") imported functions, all in Windows 7 SP1"
    fi
done
exit $status
