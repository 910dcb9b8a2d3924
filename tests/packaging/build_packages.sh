#!/usr/bin/env bash
# Builds the three Debian packages from a build tree, as a release does.
#   build_packages.sh CPACK BUILD_DIR PACKAGES_DIR
set -euo pipefail
cpack=$1 build=$2 out=$3
rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
for package in varnel dostrik examtool; do
    ls "$out/${package}"_*.deb
done
