#!/usr/bin/env bash
# Starts a real program binary on a private headless X server as a desktop would, and checks what
# the platform sees of it:
#   - the command line reaches nothing: the program is started with "-stylesheet FILE -reverse"
#     under strace, and FILE is never opened;
#   - the window's class (WM_CLASS) is the StartupWMClass of the program's installed desktop
#     entry, so docks and task bars match the window to the entry;
#   - the window covers its share of the whole screen, not of the work area that a panel leaves
#     (the root window announces a work area 40 pixels short at the top);
#   - a close request of the platform (WM_DELETE_WINDOW, as a window manager's close command
#     sends) ends the program at once with exit status 0: on the title screen, or on ticket 15,
#     where End is hidden.
#   platform_start.sh PROGRAM CLOSE_REQUEST DESKTOP_FILE SCRATCH_DIR title|last_ticket|144dpi
# 144dpi runs on a 1536 x 1152 screen whose resources ask for 144 dpi (a device pixel ratio of
# 1.5) and checks the window's bounds in device pixels, then closes it on the title screen.
# EXAM_TIME_SCALE (default 1) stretches every wait for slow runs.
set -euo pipefail
source "$(dirname "$0")/../../tools/headless-display.sh"

program=$(realpath "$1")
close_request=$(realpath "$2")
desktop_file=$3
scratch=$(realpath -m "$4")
mode=$5
name=$(basename "$program")
scale=${EXAM_TIME_SCALE:-1}

fail() {
    echo "platform_start: $name ($mode): $*" >&2
    if [ -s "$scratch/program.log" ]; then
        echo "--- the program's output (last 50 lines) ---" >&2
        tail -n 50 "$scratch/program.log" >&2
    fi
    exit 1
}
seconds() { awk -v n="$1" -v s="$scale" 'BEGIN { printf "%d", n * s + 0.999 }'; }

for tool in Xvfb xdotool xprop xwininfo xclip strace setsid; do
    command -v "$tool" >/dev/null || fail "$tool is missing (bash tools/install-deps)"
done
[ -x "$program" ] || fail "no program at $program"
[ -s "$desktop_file" ] || fail "no desktop entry at $desktop_file"
case $mode in
    title | last_ticket) screen=1024x768 dpi= ;;
    144dpi) screen=1536x1152 dpi=144 ;;
    *) fail "unknown mode $mode" ;;
esac

rm -rf "$scratch"
mkdir -p "$scratch"/{home,config,cache,data,state,runtime}
chmod 700 "$scratch/runtime"

xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then
        kill -KILL -- "-$program_pid" 2>/dev/null || kill -KILL "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

# -noreset keeps the root window's properties set below once their setter disconnects.
start_headless_display "$scratch" "$screen" || fail "no headless X server"

width=${screen%x*}
height=${screen#*x}
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 40, $width, $((height - 40))"
if [ -n "$dpi" ]; then
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%s\n' "$dpi")"
fi

# A style sheet that would make the window's text area black, were it ever read.
printf 'QPlainTextEdit { background: black; }\n' >"$scratch/style.qss"
environment=(
    PATH="$PATH" LANG=C.UTF-8 DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb
    HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
    XDG_DATA_HOME="$scratch/data" XDG_STATE_HOME="$scratch/state"
    XDG_RUNTIME_DIR="$scratch/runtime" DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-bus"
)
for variable in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    if [ -n "${!variable:-}" ]; then
        environment+=("$variable=${!variable}")
    fi
done
(cd "$scratch/home" && exec setsid env -i "${environment[@]}" \
    strace -f -qq -o "$scratch/trace" -e trace=%file \
    "$program" -stylesheet "$scratch/style.qss" -reverse) \
    </dev/null >"$scratch/program.log" 2>&1 &
program_pid=$!

window=
deadline=$((SECONDS + $(seconds 60)))
until [ -n "$window" ]; do
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before its window appeared"
    [ $SECONDS -lt $deadline ] || fail "no window of class $name within $(seconds 60) s"
    sleep 0.2
    window=$(xdotool search --onlyvisible --class "^$name\$" 2>/dev/null | head -n 1) || true
done

# WM_CLASS(STRING) = "varnel", "varnel": the class is the second string.
class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
entry_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
[ -n "$class" ] || fail "the window has no WM_CLASS"
[ "$class" = "$entry_class" ] ||
    fail "the window's class is \"$class\", its desktop entry's StartupWMClass \"$entry_class\""

# With no window manager the window gets the keyboard only when given it.
timeout "$(seconds 30)" xdotool windowfocus --sync "$window" ||
    fail "the window did not take the keyboard focus within $(seconds 30) s"
# The outer bounds in device pixels (no window manager: no frame). On 1024 x 768 the window is
# 973 x 730 at 10, 7; at 144 dpi the exact 1459 x 1094 at 15, 11 of a 1536 x 1152 screen can
# be reached only to within a device pixel, the window being placed in steps of 1.5.
# The first activation lays the window out (size, then position); until then it has its design
# size, 443 x 299.
bounds() {
    xwininfo -id "$window" | awk '
        /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}
case $mode in
    144dpi) expected="15 11 1459 1094" slack=1 ;;
    *) expected="10 7 973 730" slack=0 ;;
esac
deadline=$((SECONDS + $(seconds 10)))
until read -r left top w h < <(bounds) &&
    awk -v got="$left $top $w $h" -v want="$expected" -v slack="$slack" 'BEGIN {
        split(got, g, " "); split(want, e, " ")
        for (i = 1; i <= 4; ++i) if (g[i] - e[i] > slack || e[i] - g[i] > slack) exit 1
    }'; do
    [ $SECONDS -lt $deadline ] ||
        fail "window at $left, $top, $w x $h, not $expected (within $slack)"
    sleep 0.1
done

if [ "$mode" = last_ticket ]; then
    xdotool key --delay 40 space
    for ticket in $(seq 1 14); do
        xdotool key --delay 40 2 Return space
    done
    # On to the text area (the answer box is empty, so Next stays hidden) and select all of
    # it: a question, not the results, is on show.
    xdotool key --delay 40 Tab ctrl+a
    sleep "$(seconds 1)"
    shown=$(timeout "$(seconds 10)" xclip -o -selection primary -target UTF8_STRING 2>/dev/null) ||
        true
    case "$shown" in
        "" | *"Всего задано вопросов:"*)
            fail "no question on show after fourteen tickets: \"${shown:0:60}\"" ;;
    esac
fi
kill -0 "$program_pid" 2>/dev/null || fail "the program ended before the close request"

"$close_request" "$window" || fail "the close request could not be sent"
deadline=$((SECONDS + $(seconds 10)))
while kill -0 "$program_pid" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "still running $(seconds 10) s after the close request"
    sleep 0.1
done
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "exit status $status after the close request"

# The trace must show the program at work (its fonts read) for its silence on FILE to count.
grep -q 'openat(.*\.ttf"' "$scratch/trace" || fail "the trace shows no font opened"
if grep -F "$scratch/style.qss" "$scratch/trace" | grep -v '^[0-9]* *execve(' >"$scratch/style.txt"; then
    fail "the style sheet named on the command line was touched: $(head -n 3 "$scratch/style.txt")"
fi
echo "$name ($mode): class $class, window $left, $top, $w x $h, closed with status 0; the" \
    "command line's style sheet never opened"
