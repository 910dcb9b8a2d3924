# Sourced by the scripts that run a program on a private headless X server.
#
# start_headless_display SCRATCH [WIDTHxHEIGHT]: starts Xvfb (24-bit, 1024x768 unless given) on a
# display number it picks itself, waits until the server accepts clients (30 s at most), exports
# DISPLAY and sets xvfb_pid for the caller's clean-up. On failure it says why on standard error
# and returns 1. The server's own output goes to SCRATCH/xvfb.log.
start_headless_display() {
    local scratch=$1 screen=${2:-1024x768}
    Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "${screen}x24" \
        3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local deadline=$((SECONDS + 30))
    until [ -s "$scratch/display" ]; do
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "Xvfb did not start: $(cat "$scratch/xvfb.log")" >&2
            return 1
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "Xvfb gave no display number within 30 s" >&2
            return 1
        fi
        sleep 0.1
    done
    DISPLAY=:$(head -n 1 "$scratch/display")
    export DISPLAY
}
