#!/usr/bin/env bash
# Time from process start to the window being shown, under Wine on a virtual display: tintgrab.exe
# and tintgrab-alpha.exe next to a bare Win32 window, in one run. Prints the median of RUNS starts
# of each and the ratio to the bare window. Nothing is asserted.
#
#   tests/bench/startup.sh BINDIR [RUNS]      (scripts/bench runs it on build/windows/bin)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
bin=$(cd "${1:?usage: startup.sh BINDIR [RUNS]}" && pwd)
runs=${2:-9}
session=$(mktemp -d)
bash "$root/tests/e2e/lib/session.sh" start "$session" "$bin/../wineprefix" "$bin/WindowProbe.exe" >/dev/null
trap 'bash "$root/tests/e2e/lib/session.sh" stop "$session"; rm -rf "$session"' EXIT
# shellcheck source=../e2e/lib/e2e.sh
. "$root/tests/e2e/lib/e2e.sh"
e2eLoadSession "$session/session.env"
xdotool mousemove 5 5

# Milliseconds from the start of PROGRAM to its window TITLE being shown; the window is then closed.
startOnce() { # TITLE PROGRAM [ARGS...]
    local title=$1 started window shown
    shift
    started=$(e2eNowMs)
    e2eStart "$@"
    while :; do
        window=$(e2eWindowShown "$title")
        [ -n "$window" ] && break
        [ $(($(e2eNowMs) - started)) -lt 30000 ] || { e2eKill "$E2E_PID"; echo 99999; return; }
        sleep 0.01
    done
    shown=$(e2eNowMs)
    e2eCloseRequest "$window"
    e2eWaitExit "$E2E_PID" 20 >/dev/null || e2eKill "$E2E_PID"
    echo $((shown - started))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

e2eClipboardSet "RGB(1,2,3)"
declare -A results
# Interleaved, so that a slow moment of the machine weighs on all three alike.
for _ in $(seq "$runs"); do
    results[bare]+="$(startOnce BareWindow "$bin/BareWindow.exe" BareWindow) "
    results[tintgrab]+="$(startOnce "Sélection de couleur" "$bin/tintgrab.exe") "
    results[alpha]+="$(startOnce "Sélection de couleur" "$bin/tintgrab-alpha.exe") "
done
bare=$(tr ' ' '\n' <<<"${results[bare]}" | grep . | median)
for name in bare tintgrab alpha; do
    m=$(tr ' ' '\n' <<<"${results[$name]}" | grep . | median)
    printf 'start to window shown, median of %d: %-9s %5d ms  (%s x the bare window)\n' "$runs" "$name" "$m" \
        "$(awk -v a="$m" -v b="$bare" 'BEGIN { printf "%.2f", a / b }')"
done
