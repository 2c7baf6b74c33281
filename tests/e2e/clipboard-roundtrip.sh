#!/usr/bin/env bash
# The clipboard round trip of a real program under Wine: for each clipboard text of the table, start
# the program once, accept its dialog unchanged when it shows one, and check the signed decimal text
# it leaves on the clipboard and its exit code 0.
#
#   clipboard-roundtrip.sh PROGRAM.exe        (run by CTest inside the end-to-end session)
#
# Channels of the "RGB(" and "RGBA(" forms are clamped to 0..255; every other text keeps the low
# 32 bits of its number. Both programs give the same text for every row: accepted unchanged, the
# start colour comes back whole, alpha 0 of the RGB form included.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib/e2e.sh
. "$here/lib/e2e.sh"
e2eLoadSession || exit 1

program=${1:?usage: clipboard-roundtrip.sh PROGRAM.exe}
title="Sélection de couleur"
# The OK button covers client x 312..359, y 188..227.
okX=336 okY=208

work=$(mktemp -d "$E2E_DIR/roundtrip.XXXXXX")
trap 'rm -rf "$work"' EXIT
passed=0 failed=0 dialogs=0

fail() {
    echo "FAIL $1: $2"
    failed=$((failed + 1))
}

# Accepts the dialog with a click on OK. A click that arrives while the window is still being shown
# can be lost; the click is repeated, and said so, before the row fails.
acceptDialog() {
    local window=$1 attempt
    for attempt in 1 2 3; do
        e2eClickClient "$window" "$okX" "$okY" || return 1
        e2ePoll 5 e2eProcessGone "$E2E_PID" && return 0
        echo "     (OK clicked again: attempt $((attempt + 1)))"
    done
    return 1
}

# One row: LABEL EXPECTED FILE, where FILE holds the clipboard text; no FILE leaves the clipboard
# without an owner, so without any text.
check() {
    local label=$1 expected=$2 input=${3:-} started window status got
    # The text must read back before the program runs: a stale text left by the previous row would
    # hide a program that wrote nothing.
    if [ -n "$input" ]; then
        e2eClipboardSetFile "$input"
        if ! e2eClipboardGet | cmp -s - "$input"; then
            fail "$label" "the clipboard did not take the text"
            return
        fi
    elif ! e2eClipboardClear; then
        fail "$label" "the clipboard could not be cleared"
        return
    fi

    started=$(e2eNowMs)
    e2eStart "$program"
    window=$(e2eWaitWindow "$title" 30 "$E2E_PID")
    case $? in
    0)
        dialogs=$((dialogs + 1))
        if ! acceptDialog "$window"; then
            e2eKill "$E2E_PID"
            fail "$label" "the dialog did not close after OK"
            return
        fi
        status=0
        wait "$E2E_PID" 2>/dev/null || status=$?
        ;;
    2)
        status=0
        e2eWaitExit "$E2E_PID" 5 || status=$?
        ;;
    *)
        e2eKill "$E2E_PID"
        fail "$label" "neither a window nor an exit within 30 s"
        return
        ;;
    esac
    if [ "$status" -ne 0 ]; then
        fail "$label" "exit code $status"
        return
    fi
    got=$(e2eClipboardGet)
    if [ "$got" != "$expected" ]; then
        fail "$label" "expected \"$expected\", got \"$got\""
        return
    fi
    passed=$((passed + 1))
    printf 'ok   %-34s -> %-12s %5d ms\n' "$label" "$got" $(($(e2eNowMs) - started))
}

# LABEL EXPECTED TEXT
row() {
    printf '%s' "$3" >"$work/text"
    check "$1" "$2" "$work/text"
}

echo "clipboard round trip of $(basename "$program")"

# The RGB( and RGBA( forms: any letter case, missing fields read 0, clamped channels, alpha 0.
row 'rgb(10, 20, 30)'                   1971210     'rgb(10, 20, 30)'
row 'RGB(10, 20, 30)'                   1971210     'RGB(10, 20, 30)'
row 'rGb(10,20,30)'                     1971210     'rGb(10,20,30)'
row 'RGBA(10, 20, 30, 128)'             -2145512438 'RGBA(10, 20, 30, 128)'
row 'rgba(10, 20, 30, 128)'             -2145512438 'rgba(10, 20, 30, 128)'
row 'RGBA(1, 2, 3) alpha missing'       197121      'RGBA(1, 2, 3)'
row 'RGB(1,2) blue missing'             513         'RGB(1,2)'
row 'RGB(x)'                            0           'RGB(x)'
row 'RGBA( alone'                       0           'RGBA('
row 'RGB(1, 2, 3 unclosed'              197121      'RGB(1, 2, 3'
row 'RGB(300, 0, 0) clamped'            255         'RGB(300, 0, 0)'
row 'RGB(4294967296, 0, 0) clamped'     255         'RGB(4294967296, 0, 0)'
row 'RGB(-5, 0, 0) clamped'             0           'RGB(-5, 0, 0)'
row 'RGB(0, 300, -1) clamped'           65280       'RGB(0, 300, -1)'
row 'RGBA(0, 0, 0, 999) clamped'        -16777216   'RGBA(0, 0, 0, 999)'
row 'spaces around rgb(1, 2, 3)'        197121      '  rgb(1, 2, 3)  '
row 'RGB(1, 2, 3) line feed'            197121      $'RGB(1, 2, 3)\n'
row 'RGB (1, 2, 3) space before ('      -16776961   'RGB (1, 2, 3)'
row 'tab before RGB(1, 2, 3)'           -16776961   $'\tRGB(1, 2, 3)'
row 'RGB(1,2,3) and an emoji'           197121      'RGB(1,2,3) 🎨'

# "$" hexadecimal: always taken, even when no digit follows.
row '  $ff  '                           255         '  $ff  '
row '$ alone'                           0           '$'
row '$zz'                               0           '$zz'
row '$-1'                               0           '$-1'
row '$ffffff'                           16777215    '$ffffff'
row '$FFFFFFFF'                         -1          '$FFFFFFFF'
row '$100000000 (low 32 bits)'          0           '$100000000'

# Any other number that is not zero: sign, tabs, base 2, trailing text, wrapping.
row '-1'                                -1          '-1'
row '+8'                                8           '+8'
row '-$10'                              -16         '-$10'
row 'tab 42'                            42          $'\t42'
row '%1010'                             10          '%1010'
row '12abc'                             12          '12abc'
row '12.7'                              12          '12.7'
row 'two lines 42 / abc'                42          $'42\nabc'
row '2147483648'                        -2147483648 '2147483648'
row '-2147483649'                       2147483647  '-2147483649'
row '4294967296 (2^32, low bits 0)'     0           '4294967296'
row '18446744073709551617 (2^64 + 1)'   1           '18446744073709551617'

# No colour: opaque red.
row '0'                                 -16776961   '0'
row 'abc'                               -16776961   'abc'
row '0x1F'                              -16776961   '0x1F'
row 'Sélection de couleur'              -16776961   'Sélection de couleur'
row 'no-break space before 5'           -16776961   $'\xc2\xa05'
row 'empty text'                        -16776961   ''
check 'no text at all'                  -16776961

# Several megabytes.
{ printf 'RGBA(10, 20, 30, 40'; yes ', 7' | head -n 1400000 | tr -d '\n'; printf ')'; } >"$work/rgba"
check 'RGBA(10, 20, 30, 40, 7, ... 4 MB)'  673059850 "$work/rgba"
{ printf '  $ff'; head -c 4000000 /dev/zero | tr '\0' x; } >"$work/hex"
check '  $ff then 4 MB of x'            255         "$work/hex"
head -c 4000000 /dev/zero | tr '\0' 9 >"$work/nines"
check '4 million nines (wraps to -1)'   -1          "$work/nines"
yes 'é' | head -n 2000000 | tr -d '\n' >"$work/accents"
check '2 million é'                     -16776961   "$work/accents"

echo "$(basename "$program"): $passed passed, $failed failed ($dialogs dialogs accepted)"
[ "$failed" -eq 0 ]
