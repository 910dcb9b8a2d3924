#!/usr/bin/env bash
# Sits a whole exam in a Windows program under Wine, from the keyboard and mouse as a candidate
# would, in a Wine virtual desktop of 1024 x 768 on a private headless X server, and reads the
# window back with the test-only window reader after every step: caption, title screen, each ticket's
# text against the bank, the answer box's key filter, which controls each screen shows and where
# the focus is, the 22 lines of the results (against examtool), and End with exit status 0.
#   whole_exam.sh NAME PROGRAM.exe WINDOW_READER.exe EXAMTOOL.exe BANK WINE_PREFIX SCRATCH_DIR [title]
# NAME (varnel or dostrik) selects the facts below; PROGRAM is that program's build with the
# clock at midnight UTC. With "title" the program may be the real one (its exam depends on the
# time): the run checks the title screen and ends the program there with End.
set -euo pipefail
source "$(dirname "$0")/../../tools/headless-display.sh"

name=$1
program=$(realpath "$2")
window_reader=$(realpath "$3")
examtool=$(realpath "$4")
bank=$(realpath "$5")
prefix=$(realpath -m "$6")
scratch=$(realpath -m "$7")
only_title=$([ "${8:-}" = title ] && echo 1 || echo 0)
here=$(cd "$(dirname "$0")" && pwd)
wine_run=(bash "$here/../../tools/wine/run" "$prefix")

case $name in
    varnel)
        group_size=16
        caption="СОСУДЫ, РАБОТАЮЩИЕ ПОД ДАВЛЕНИЕМ.   Способ сварки: РД.    1 УРОВЕНЬ     (ЭКЗАМЕН)   "
        subject="                СОСУДЫ, РАБОТАЮЩИЕ ПОД ДАВЛЕНИЕМ "
        questions=(4 125 197 43 52 154 76 138 84 162 20 102 211 188 228)
        ;;
    dostrik)
        group_size=12
        caption="МЕТАЛЛИЧЕСКИЕ И ЖЕЛЕЗОБЕТОННЫЕ КОНСТРУКЦИИ.  Способ сварки: РД.  1 УРОВЕНЬ     (ЭКЗАМЕН)   "
        subject="        МЕТАЛЛИЧЕСКИЕ И ЖЕЛЕЗОБЕТОННЫЕ КОНСТРУКЦИИ"
        questions=(3 94 148 32 39 115 57 103 63 121 15 77 158 141 171)
        ;;
    *)
        echo "whole_exam: unknown program $name" >&2
        exit 2
        ;;
esac

rm -rf "$scratch"
mkdir -p "$scratch"
desktop=exam-$name-$$
step=start

fail() {
    echo "whole_exam: $name: $step: $*" >&2
    [ -s "$scratch/state" ] && { echo "--- the window's last state ---" >&2; cat "$scratch/state" >&2; }
    exit 1
}

xvfb_pid=
launcher_pid=
watchdog_pid=
cleanup() {
    [ -n "$watchdog_pid" ] && kill "$watchdog_pid" 2>/dev/null || true
    # The program is ended through its window, never by killing Wine's launcher.
    if [ -n "$launcher_pid" ] && kill -0 "$launcher_pid" 2>/dev/null; then
        read_window close >/dev/null 2>&1 || true
        for _ in $(seq 50); do
            kill -0 "$launcher_pid" 2>/dev/null || break
            sleep 0.1
        done
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

read_window() {  # read_window COMMAND...: the window reader on the exam's desktop, within 30 s
    timeout 30 "${wine_run[@]}" "$window_reader" "$desktop" "$@"
}

# expect LINE...: waits until the window's state holds every line; keeps the state in $scratch.
expect() {
    printf '%s\n' "$@" | read_window wait 10000 >"$scratch/state" 2>"$scratch/missing" ||
        fail "$(cat "$scratch/missing")"
}

# The text area's lines in the last state.
shown_text() {
    sed -n 's/^TextArea\.line=//p' "$scratch/state"
}

# What a ticket shows for question $1: its block from the bank without the header and the
# reference line, the asterisk line as the options heading.
bank_question() {
    iconv -f CP1251 -t UTF-8 "$bank" | awk -v q="$1" '
        /^#/ { n++; next }
        n != q || /^\\/ { next }
        $0 == "*" { print ""; print "   ------  ВАРИАНТЫ  ОТВЕТА  -------"; print ""; next }
        { print }'
}

correct_answer() {
    iconv -f CP1251 -t UTF-8 "$bank" | awk -v q="$1" '/^#/ && ++n == q { sub(/.*\./, ""); print }'
}

ticket_title() {
    if [ "$1" -eq 15 ]; then
        printf 'ПОСЛЕДНИЙ   БИЛЕТ  %3d' "$1"
    else
        printf 'БИЛЕТ  %3d' "$1"
    fi
}

# Keys and clicks go to the virtual desktop, which hands them to the focused control.
key() { xdotool key --delay 30 "$@"; }
click() {  # click CONTROL: the middle of the control on the screen
    local rect
    rect=$(sed -n "s/^$1\.screen=//p" "$scratch/state")
    set -- $rect
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
}

# End, from a screen where Next has the focus: Shift+Tab goes to End, Enter presses it; the
# window closes and the program exits with status 0.
end_exam() {
    step="End"
    key shift+Tab
    expect focus=EndButton
    key Return
    read_window gone 10000 || fail "the window is still open after End"
    wait "$launcher_pid" || true
    launcher_pid=
    [ "$(tr -d '\r' <"$scratch/status" 2>/dev/null)" = "exit=0" ] ||
        fail "exit status: $(cat "$scratch/status" 2>/dev/null || echo none)"
}

for tool in Xvfb xdotool iconv timeout; do
    command -v "$tool" >/dev/null || fail "$tool is missing (bash tools/test windows)"
done

start_headless_display "$scratch" || fail "no headless X server"

# The watchdog: a run that hangs is ended through the window after 150 s.
(
    trap 'kill "$sleeper" 2>/dev/null; exit 0' TERM
    sleep 150 &
    sleeper=$!
    wait "$sleeper"
    echo "whole_exam: $name: the watchdog ends the run" >&2
    read_window close >/dev/null 2>&1 || true
) &
watchdog_pid=$!

windows_path() { printf 'Z:%s' "${1//\//\\}"; }
"${wine_run[@]}" explorer "/desktop=$desktop,1024x768" "$window_reader" run \
    "$(windows_path "$scratch/status")" "$(windows_path "$program")" >"$scratch/wine.log" 2>&1 &
launcher_pid=$!

step="title screen"
expect "caption=$caption" "window=10 7 973 730" "active=1" "focus=NextButton" \
    TitleLabel.visible=0 PromptLabel.visible=0 AnswerBox.visible=0 NextButton.visible=1 EndButton.visible=1 BrandLabel.visible=1 \
    "BrandLabel.text=ВЕЛТ-2005" "NextButton.text=Дальше" "EndButton.text=Конец"
diff <(shown_text) <(printf '%s\n' "" "" "     АТТЕСТАЦИЯ СПЕЦИАЛИСТОВ СВАРОЧНОГО ПРОИЗВОДСТВА" "" \
    "                                 по теме" "" "$subject" "" \
    "                         РУЧНАЯ ДУГОВАЯ СВАРКА" "" "                               Уровень: I" "") ||
    fail "the title lines differ"
if [ "$only_title" = 1 ]; then
    end_exam
    echo "whole_exam: $name: title screen and End passed"
    exit 0
fi

answers=()
for n in $(seq 15); do
    question=${questions[n - 1]}
    step="ticket $n (question $question)"
    # Next is pressed by Enter, Space or the mouse in turn.
    case $((n % 3)) in
        1) key Return ;;
        2) key space ;;
        0) click NextButton ;;
    esac
    end_visible=$([ "$n" -eq 15 ] && echo 0 || echo 1)
    expect "TitleLabel.text=$(ticket_title "$n")" "PromptLabel.text=ВАРИАНТ ОТВЕТА: " "focus=AnswerBox" "AnswerBox.text=" \
        TitleLabel.visible=1 PromptLabel.visible=1 AnswerBox.visible=1 NextButton.visible=0 "EndButton.visible=$end_visible"
    diff <(shown_text) <(bank_question "$question") || fail "the ticket's text differs from the bank"

    answer=$(correct_answer "$question")
    case $n in
        1)  # 7 is discarded; Ctrl+V is discarded, Shift+Insert pastes unchecked.
            "${wine_run[@]}" "$window_reader" clipboard 2 || fail "cannot set the clipboard"
            key 7 3
            expect "AnswerBox.text=3" NextButton.visible=0 focus=AnswerBox
            key BackSpace ctrl+v shift+Insert
            expect "AnswerBox.text=2" NextButton.visible=0
            answer=2
            ;;
        2)  # 32 is too large: the box empties and Next stays hidden.
            key 3 2 Return
            expect "AnswerBox.text=" NextButton.visible=0 focus=AnswerBox
            key "$answer"
            ;;
        3)  # A pasted -3a reads as 3.
            "${wine_run[@]}" "$window_reader" clipboard -3a || fail "cannot set the clipboard"
            key shift+Insert
            expect "AnswerBox.text=-3a"
            answer=3
            ;;
        4)  # A pasted -3 is rejected.
            "${wine_run[@]}" "$window_reader" clipboard -3 || fail "cannot set the clipboard"
            key shift+Insert Return
            expect "AnswerBox.text=" NextButton.visible=0 focus=AnswerBox
            key "$answer"
            ;;
        *) key "$answer" ;;
    esac
    key Return
    expect "TitleLabel.text=$(ticket_title "$n")" NextButton.visible=1 focus=NextButton "EndButton.visible=$end_visible"
    answers+=("$answer")
done

step="results"
key Return
expect "TitleLabel.text=РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ" TitleLabel.visible=1 PromptLabel.visible=0 AnswerBox.visible=0 \
    NextButton.visible=1 EndButton.visible=1 BrandLabel.visible=1 focus=NextButton
shown_text >"$scratch/results.txt"
list=$(IFS=,; echo "${answers[*]}")
"${wine_run[@]}" "$examtool" report "$bank" --group-size "$group_size" --utc 00:00:00.000 \
    --answers "$list" 2>&1 | tr -d '\r' | tail -n 22 >"$scratch/expected_results.txt"
diff "$scratch/results.txt" "$scratch/expected_results.txt" ||
    fail "the results differ from examtool report (answers $list)"
[ "$(wc -l <"$scratch/results.txt")" -eq 22 ] || fail "the results are not 22 lines"

step="results again"
click NextButton
sleep 0.3
expect "TitleLabel.text=РЕЗУЛЬТАТЫ  ТЕСТИРОВАНИЯ" focus=NextButton
diff <(shown_text) "$scratch/results.txt" || fail "Next on the results changed them"

end_exam
echo "whole_exam: $name: passed"
