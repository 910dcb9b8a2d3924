#!/usr/bin/env bash
# Sits a whole exam in a real program binary, from the keyboard as a candidate would, on a
# private headless X server: the title screen, fifteen tickets, the results, End. It fails unless
# the results screen shows the answers typed, the program is still running before End is pressed
# and it exits with status 0 after it.
#   run_exam.sh PROGRAM SCRATCH_DIR [PREFIX...]
# PREFIX is a command the program runs under (strace ..., valgrind ...); it must pass the
# program's exit status through. SCRATCH_DIR is emptied and becomes the program's HOME and
# XDG_* directories; it keeps the program's output (program.log) and the results text it showed
# (results.txt). EXAM_TIME_SCALE (default 1) stretches every wait for slow runs.
set -euo pipefail
source "$(dirname "$0")/../../tools/headless-display.sh"

program=$(realpath "$1")
scratch=$(realpath -m "$2")
shift 2
prefix=("$@")
name=$(basename "$program")
scale=${EXAM_TIME_SCALE:-1}

fail() {
    echo "run_exam: $name: $*" >&2
    if [ -s "$scratch/program.log" ]; then
        echo "--- the program's output (last 200 lines) ---" >&2
        tail -n 200 "$scratch/program.log" >&2
    fi
    exit 1
}

seconds() {  # seconds N: N seconds stretched by EXAM_TIME_SCALE
    awk -v n="$1" -v s="$scale" 'BEGIN { printf "%g", n * s }'
}

for tool in Xvfb xdotool xclip dbus-daemon setsid; do
    command -v "$tool" >/dev/null || fail "$tool is missing (bash tools/install-deps)"
done
[ -x "$program" ] || fail "no program at $program"

rm -rf "$scratch"
mkdir -p "$scratch"/{home,config,cache,data,state,runtime}
chmod 700 "$scratch/runtime"

xvfb_pid=
bus_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then
        kill -KILL -- "-$program_pid" 2>/dev/null || kill -KILL "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    for pid in $bus_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

start_headless_display "$scratch" || fail "no headless X server"
display=$DISPLAY

# Nothing of this machine's user settings, session or desktop reaches the program; the
# sanitizers' options do, for sanitizer builds.
environment=(
    PATH="$PATH" LANG=C.UTF-8 DISPLAY="$display" QT_QPA_PLATFORM=xcb
    HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
    XDG_DATA_HOME="$scratch/data" XDG_STATE_HOME="$scratch/state"
    XDG_RUNTIME_DIR="$scratch/runtime"
)
for variable in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    if [ -n "${!variable:-}" ]; then
        environment+=("$variable=${!variable}")
    fi
done

# A session bus of its own, as a desktop has one, listening in the scratch folder: the toolkit
# asks it about the accessibility bus. Without a bus, the D-Bus library would try to start one
# with dbus-launch.
mkdir "$scratch/bus"
cat >"$scratch/bus.conf" <<END
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$scratch/bus</listen>
  <standard_session_servicedirs/>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
END
env -i "${environment[@]}" dbus-daemon --nofork --config-file="$scratch/bus.conf" \
    --print-address=3 3>"$scratch/bus.address" >"$scratch/bus.log" 2>&1 &
bus_pid=$!
deadline=$((SECONDS + 30))
until grep -q . "$scratch/bus.address" 2>/dev/null; do
    kill -0 "$bus_pid" 2>/dev/null || fail "dbus-daemon did not start: $(cat "$scratch/bus.log")"
    [ $SECONDS -lt $deadline ] || fail "dbus-daemon gave no address within 30 s"
    sleep 0.1
done
environment+=(DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$scratch/bus.address")")

# The program (with its tracer) leads a process group of its own, so that a failed run can end
# all of it.
(cd "$scratch/home" && exec setsid env -i "${environment[@]}" "${prefix[@]}" "$program") \
    </dev/null >"$scratch/program.log" 2>&1 &
program_pid=$!

alive() {  # fails unless the program still runs; $1 says where the exam is
    kill -0 "$program_pid" 2>/dev/null && return 0
    local status=0
    wait "$program_pid" || status=$?
    program_pid=
    fail "the program ended $1 (exit status $status), before End was pressed"
}

window=
deadline=$((SECONDS + $(seconds 60 | cut -d. -f1)))
until [ -n "$window" ]; do
    alive "before its window appeared"
    [ $SECONDS -lt $deadline ] || fail "no window of class $name within $(seconds 60) s"
    sleep 0.2
    window=$(xdotool search --onlyvisible --class "^$name\$" 2>/dev/null | head -n 1) || true
done
# With no window manager the window gets the keyboard only when given it.
timeout "$(seconds 30)" xdotool windowfocus --sync "$window" ||
    fail "the window did not take the keyboard focus within $(seconds 30) s"

step=0.15
press() {  # press KEY...: each key down and up, then a pause for the program to take them
    xdotool key --delay 40 "$@"
    sleep "$step"
}

# The answers typed, ticket by ticket. Ticket 1 first gets keys the answer box refuses or that
# leave it empty (a letter, Enter on the empty box, 7, a digit taken back), then 3.
answers=(3 2 3 1 2 3 1 2 3 1 2 3 1 2 3)

press space                                      # the title screen's Next: ticket 1
for ticket in $(seq 1 15); do
    answer=${answers[ticket - 1]}
    if [ "$ticket" -eq 1 ]; then
        press x Return 7 2 BackSpace
    fi
    press "$answer" Return                       # Enter shows Next and gives it the focus
    alive "on ticket $ticket"
    press space                                  # Next: the following ticket, or the results
done

# The results: the text area comes after Next in tab order (the answer box is hidden now);
# select all of it, which also offers it as the X primary selection, and read that back.
press Tab ctrl+a
results=
deadline=$((SECONDS + $(seconds 60 | cut -d. -f1)))
while :; do
    alive "on the results screen"
    results=$(timeout "$(seconds 10)" xclip -o -selection primary -target UTF8_STRING 2>/dev/null) ||
        true
    case "$results" in *"Всего задано вопросов:"*) break ;; esac
    [ $SECONDS -lt $deadline ] || fail "no results text offered within $(seconds 60) s"
    sleep 0.5
done
printf '%s\n' "$results" >"$scratch/results.txt"

# 22 lines: the counts, the total, the table header, one row per ticket in order with the
# answer typed, the closing rule; a row ends in "неуд" exactly when its two answers differ.
problems=$(printf '%s\n' "$results" | awk -v typed="${answers[*]}" '
    BEGIN { split(typed, answer, " ") }
    { line[NR] = $0 }
    END {
        if (NR != 22) { print "the results hold " NR " lines, not 22"; exit }
        if (line[1] != "Всего задано вопросов:  15") print "line 1 is \"" line[1] "\""
        if (line[6] != " Билет  Вопрос Верно Ваш ответ") print "line 6 is \"" line[6] "\""
        right = 0
        for (n = 1; n <= 15; ++n) {
            fields = split(line[n + 6], f, " ")
            wrong = fields == 5 && f[5] == "неуд"
            if ((fields != 4 && !wrong) || f[1] != n || f[4] != answer[n] ||
                wrong != (f[3] != f[4]) || f[2] in seen) {
                print "row of ticket " n " is \"" line[n + 6] "\""
            }
            seen[f[2]] = 1
            right += !wrong
        }
        if (line[2] != sprintf("Правильных ответов:     %d", right)) {
            print "line 2 is \"" line[2] "\" while " right " rows are right"
        }
    }')
[ -z "$problems" ] || fail "wrong results ($scratch/results.txt): $problems"

# Back to Next, then to End, which closes the window and ends the program.
press shift+Tab shift+Tab
alive "before End"
xdotool key space
deadline=$((SECONDS + $(seconds 60 | cut -d. -f1)))
while kill -0 "$program_pid" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "still running $(seconds 60) s after End"
    sleep 0.2
done
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "exit status $status after End"
echo "$name: whole exam done, $(sed -n 2p "$scratch/results.txt" | tr -s ' ')"
