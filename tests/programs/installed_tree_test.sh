#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs: both programs, their
# desktop entries, icons and metainfo, each valid.
#   installed_tree_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
prefix=$2/usr
rm -rf "$2"
cmake --install "$build" --prefix "$prefix" >/dev/null
for id in org.weldingexams.Varnel org.weldingexams.Dostrik; do
    for file in share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
                share/metainfo/$id.metainfo.xml; do
        [ -s "$prefix/$file" ] || { echo "missing $file"; exit 1; }
    done
    desktop-file-validate "$prefix/share/applications/$id.desktop"
    appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
    grep -q '^Name\[ru\]=' "$prefix/share/applications/$id.desktop"
    grep -q '^Comment\[ru\]=' "$prefix/share/applications/$id.desktop"
done
for program in varnel dostrik; do
    [ -x "$prefix/bin/$program" ] || { echo "missing bin/$program"; exit 1; }
done
echo "installed tree complete"
