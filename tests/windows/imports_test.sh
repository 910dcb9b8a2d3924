#!/usr/bin/env bash
# Checks that each Windows executable imports only Windows' own DLLs (the C++ runtime, libgcc and
# winpthread are linked in statically) and is the kind of program it should be:
#   imports_test.sh OBJDUMP gui|console PROGRAM.exe...
# A window program (gui) runs without a console and carries the manifest that asks for the
# version-6 common controls and per-monitor pixel density.
set -euo pipefail
objdump=$1
kind=$2
shift 2

# Windows matches DLL names without regard to case (the 32-bit import libraries spell some in capitals).
allowed=" kernel32.dll user32.dll gdi32.dll comctl32.dll imm32.dll msvcrt.dll "
status=0
for program in "$@"; do
    name=$(basename "$program")
    headers=$("$objdump" -p "$program")
    dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
    [ -n "$dlls" ] || { echo "$name: no imports found"; status=1; }
    for dll in $dlls; do
        case $allowed in
            *" ${dll,,} "*) ;;
            *) echo "$name imports $dll, which is not one of Windows' own DLLs"; status=1 ;;
        esac
    done
    subsystem=$(sed -n 's/^Subsystem\s*\S*\s*//p' <<<"$headers")
    if [ "$kind" = gui ]; then
        [ "$subsystem" = "(Windows GUI)" ] || { echo "$name: subsystem $subsystem, not a window program"; status=1; }
        grep -q 'Microsoft.Windows.Common-Controls' "$program" &&
            grep -q 'PerMonitorV2, PerMonitor' "$program" ||
            { echo "$name: no application manifest"; status=1; }
    else
        [ "$subsystem" = "(Windows CUI)" ] || { echo "$name: subsystem $subsystem, not a console program"; status=1; }
    fi
    echo "$name:" $dlls
done
exit $status
