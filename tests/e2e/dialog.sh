#!/usr/bin/env bash
# The real dialog under Wine, inspected from outside: its title and client size, every control's
# class, rectangle and style, the table of notations; then OK, Cancel and the close box, each ending
# the program with the right clipboard text. A screenshot of the window is kept in the session folder.
#
#   dialog.sh PROGRAM.exe        (run by CTest inside the end-to-end session)
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib/e2e.sh
. "$here/lib/e2e.sh"
e2eLoadSession || exit 1

program=${1:?usage: dialog.sh PROGRAM.exe}
alphaMode=${TINTGRAB_ALPHA_MODE:-0}
inspect="$(dirname "$program")/DialogInspect.exe"
title="Sélection de couleur"
name=$(basename "$program" .exe)
passed=0 failed=0

expect() { # LABEL EXPECTED GOT
    if [ "$2" == "$3" ]; then
        passed=$((passed + 1))
    else
        echo "FAIL $1"
        echo "  expected: $2"
        echo "  got:      $3"
        failed=$((failed + 1))
    fi
}

# Starts the program on TEXT (empty: a clipboard without text); sets E2E_PID and window, the
# dialog's X window.
openDialog() {
    if [ -n "$1" ]; then e2eClipboardSet "$1"; else e2eClipboardClear; fi
    e2eStart "$program"
    window=$(e2eWaitWindow "$title" 30 "$E2E_PID")
}

# --- The layout, for a clipboard without text (opaque red) ---------------------------------------
openDialog "" || { echo "FAIL no dialog appeared"; exit 1; }
xdotool mousemove 0 0
listing=$(wine "$inspect" dialog | tr -d '\r')
expect "title" "title	$title" "$(grep '^title' <<<"$listing")"
height=$((alphaMode ? 446 : 402))
expect "client size" "client	372	$height" "$(grep '^client' <<<"$listing")"
# A tool window (WS_EX_TOOLWINDOW) and topmost (WS_EX_TOPMOST), with a caption and a close box
# (WS_CAPTION | WS_SYSMENU) and neither a sizing frame nor minimise and maximise boxes.
read -r _ style exStyle <<<"$(grep '^style' <<<"$listing")"
expect "frame" "caption sysmenu no-thickframe no-minmax toolwindow topmost" \
    "$( (( 0x$style & 0x00C00000 )) && printf caption; (( 0x$style & 0x00080000 )) && printf ' sysmenu'
        (( 0x$style & 0x00040000 )) || printf ' no-thickframe'; (( 0x$style & 0x00030000 )) || printf ' no-minmax'
        (( 0x$exStyle & 0x80 )) && printf ' toolwindow'; (( 0x$exStyle & 0x8 )) && printf ' topmost')"

# class x y width height, in the order of creation, which is also the order of the Tab key.
expected="ComboBoxEx32 312 78 48 28
Edit 312 275 32 20
Edit 312 297 32 20
Edit 312 319 32 20"
[ "$alphaMode" = 1 ] && expected+="
Edit 312 341 32 20"
tableY=$((346 + 22 * alphaMode))
expected+="
Button 312 188 48 40
Button 312 228 48 40
Button 312 136 48 40
Static 12 $tableY 173 20
Static 187 $tableY 173 20
Edit 12 $((tableY + 22)) 173 20
Edit 187 $((tableY + 22)) 173 20"
[ "$alphaMode" = 1 ] && expected+="
Edit 12 $((tableY + 44)) 173 20
Edit 187 $((tableY + 44)) 173 20"
expect "controls and their rectangles" "$expected" "$(awk -F'\t' '$1 == "child" { print $2, $3, $4, $5, $6 }' <<<"$listing")"

# Styles: the list not editable (CBS_DROPDOWNLIST); number fields ES_NUMBER with a sunken edge;
# image buttons owner-drawn; template fields read-only and centred; labels centred both ways.
styleOf() { # CLASS STYLE EXSTYLE
    local s=$((0x$2)) e=$((0x$3)) kind
    case $1 in
    ComboBoxEx32) (( (s & 3) == 3 )) && kind=droplist || kind=editable ;;
    Button) (( (s & 0xF) == 0xB )) && kind=ownerdraw || kind=other ;;
    Static) (( (s & 0x201) == 0x201 )) && kind=centred-label || kind=other ;;
    Edit)
        if (( s & 0x2000 )); then kind=number; elif (( (s & 0x801) == 0x801 )); then kind=readonly-centred; else kind=other; fi
        (( e & 0x200 )) && kind+=-sunken ;;
    *) kind=other ;;
    esac
    (( s & 0x10000 )) && echo "$kind tab" || echo "$kind notab"
}
styles=$(while IFS=$'\t' read -r tag class _ _ _ _ style exStyle _; do
    [ "$tag" = child ] && styleOf "$class" "$style" "$exStyle"
done <<<"$listing" | sort | uniq -c | awk '{ print $1, $2, $3 }')
fields=$((3 + alphaMode)) templates=$((2 + 2 * alphaMode))
expect "styles" "2 centred-label notab
1 droplist tab
$fields number-sunken tab
3 ownerdraw tab
$templates readonly-centred-sunken tab" "$styles"

texts=$(awk -F'\t' '$1 == "child" && $2 != "ComboBoxEx32" && $2 != "Button" { print $9 }' <<<"$listing")
expectedTexts="255
0
0"
[ "$alphaMode" = 1 ] && expectedTexts+="
255"
expectedTexts+="
Héxadécimal
RGB
\$0000FF
RGB(255, 0, 0)"
[ "$alphaMode" = 1 ] && expectedTexts+="
\$FF0000FF
RGBA(255, 0, 0, 255)"
expect "field and table texts" "$expectedTexts" "$texts"

e2eScreenshot "$window" "$E2E_DIR/dialog-$name.png" && echo "screenshot: $E2E_DIR/dialog-$name.png"

# Enter and Escape do nothing: the dialog stays.
e2eKeys "$window" Return Escape
sleep 0.3
expect "Enter and Escape leave the dialog open" "open" "$(e2eProcessGone "$E2E_PID" && echo gone || echo open)"

# --- OK, Cancel and the close box ----------------------------------------------------------------
finish() { # LABEL CLIPBOARD-TEXT EXPECTED HOW...
    local label=$1 text=$2 want=$3 got
    shift 3
    openDialog "$text" || { expect "$label: dialog" shown none; return; }
    "$@" "$window"
    if e2eWaitExit "$E2E_PID" 20; then
        got=$(e2eClipboardGet)
    else
        e2eKill "$E2E_PID"
        got="(still running)"
    fi
    expect "$label" "$want" "$got"
}
clickOk() { e2eClickClient "$1" 336 208; }
clickCancel() { e2eClickClient "$1" 336 248; }
# The close box sits at the right end of the caption, above the client area.
clickCloseBox() {
    local x y w h
    read -r x y w h <<<"$(e2eClientRect "$1")"
    e2eMouseTo $((x + w - 8)) $((y - 9))
    xdotool click 1
}
editRedAndCancel() {
    e2eClickClient "$1" 325 285
    xdotool key --clearmodifiers ctrl+a 7
    clickCancel "$1"
}
altF4() { e2eKeys "$1" alt+F4; }
# A press on a channel bar sets the channel and moves the focus to OK; Space then presses OK.
barThenSpace() {
    e2eClickClient "$1" $((44 + 100)) 285
    sleep 0.2
    xdotool key --clearmodifiers space
}

# The OK button was still in the process (previous row) above; this one ends it.
e2eClickClient "$window" 336 208
e2eWaitExit "$E2E_PID" 20 || e2eKill "$E2E_PID"
expect "OK on opaque red" "-16776961" "$(e2eClipboardGet)"

finish "OK keeps RGB(1,2,3) with alpha 0" "RGB(1,2,3)" 197121 clickOk
finish "Cancel gives the start colour" "RGB(1,2,3)" 197121 clickCancel
finish "an edit then Cancel gives the start colour" "RGB(1,2,3)" 197121 editRedAndCancel
finish "the close box gives the start colour" "RGB(1,2,3)" 197121 clickCloseBox
finish "Space on OK after a press on the red bar" "" -16777116 barThenSpace
finish "Alt+F4 gives the start colour" '$80336699' -2144115047 altF4

echo "$name dialog: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
