#!/usr/bin/env bash
# lintian on the three packages must report no error and no warning (information tags are allowed).
#   lintian_test.sh PACKAGES_DIR
set -euo pipefail
if ! command -v lintian >/dev/null; then
    echo "SKIPPED: lintian is not installed (tools/install-deps installs it)"
    exit 77
fi
debs=("$1"/*.deb)
[ ${#debs[@]} -eq 3 ] || { echo "expected 3 packages in $1, found ${#debs[@]}"; exit 1; }

# lintian warns on standard error when run as root; that line is not about the packages.
status=0
report=$(lintian --fail-on error,warning --no-tag-display-limit "${debs[@]}" 2>&1) || status=$?
report=$(grep -v '^running with root privileges is not recommended!$' <<<"$report" || true)
[ -z "$report" ] || echo "$report"
if [ $status -ne 0 ] || grep -q '^[EW]: ' <<<"$report"; then
    echo "lintian reports errors or warnings (exit status $status)"
    exit 1
fi
echo "lintian: no errors, no warnings in ${debs[*]##*/}"
