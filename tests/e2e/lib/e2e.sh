# Helpers for the end-to-end tests, which drive the real programs under Wine on the session's
# virtual display (lib/session.sh). Source this file, then call e2eLoadSession.
#
#   e2eLoadSession [ENVFILE]            use the session (default: $TINTGRAB_E2E_ENV)
#   e2eClipboardSet TEXT                put TEXT (exactly, no newline added) on the clipboard
#   e2eClipboardSetFile FILE            put the bytes of FILE on the clipboard
#   e2eClipboardClear                   leave the clipboard without any owner, hence without text
#   e2eClipboardGet                     print the clipboard text (nothing when there is none)
#   e2eStart EXE [ARGS...]              run a Windows program in the background; sets E2E_PID
#   e2eWaitWindow TITLE SECONDS [PID]   print the X id of the shown window titled TITLE; returns 1 on
#                                       timeout, 2 when process PID ended first
#   e2eClientRect XID                   print "x y width height" of the window's client area on screen
#   e2eMouseTo X Y                      move the pointer to screen position (X, Y)
#   e2eClickClient XID X Y              left click at client coordinates (X, Y) of the window
#   e2eScreenshot XID FILE              save the window's client area as an RGB PNG
#   e2eScreenshotAs XID FILE FORMAT     the same in another ImageMagick format (ppm, ...)
#   e2eKeys XID KEY...                  send keys (xdotool names, e.g. alt+F4) to the window
#   e2eCloseRequest XID                 post WM_CLOSE to the window, as its close box would
#   e2eWaitExit PID SECONDS             wait for the process; return its exit code, 124 on timeout
#   e2eKill PID                         end a process the test started
#
# Every wait polls with a deadline; nothing sleeps a fixed time.

# shellcheck shell=bash

e2eLoadSession() {
    local env=${1:-${TINTGRAB_E2E_ENV:-}}
    if [ -z "$env" ] || [ ! -f "$env" ]; then
        echo "e2e: no session environment (${env:-TINTGRAB_E2E_ENV unset}); run through ctest" >&2
        return 1
    fi
    # shellcheck disable=SC1090
    . "$env"
}

e2eNowMs() { echo $(($(date +%s%N) / 1000000)); }

# Runs the command until it succeeds, every tenth of a second, for at most SECONDS.
e2ePoll() {
    local deadline=$(($(e2eNowMs) + $1 * 1000))
    shift
    until "$@"; do
        [ "$(e2eNowMs)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# xclip -i stays in the background as the selection's owner until another client takes it; its
# output goes nowhere so that it never holds the test's output open.
e2eClipboardSetFile() {
    xclip -selection clipboard -i "$1" >/dev/null 2>&1 </dev/null
}

e2eClipboardSet() {
    printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1
}

e2eClipboardClear() {
    # Own the selection with a foreground xclip, then end it: the selection is left with no owner.
    xclip -selection clipboard -i -quiet </dev/null >/dev/null 2>&1 &
    local owner=$!
    e2ePoll 5 xclip -selection clipboard -o >/dev/null 2>&1 </dev/null
    kill "$owner" 2>/dev/null
    wait "$owner" 2>/dev/null
    ! xclip -selection clipboard -o >/dev/null 2>&1 </dev/null
}

e2eClipboardGet() {
    timeout 20 xclip -selection clipboard -o 2>/dev/null </dev/null || true
}

e2eStart() {
    local log="$E2E_DIR/$(basename "$1").log"
    wine "$@" >"$log" 2>&1 </dev/null &
    E2E_PID=$!
}

# Gone also when it has ended but its parent has not collected it yet (as seen from a subshell).
e2eProcessGone() {
    local stat state
    read -r stat 2>/dev/null <"/proc/$1/stat" || return 0
    state=${stat##*) }
    [ "${state%% *}" = Z ]
}

e2eWindowShown() {
    local pattern
    # xdotool matches a regular expression: match the whole title, literally.
    pattern="^$(printf '%s' "$1" | sed 's/[][\.*^$(){}?+|/]/\\&/g')\$"
    xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1
}

e2eWaitWindow() {
    local title=$1 seconds=$2 pid=${3:-}
    local deadline=$(($(e2eNowMs) + seconds * 1000)) window
    while :; do
        window=$(e2eWindowShown "$title")
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        if [ -n "$pid" ] && e2eProcessGone "$pid"; then return 2; fi
        [ "$(e2eNowMs)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# The client area's place inside the X window is fixed for a frame style and outer size, so it is
# asked of Wine once per size and worked out from the X geometry afterwards (the answers are kept in
# the session folder, so that calls from subshells share them).
e2eClientRect() {
    local window=$1 X Y WIDTH HEIGHT cache rect cx cy cw ch dx dy
    eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=[0-9]+$')"
    [ -n "${WIDTH:-}" ] || return 1
    cache="$E2E_DIR/frame-${WIDTH}x${HEIGHT}"
    if [ ! -s "$cache" ]; then
        rect=$(wine "$E2E_PROBE" client "$window" 2>/dev/null | tr -d '\r') || return 1
        read -r cx cy cw ch <<<"$rect"
        [ -n "${ch:-}" ] || return 1
        echo "$((cx - X)) $((cy - Y)) $cw $ch" >"$cache"
    fi
    read -r dx dy cw ch <"$cache"
    echo "$((X + dx)) $((Y + dy)) $cw $ch"
}

# Moves the pointer to (X, Y) on the screen and waits until it is there. xdotool's --sync waits for
# a motion that never comes when the pointer is already there, or is held by a confinement: hence
# the check first, and the bound on the wait.
e2eMouseTo() {
    local X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell 2>/dev/null)"
    [ "${X:-}" = "$1" ] && [ "${Y:-}" = "$2" ] && return 0
    timeout 2 xdotool mousemove --sync "$1" "$2" >/dev/null 2>&1 || true
}

e2eClickClient() {
    local rect x y w h
    rect=$(e2eClientRect "$1") || return 1
    read -r x y w h <<<"$rect"
    e2eMouseTo $((x + $2)) $((y + $3))
    xdotool click 1
}

e2eScreenshot() { e2eScreenshotAs "$1" "$2" PNG24; }

# The client area saved in an ImageMagick format: PNG24, ppm (binary P6), ...
e2eScreenshotAs() {
    local rect x y w h
    rect=$(e2eClientRect "$1") || return 1
    read -r x y w h <<<"$rect"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage -depth 8 "$3:$2"
}

# Keys go to the window under the pointer (no window manager runs: focus follows the pointer), so
# the pointer is first put inside the client area.
e2eKeys() {
    local window=$1 rect x y w h
    shift
    rect=$(e2eClientRect "$window") || return 1
    read -r x y w h <<<"$rect"
    e2eMouseTo $((x + w / 2)) $((y + h / 2))
    xdotool key --clearmodifiers "$@"
}

e2eCloseRequest() {
    wine "$E2E_PROBE" close "$1" >/dev/null 2>&1
}

e2eWaitExit() {
    local pid=$1 seconds=$2 status=0
    if ! e2ePoll "$seconds" e2eProcessGone "$pid"; then return 124; fi
    wait "$pid" 2>/dev/null || status=$?
    return "$status"
}

e2eKill() {
    kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
