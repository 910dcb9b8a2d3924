#!/usr/bin/env bash
# Writes the manual page examtool(1) from the tool's own help, so that the page cannot fall behind
# the tool. help2man turns "examtool --help" into the page; each command listed there becomes a
# subsection of COMMANDS made the same way from "examtool COMMAND --help". The name, the examples
# and the references come from a hand-written help2man include file.
#   examtool_page.sh EXAMTOOL VERSION INCLUDE_FILE OUTPUT
# Set SOURCE_DATE_EPOCH for a page that does not change with the day it is built.
set -euo pipefail
tool=$1 version=$2 include=$3 output=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# help2man runs the program through the shell and names the page after it: a link with a plain
# name keeps both right wherever the build folder is.
ln -s "$(realpath "$tool")" "$work/examtool"
h2m=(help2man --locale=C.UTF-8 --no-info --section=1 --version-string="$version")

# The commands are the words that begin the indented lines of the help's command list.
commands=$("$work/examtool" --help | awk '
    /^[A-Za-z ]*ommands:$/ { listing = 1; next }
    listing && /^$/        { listing = 0 }
    listing && /^  [a-z]/  { print $1 }')
if [ -z "$commands" ]; then
    echo "examtool_page.sh: no command list found in the output of examtool --help" >&2
    exit 1
fi

{
    echo "[COMMANDS]"
    for command in $commands; do
        "${h2m[@]}" --name="$command" --help-option="$command --help" "$work/examtool" \
            >"$work/$command.1"
        echo ".SS $command"
        # The command's synopsis, then its description and options. Headings inside a subsection
        # become the first line of a plain paragraph, and the exit statuses, the same for every
        # command, are left to the page's description.
        awk '
            /^\.SH SYNOPSIS/    { part = "synopsis"; next }
            /^\.SH DESCRIPTION/ { part = "body"; print ".PP"; next }
            part == ""          { next }
            part == "synopsis"  { gsub(/-/, "\\-"); print; next }
            /^\.SH /            { print ".PP"; skipping = 0; next }
            /^\.SS /            { sub(/^\.SS +/, ""); gsub(/"/, ""); gsub(/-/, "\\-")
                                  print ".PP"; print; skipping = 0; next }
            /^Exit status:/     { skipping = 1; next }
            skipping && /^\./   { skipping = 0 }
            skipping            { next }
            { print }' "$work/$command.1"
    done
} >"$work/commands.h2m"

"${h2m[@]}" --include="$work/commands.h2m" --include="$include" --output="$work/examtool.1" \
    "$work/examtool"

# Tidying: a command list whose summaries stand on their own lines becomes a list of tagged
# paragraphs, and empty paragraphs go.
awk '
    /^\.SS ".*ommands:"$/       { listing = 1; print; next }
    listing && /^\.(PP|SS|SH)/  { listing = 0 }
    listing && /^\.IP$/         { if (tagged = !tagged) print ".TP"; next }
    /^\.PP$/                    { paragraph = 1; next }
    paragraph && !/^\.(SS|SH) / { print ".PP" }
                                { paragraph = 0; print }' "$work/examtool.1" >"$work/tidy.1"
mv "$work/tidy.1" "$output"
