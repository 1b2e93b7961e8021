# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Shared steps of the end-to-end tests: a virtual screen with a window manager, a fresh
# machine-wide folder and a fresh copy of the program folder, and ways to find Numbrella's
# windows (by their role, which is the window's name in the program) and click their
# controls by the positions the program lays them out at (twips, 15 to a pixel).
# The drill's clock runs four times as fast (a second of 250 ms): every time a script waits
# for or checks during a drill goes through drill_started, drill_elapsed and drill_until. A script that needs
# the real clock sets NUMBRELLA_DRILL_SECOND_MS=1000 before it starts the program.
# In a sanitizer build the program's reports go to files of the script's own, and any
# report fails the script.
set -euo pipefail

BIN_DIR=${1:?the folder of the built program}
SHOTS_DIR=${2:-$PWD/e2e-shots}
TEST_NAME=$(basename "$0" .sh)
WORK=$(mktemp -d)
export NUMBRELLA_ROOT=$WORK/root
# Pinned to the drawn size, so that clicks land at twips / 15; unset it to let the screen choose.
export NUMBRELLA_SCALE=1
SCALE_PERMILLE=1000   # the program's scale, when a script lets the screen choose it
export NUMBRELLA_DRILL_SECOND_MS=250
[ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS="$ASAN_OPTIONS:log_path=$WORK/sanitizer"
[ -z "${UBSAN_OPTIONS:-}" ] || export UBSAN_OPTIONS="$UBSAN_OPTIONS:log_path=$WORK/sanitizer"
PROGRAM=$WORK/program
mkdir -p "$NUMBRELLA_ROOT/tmp" "$NUMBRELLA_ROOT/var/lib/numbrella" "$PROGRAM" "$SHOTS_DIR"
cp "$BIN_DIR"/numbrella "$BIN_DIR"/uninstall "$BIN_DIR"/nbr.* "$BIN_DIR"/*.mid "$BIN_DIR"/*.txt "$BIN_DIR"/*.htm "$PROGRAM"/

APP_PID=""
cleanup() {
    local rc=$? report
    for report in "$WORK"/sanitizer.*; do
        [ -e "$report" ] || continue
        echo "FAILED ($TEST_NAME): a sanitizer report:" >&2; cat "$report" >&2; rc=1
    done
    if [ $rc -ne 0 ] && [ -n "${DISPLAY:-}" ]; then
        import -window root "$SHOTS_DIR/$TEST_NAME.png" 2>/dev/null || true
        echo "Last screen saved in $SHOTS_DIR/$TEST_NAME.png" >&2
    fi
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "${OTHER_PIDS:-}" ] && kill $OTHER_PIDS 2>/dev/null || true
    [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    [ -n "${OTHER_USER:-}" ] && userdel "$OTHER_USER" 2>/dev/null || true
    rm -rf "$WORK"
    exit $rc
}
trap cleanup EXIT

fail() { echo "FAILED ($TEST_NAME): $*" >&2; exit 1; }

# Xvfb takes the first free display number and writes it to a file of this start's own: a file
# used before would still hold the number of an earlier screen, until the new Xvfb's shell
# empties it, and that number may by then be another test's screen.
start_screen() {   # $1: the screen's size, 1280x800 unless given
    local fd_file
    fd_file=$(mktemp "$WORK/display.XXXXXX")
    Xvfb -displayfd 3 -screen 0 "${1:-1280x800}x24" -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
    [ -s "$fd_file" ] || fail "no virtual screen"
    export DISPLAY=:$(cat "$fd_file")
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    # Windows are placed and decorated only once the window manager has taken the screen.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "no window manager on $DISPLAY"
}

start_program() {
    unset QT_QPA_PLATFORM
    "$PROGRAM/numbrella" "$@" >>"$WORK/stdout" 2>&1 &
    APP_PID=$!
}

# The visible window whose role is $1; waits up to $2 seconds (default 10).
window() {
    local role=$1 limit=${2:-10} id
    for _ in $(seq $((limit * 10 + 1))); do   # a limit of 0 still looks once
        for id in $(xdotool search --onlyvisible --class numbrella 2>/dev/null); do
            if xprop -id "$id" WM_WINDOW_ROLE 2>/dev/null | grep -q "\"$role\""; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

wait_gone() {
    local role=$1 limit=${2:-10}
    for _ in $(seq $((limit * 10 + 1))); do
        window "$role" 0 >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# Clicks the point (x, y) in twips of the window with role $1; a y below 0 counts from the
# window's bottom (the message box's buttons sit there).
click() {
    local id y=$3 WIDTH HEIGHT
    id=$(window "$1") || fail "no window $1 to click in"
    [ "$y" -lt 0 ] && eval "$(xdotool getwindowgeometry --shell "$id")" && y=$((HEIGHT * 15000 / SCALE_PERMILLE + y))
    # A pause between press and release, as a hand makes.
    xdotool mousemove --window "$id" $(($2 * SCALE_PERMILLE / 15000)) $((y * SCALE_PERMILLE / 15000)) mousedown 1 sleep 0.08 mouseup 1
    sleep 0.3
}

# "count WxH+X+Y": the pixels of colour $2 in the window with role $1 (within the crop $3,
# WxH+X+Y in pixels, when given) and the box round them.
colour_in() {
    import -window "$(window "$1")" "$WORK/window.png" || fail "no window $1"
    colour_in_picture "$WORK/window.png" "$2" "${3:-}"
}
colour_in_picture() { convert "$1" ${3:+-crop "$3"} -alpha off -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:int(mean*w*h+0.5)] %@' info:; }

# True once the program has ended (within five seconds).
program_ends() { for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || { APP_PID=""; return 0; }; sleep 0.1; done; return 1; }

keys() { xdotool key --delay 50 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 50 "$1"; sleep 0.2; }

# Line $2 of file $1 without its CR LF.
line() { sed -n "$2p" "$1" | tr -d '\r'; }

# The drill's clock, counted from drill_started: drill_elapsed prints the drill's seconds
# gone by, drill_until N waits until N of them have.
drill_started() { DRILL_START_MS=$(( $(date +%s%N) / 1000000 )); }
drill_elapsed() { echo $(( ($(date +%s%N) / 1000000 - DRILL_START_MS) / NUMBRELLA_DRILL_SECOND_MS )); }
drill_until() {
    local ms=$(( DRILL_START_MS + $1 * NUMBRELLA_DRILL_SECOND_MS - $(date +%s%N) / 1000000 ))
    [ "$ms" -le 0 ] || sleep "$(awk -v ms="$ms" 'BEGIN { print ms / 1000 }')"
}
