#!/usr/bin/env bash
# The face the real program draws, pixel for pixel: for each start colour, a screenshot of the
# dialog's client area is compared with the canvas the portable code composes for the same colour
# and this machine's button-face colour (FaceCheck.exe). The screenshots are kept in the session
# folder.
#
#   face.sh PROGRAM.exe        (run by CTest inside the end-to-end session)
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib/e2e.sh
. "$here/lib/e2e.sh"
e2eLoadSession || exit 1

program=${1:?usage: face.sh PROGRAM.exe}
alphaMode=${TINTGRAB_ALPHA_MODE:-0}
faceCheck="$(dirname "$program")/FaceCheck.exe"
name=$(basename "$program" .exe)
passed=0 failed=0

check() { # LABEL CLIPBOARD-TEXT (empty: no text)
    local label=$1 text=$2 file shot status
    file="$E2E_DIR/face-text" shot="$E2E_DIR/face-$name-${3}.ppm"
    printf '%s' "$text" >"$file"
    if [ -n "$text" ]; then e2eClipboardSet "$text"; else e2eClipboardClear; fi
    e2eStart "$program"
    if ! window=$(e2eWaitWindow "Sélection de couleur" 30 "$E2E_PID"); then
        echo "FAIL $label: no dialog"
        failed=$((failed + 1))
        e2eKill "$E2E_PID"
        return
    fi
    # The pointer away from the dialog (no hover sign), and the first paint finished: two
    # screenshots in a row agree.
    xdotool mousemove 5 5
    local previous="" current
    for _ in $(seq 20); do
        sleep 0.2
        e2eScreenshotAs "$window" "$shot" ppm || continue
        current=$(md5sum <"$shot")
        [ "$current" = "$previous" ] && break
        previous=$current
    done
    local report
    report=$(wine "$faceCheck" "$alphaMode" "$file" "$shot")
    status=$?
    tr -d '\r' <<<"$report" | sed "s/^/     /"
    if [ "$status" -ne 0 ]; then
        echo "FAIL $label"
        failed=$((failed + 1))
    else
        echo "ok   $label"
        passed=$((passed + 1))
    fi
    convert "$shot" "${shot%.ppm}.png" 2>/dev/null
    e2eCloseRequest "$window"
    e2eWaitExit "$E2E_PID" 20 || e2eKill "$E2E_PID"
}

check "no clipboard text (opaque red)" "" empty
check "RGB(1,2,3) (alpha 0)" "RGB(1,2,3)" rgb
check "\$80336699 (half transparent)" '$80336699' hex
check "rgb(255, 255, 0) (yellow)" "rgb(255, 255, 0)" yellow

echo "$name face: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
