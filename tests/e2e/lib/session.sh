#!/usr/bin/env bash
# The desktop the end-to-end tests run the real programs on: a virtual X display and a Wine prefix
# whose server and desktop stay up for the whole run.
#
#   session.sh start DIR PREFIX PROBE   start it; write DIR/session.env for the tests to source
#   session.sh stop DIR                 stop what start started
#
# PREFIX is the Wine prefix (created here when missing, shared with the Wine unit tests), PROBE the
# cross-built WindowProbe.exe. Every process started here is detached from the caller's output, so
# that CTest does not wait for it, and is stopped by its own process id.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wineRun="$here/../../support/wine-run"

usage() {
    echo "usage: session.sh start DIR PREFIX PROBE | session.sh stop DIR" >&2
    exit 2
}

# Waits until the command succeeds, polling every tenth of a second; fails after SECONDS.
pollUntil() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

stopSession() {
    local dir=$1 env="$1/session.env"
    [ -f "$env" ] || return 0
    # shellcheck disable=SC1090
    (
        . "$env"
        # The keeper first (its whole process group: the shell, sleep and the Wine loader), then every
        # Wine process of the prefix with its server, then the display they drew on.
        [ -n "${E2E_KEEPER_PID:-}" ] && kill -- "-$E2E_KEEPER_PID" 2>/dev/null || true
        wineserver -k 2>/dev/null || true
        timeout 20 wineserver -w 2>/dev/null || true
        if [ -n "${E2E_XVFB_PID:-}" ] && kill "$E2E_XVFB_PID" 2>/dev/null; then
            pollUntil 10 processGone "$E2E_XVFB_PID" || kill -9 "$E2E_XVFB_PID" 2>/dev/null || true
        fi
    )
    rm -f "$env"
}

processGone() { ! kill -0 "$1" 2>/dev/null; }

startSession() {
    local dir=$1 prefix=$2 probe=$3
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    # A session left behind by an interrupted run is stopped first.
    stopSession "$dir"

    # The display: Xvfb picks a free display number itself and writes it to the given descriptor.
    : >"$dir/display"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$dir/display" >"$dir/xvfb.log" 2>&1 </dev/null &
    local xvfbPid=$!
    if ! pollUntil 20 test -s "$dir/display"; then
        kill "$xvfbPid" 2>/dev/null || true
        echo "session: Xvfb did not start (see $dir/xvfb.log)" >&2
        return 1
    fi
    local display
    display=":$(tr -dc 0-9 <"$dir/display")"

    export DISPLAY=$display WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    TINTGRAB_WINEPREFIX=$prefix "$wineRun" --prepare
    # No window manager runs here. Wine then waits up to two seconds for every managed window it
    # hides to be withdrawn, so the windows are left unmanaged: Wine draws their frames itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # A persistent server (refused, harmlessly, when the unit tests' server is still up), and one
    # windowless Wine process that lives until the end: while it runs, Wine's desktop process stays,
    # and with it the clipboard text an exited program left (X asks that process for it).
    wineserver -p 2>/dev/null || true
    setsid sh -c 'sleep infinity | exec wine cmd.exe /q /k' >"$dir/keeper.log" 2>&1 </dev/null &
    local keeperPid=$!

    cat >"$dir/session.env" <<EOF
export DISPLAY=$display
export WINEPREFIX='$prefix'
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='
E2E_DIR='$dir'
E2E_PROBE='$probe'
E2E_XVFB_PID=$xvfbPid
E2E_KEEPER_PID=$keeperPid
EOF
    # One probe run brings up Wine's desktop process now rather than in the first test.
    wine "$probe" client 0 >/dev/null 2>&1 || true
    echo "session: display $display, Wine prefix $prefix"
}

case "${1-}" in
start) [ $# -eq 4 ] || usage; startSession "$2" "$3" "$4" ;;
stop) [ $# -eq 2 ] || usage; stopSession "$2" ;;
*) usage ;;
esac
