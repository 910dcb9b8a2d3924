#!/usr/bin/env bash
# Installs the three packages with dpkg into an empty scratch root, the way "apt install ./*.deb"
# installs them on a desktop, and checks what a user then has: each file in its package, stripped
# programs that run, the manual pages through man, and the licence and changelog of each package.
#   clean_install_test.sh PACKAGES_DIR SCRATCH_DIR SOURCE_DIR
set -euo pipefail
packages=$1 scratch=$2 source=$3
root=$scratch/root
admin=$root/var/lib/dpkg
rm -rf "$scratch"
mkdir -p "$admin"/{info,updates,triggers}
touch "$admin"/{status,available}
fail() { echo "FAILED: $*"; exit 1; }

# apt resolves the packages' dependencies on this machine, as "apt install ./*.deb" does (a dry run).
if command -v apt-get >/dev/null; then
    apt-get install --simulate "$packages"/*.deb >"$scratch/apt.out" 2>&1 ||
        { cat "$scratch/apt.out"; fail "apt-get install --simulate"; }
fi

# The scratch root holds none of the libraries the packages depend on, hence --force-depends.
dpkg --root="$root" --log="$scratch/dpkg.log" --force-not-root --force-depends \
    -i "$packages"/*.deb >"$scratch/dpkg.out" 2>&1 || { cat "$scratch/dpkg.out"; fail "dpkg -i"; }

# Each package installed, owning the files it should.
programs=(varnel dostrik)
declare -A ids=([varnel]=org.weldingexams.Varnel [dostrik]=org.weldingexams.Dostrik)
for package in varnel dostrik examtool; do
    status=$(dpkg-query --admindir="$admin" -W -f='${Status}' "$package")
    [ "$status" = "install ok installed" ] || fail "$package is \"$status\""
    files=(/usr/bin/$package /usr/share/man/man1/$package.1.gz /usr/share/doc/$package/copyright
           /usr/share/doc/$package/changelog.gz)
    if [ -n "${ids[$package]:-}" ]; then
        id=${ids[$package]}
        files+=(/usr/share/applications/$id.desktop /usr/share/icons/hicolor/scalable/apps/$id.svg
                /usr/share/metainfo/$id.metainfo.xml)
    fi
    listed=$(dpkg-query --admindir="$admin" -L "$package")
    for file in "${files[@]}"; do
        grep -qxF "$file" <<<"$listed" || fail "$package does not hold $file"
        [ -s "$root$file" ] || fail "$file is missing or empty after installing $package"
    done
    if command -v readelf >/dev/null && readelf -S "$root/usr/bin/$package" | grep -q '\.symtab'; then
        fail "/usr/bin/$package is not stripped"
    fi
done

# The stripped examtool still works.
"$root/usr/bin/examtool" check "$source/programs/varnel/bank.txt" --group-size 16 >/dev/null ||
    fail "the installed examtool rejects the Varnel bank"

# "man examtool" finds the installed page; it describes every command with each of its options.
# Pages are read without hyphenation, and phrases looked for with the lines joined.
manual() { MANPATH="$root/usr/share/man" MANWIDTH=80 LC_ALL=C.UTF-8 man --nh --nj "$1" 2>&1; }
joined() { tr -s ' \n' '  ' <<<"$1"; }
[ "$(MANPATH="$root/usr/share/man" man -w examtool)" = "$root/usr/share/man/man1/examtool.1.gz" ] ||
    fail "man does not find examtool(1) in the scratch root"
page=$(manual examtool) || fail "man examtool: $page"
for command in check stats draw show report audit coverage; do
    if ! help=$("$root/usr/bin/examtool" "$command" --help 2>/dev/null); then
        case $command in audit | coverage) continue ;; esac  # newer commands, when present
        fail "examtool $command --help"
    fi
    grep -qE "^   $command\$" <<<"$page" || fail "examtool(1) has no subsection for $command"
    for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
        [ "$option" = --help ] || grep -qF -- "$option" <<<"$page" ||
            fail "examtool(1) does not mention $option of $command"
    done
done
for section in SYNOPSIS DESCRIPTION COMMANDS EXAMPLES; do
    grep -qx "$section" <<<"$page" || fail "examtool(1) has no $section section"
done
grep -qi 'exit status: 0' <<<"$(joined "$page")" || fail "examtool(1) gives no exit statuses"
for program in "${programs[@]}"; do
    page=$(manual "$program") || fail "man $program: $page"
    for phrase in "takes no options" "writes nothing" "one exam"; do
        grep -qF "$phrase" <<<"$(joined "$page")" || fail "$program(1) does not say \"$phrase\""
    done
done

# One copyright file for all, in the machine-readable format, with the text of LICENSE; one
# changelog whose newest entry is the packages' version by their maintainer.
expected_licence=$(sed -n '/^Permission/,$p' "$source/LICENSE")
for package in varnel dostrik examtool; do
    doc=$root/usr/share/doc/$package
    cmp -s "$doc/copyright" "$root/usr/share/doc/varnel/copyright" ||
        fail "$package has a different copyright file"
    head -1 "$doc/copyright" |
        grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "$package: copyright is not in the machine-readable format"
    licence=$(grep '^ ' "$doc/copyright" | sed 's/^ //; s/^\.$//')  # the only continuation lines
    [ "$licence" = "$expected_licence" ] || fail "$package: copyright text differs from LICENSE"

    deb=$(ls "$packages/${package}"_*.deb)
    gunzip -c "$doc/changelog.gz" >"$scratch/changelog"
    for field in Version Maintainer; do
        [ "$(dpkg-parsechangelog -l "$scratch/changelog" -S $field)" = "$(dpkg-deb -f "$deb" $field)" ] ||
            fail "$package: the changelog's $field is not the package's"
    done
done
echo "clean install complete: varnel, dostrik, examtool"
