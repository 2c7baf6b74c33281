#!/usr/bin/env bash
# Choosing a colour in each way a user can, on the real program driven with XTest: a drag in the
# square, a drag on the hue strip, a typed channel value, a preset from the list, and the screen
# eyedropper over a window of a known colour (Escape leaving the colour as it was). Each ends with
# OK, and the clipboard must hold what the arithmetic (or the pixel on the screen) says.
#
#   interaction.sh PROGRAM.exe        (run by CTest inside the end-to-end session)
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib/e2e.sh
. "$here/lib/e2e.sh"
e2eLoadSession || exit 1

program=${1:?usage: interaction.sh PROGRAM.exe}
name=$(basename "$program" .exe)
title="Sélection de couleur"
passed=0 failed=0

expect() { # LABEL EXPECTED GOT
    if [ "$2" == "$3" ]; then
        echo "ok   $1 -> $3"
        passed=$((passed + 1))
    else
        echo "FAIL $1: expected $2, got $3"
        failed=$((failed + 1))
    fi
}

# The signed decimal text of a colour given as red green blue alpha.
signedOf() { local v=$(($1 | $2 << 8 | $3 << 16 | $4 << 24)); echo $((v >= 1 << 31 ? v - (1 << 32) : v)); }

# The colour the square shows at (c, j) for an opaque hue (r, g, b): the white-to-transparent and
# transparent-to-black overlay blended over the hue, with the exact integer arithmetic.
squareColor() { # R G B C J -> "r g b"
    local w=$((255 - $4)) j=$5 level alpha out="" t
    alpha=$(((255 * j + (255 - j) * w) / 255))
    if [ "$w" -eq 0 ]; then level=0; elif [ "$j" -eq 0 ]; then level=255
    else level=$((255 * w * (255 - j) / (255 * j + (255 - j) * w))); fi
    for t in "$1" "$2" "$3"; do out+="$(((t * (255 - alpha) + level * alpha) / 255)) "; done
    echo "${out% }"
}

openDialog() { # CLIPBOARD-TEXT: sets E2E_PID and window
    if [ -n "$1" ]; then e2eClipboardSet "$1"; else e2eClipboardClear; fi
    e2eStart "$program"
    window=$(e2eWaitWindow "$title" 30 "$E2E_PID")
}

# Clicks OK and sets got to what the program left on the clipboard (not in a subshell: the
# program must be this shell's child to be waited for).
accept() {
    e2eClickClient "$window" 336 208
    if e2eWaitExit "$E2E_PID" 20; then got=$(e2eClipboardGet); else e2eKill "$E2E_PID"; got="(still running)"; fi
}

# Moves the pointer in client coordinates, pressing, dragging and releasing the left button.
pointerTo() { # X Y
    local rect x y w h
    rect=$(e2eClientRect "$window") || return 1
    read -r x y w h <<<"$rect"
    e2eMouseTo $((x + $1)) $((y + $2))
}
drag() { # X0 Y0 X1 Y1: pressed at the first point, moved in steps, released at the last
    local i
    pointerTo "$1" "$2"
    xdotool mousedown 1
    for i in 1 2 3 4 5; do
        pointerTo $(($1 + ($3 - $1) * i / 5)) $(($2 + ($4 - $2) * i / 5))
        sleep 0.05
    done
    pointerTo "$3" "$4"
    sleep 0.1
    xdotool mouseup 1
}

# --- A drag in the square, starting from opaque red -------------------------------------------------
openDialog "" || { echo "FAIL no dialog"; exit 1; }
drag $((44 + 100)) $((12 + 60)) $((44 + 200)) $((12 + 100))
read -r r g b <<<"$(squareColor 255 0 0 200 100)"
accept
expect "drag in the square to (200, 100)" "$(signedOf "$r" "$g" "$b" 255)" "$got"

# --- A drag on the hue strip: the colour at the square's top-right corner is the hue of the row ----
openDialog "" || { echo "FAIL no dialog"; exit 1; }
sleep 0.3
e2eScreenshotAs "$window" "$E2E_DIR/strip-$name.ppm" ppm
# The hue the strip shows at client row 112, read off the screen.
hue=$(convert "$E2E_DIR/strip-$name.ppm" -format '%[fx:int(255*p{22,112}.r)] %[fx:int(255*p{22,112}.g)] %[fx:int(255*p{22,112}.b)]' info:)
read -r r g b <<<"$hue"
drag 22 112 22 112
accept
expect "drag on the strip to row 100 (hue $r $g $b)" "$(signedOf "$r" "$g" "$b" 255)" "$got"

# --- A typed channel value ---------------------------------------------------------------------------
openDialog "" || { echo "FAIL no dialog"; exit 1; }
e2eClickClient "$window" 328 306
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 "77"
accept
expect "green field typed 77" "$(signedOf 255 77 0 255)" "$got"

# --- A preset from the list: opened with a click, the third entry chosen with the keyboard -----------
# The start colour is no preset, so nothing is selected and the first Down selects the first entry.
openDialog '$80010203' || { echo "FAIL no dialog"; exit 1; }
e2eClickClient "$window" 336 92
sleep 0.3
xdotool key --clearmodifiers Down Down Down Return
sleep 0.3
accept
expect "third preset (grey 64), alpha kept" "$(signedOf 64 64 64 128)" "$got"

# --- The eyedropper over a window of a known colour ----------------------------------------------------
display -title "e2e target" -geometry 160x160+1020+80 -size 160x160 xc:'#3366CC' >/dev/null 2>&1 &
target=$!
e2ePoll 20 sh -c 'xdotool search --onlyvisible --name "e2e target" | grep -q .'
sleep 0.3

pickAt() { # X Y (screen): starts the eyedropper, moves there, clicks
    e2eClickClient "$window" 336 156
    # The dialog hides while the screen is frozen under the magnifier.
    e2ePoll 10 sh -c "! xdotool search --onlyvisible --name '^$title\$' | grep -q ." || return 1
    e2eMouseTo "$1" "$2"
    sleep 0.1
    e2eMouseTo $(($1 + 1)) "$2"
    sleep 0.1
    e2eMouseTo "$1" "$2"
    sleep 0.2
}

openDialog '$80FFFFFF' || { echo "FAIL no dialog"; exit 1; }
if pickAt 1100 160; then
    # The magnifier over the target's corner, kept for a look.
    e2eMouseTo 1022 82
    sleep 0.3
    import -window root -crop 300x300+900+0 +repage "PNG24:$E2E_DIR/magnifier-$name.png"
    e2eMouseTo 1100 160
    sleep 0.2
    xdotool click 1
    e2eWaitWindow "$title" 10 >/dev/null
    sleep 0.2
fi
accept
expect "eyedropper over #3366CC, alpha kept" "$(signedOf 0x33 0x66 0xCC 128)" "$got"

openDialog '$80FFFFFF' || { echo "FAIL no dialog"; exit 1; }
if pickAt 1100 160; then
    xdotool key --clearmodifiers Escape
    e2eWaitWindow "$title" 10 >/dev/null
    sleep 0.2
fi
accept
expect "eyedropper ended with Escape changes nothing" "$(signedOf 255 255 255 128)" "$got"
kill "$target" 2>/dev/null

echo "$name interaction: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
